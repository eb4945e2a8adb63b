<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Autostart</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to remove %1</source>
        <translation>%1 kann nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>Blacklist</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ChartData</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Mailbox</source>
        <translation>Postfach</translation>
    </message>
    <message>
        <source># Mail</source>
        <translation>Anz. E-Mails</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>All mailboxes</source>
        <translation>Alle Postfächer</translation>
    </message>
    <message>
        <source>%1 from %2 thru %3</source>
        <translation>%1 vom %2 bis %3</translation>
    </message>
    <message>
        <source>No data for %1</source>
        <translation>Keine Daten für %1</translation>
    </message>
</context>
<context>
    <name>Classifier</name>
    <message>
        <source>Reply to or From (%1) </source>
        <translation>Reply-to oder From (%1) </translation>
    </message>
    <message>
        <source>Learned  :  score %1, cutoff %2: %3</source>
        <translation>Gelernt  :  Wert %1, Schwelle %2: %3</translation>
    </message>
    <message>
        <source>like the spam you deleted</source>
        <translation>wie der Spam, den Sie gelöscht haben</translation>
    </message>
    <message>
        <source>like the mail you kept</source>
        <translation>wie die Post, die Sie behalten haben</translation>
    </message>
    <message>
        <source>           toward spam: </source>
        <translation>           in Richtung Spam: </translation>
    </message>
    <message>
        <source>           toward other mail: </source>
        <translation>           in Richtung anderer Post: </translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>ist gleich</translation>
    </message>
    <message>
        <source>Any Header </source>
        <translation>Beliebige Kopfzeile </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>smaller than</source>
        <translation>kleiner als</translation>
    </message>
    <message>
        <source>larger than</source>
        <translation>größer als</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Domainname</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Header &quot;%1&quot;</source>
        <translation>Kopfzeile „%1“</translation>
    </message>
    <message>
        <source>To does not contain</source>
        <translation>To enthält nicht</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>%1 does not match Reply-to %2</source>
        <translation>%1 passt nicht zu Reply-to %2</translation>
    </message>
    <message>
        <source>%1 equals To field %2</source>
        <translation>%1 gleicht dem To-Feld %2</translation>
    </message>
    <message>
        <source>is an</source>
        <translation>ist eine</translation>
    </message>
    <message>
        <source>Unknown domain</source>
        <translation>unbekannte Domain</translation>
    </message>
    <message>
        <source>Exception : </source>
        <translation>Ausnahme : </translation>
    </message>
    <message>
        <source>Delete   : </source>
        <translation>Löschen  : </translation>
    </message>
    <message>
        <source>Question : </source>
        <translation>Frage    : </translation>
    </message>
    <message>
        <source> (Case Sensitive)</source>
        <translation> (Groß-/Kleinschreibung beachten)</translation>
    </message>
</context>
<context>
    <name>CliCheck</name>
    <message numerus="yes">
        <source>mailbox %1: %2 on %3, %n message(s), %4 marked</source>
        <translation>
            <numerusform>Postfach %1: %2 auf %3, %n Nachricht, %4 markiert</numerusform>
            <numerusform>Postfach %1: %2 auf %3, %n Nachrichten, %4 markiert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>quillmere-cli %1: Quillmere&apos;s mail pre-filter from the command line.</source>
        <translation>quillmere-cli %1: der E-Mail-Vorfilter Quillmere auf der Befehlszeile.</translation>
    </message>
    <message>
        <source>usage: quillmere-cli COMMAND [ARGS...]</source>
        <translation>Aufruf: quillmere-cli BEFEHL [ARGUMENTE...]</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>quillmere-cli: unknown command &quot;%1&quot; (see quillmere-cli --help)</source>
        <translation>quillmere-cli: unbekannter Befehl „%1“ (siehe quillmere-cli --help)</translation>
    </message>
    <message>
        <source>usage: quillmere-cli %1 %2</source>
        <translation>Aufruf: quillmere-cli %1 %2</translation>
    </message>
    <message>
        <source>[SECTION/IDENT [VALUE]]</source>
        <translation>[ABSCHNITT/NAME [WERT]]</translation>
    </message>
    <message>
        <source>show every setting with its effective value, show one, or write VALUE into one (a number in decimal or after 0x; true, false, 1 or 0 for a switch, stored as 1 or 0; passwords show only as set or empty)</source>
        <translation>zeigt jede Einstellung mit ihrem wirksamen Wert, zeigt eine oder schreibt WERT in eine (eine Zahl dezimal oder nach 0x; true, false, 1 oder 0 für einen Schalter, gespeichert als 1 oder 0; Passwörter erscheinen nur als gesetzt oder leer)</translation>
    </message>
    <message>
        <source>[import subject|exceptions FILE]</source>
        <translation>[import subject|exceptions DATEI]</translation>
    </message>
    <message>
        <source>show the subject, header, sender and exception rules and the blacklist, or add one rule per line of FILE (- for standard input)</source>
        <translation>zeigt die Betreff-, Kopfzeilen-, Absender- und Ausnahmeregeln und die Sperrliste oder fügt je Zeile von DATEI eine Regel hinzu (- für die Standardeingabe)</translation>
    </message>
    <message>
        <source>DOMAIN [--server ADDRESS[:PORT]]</source>
        <translation>DOMAIN [--server ADRESSE[:PORT]]</translation>
    </message>
    <message>
        <source>Lists the mail exchangers of DOMAIN, lowest preference first, one &quot;preference exchange&quot; line each (server: the system&apos;s first IPv4 name server)</source>
        <translation>Listet die Mail-Exchanger von DOMAIN auf, niedrigste Präferenz zuerst, je eine Zeile „Präferenz Exchanger“ (Server: der erste IPv4-Namensserver des Systems)</translation>
    </message>
    <message>
        <source>[--log FILE] [--mailbox NAME] [--between DATE DATE | --months N | --days N] [--json]</source>
        <translation>[--log DATEI] [--mailbox NAME] [--between DATUM DATUM | --months N | --days N] [--json]</translation>
    </message>
    <message>
        <source>statistics of the activity log: tables, charts&apos; series, spam share, top ten (dates as 2026-12-08)</source>
        <translation>Statistik des Protokolls: Tabellen, Datenreihen der Diagramme, Spam-Anteil, die zehn häufigsten (Daten als 2026-12-08)</translation>
    </message>
    <message>
        <source>[N [--server HOST] [--user NAME] [--password-stdin] [--protocol pop3|imap] [--folder NAME] [--spam-folder NAME] [--spam-action move|delete] [--security tls|starttls|starttls-optional|none] [--trust-fingerprint SHA256] [--oauth2 google|microsoft|custom --client-id ID [--client-secret-stdin] [--auth-url URL --token-url URL [--scope SCOPE]]] [--sign-in password|oauth2]] [--current N]</source>
        <translation>[N [--server HOST] [--user NAME] [--password-stdin] [--protocol pop3|imap] [--folder NAME] [--spam-folder NAME] [--spam-action move|delete] [--security tls|starttls|starttls-optional|none] [--trust-fingerprint SHA256] [--oauth2 google|microsoft|custom --client-id ID [--client-secret-stdin] [--auth-url URL --token-url URL [--scope BEREICH]]] [--sign-in password|oauth2]] [--current N]</translation>
    </message>
    <message>
        <source>list the twelve mailbox slots (passwords only as set or empty, OAuth2 as signed in or not), store slot N as the general settings do (the password read from the first line of standard input; a new mailbox is POP3 and requires STARTTLS, or uses TLS on port 995 (IMAP: 993); --protocol imap checks the folder --folder (INBOX) and moves spam into the Junk folder (--spam-folder names it; &quot;&quot; finds it on the server) or, with --spam-action delete, deletes it; --trust-fingerprint accepts the server certificate with that SHA-256 fingerprint although it fails verification, &quot;&quot; forgets it), or make slot N the current one; --oauth2 signs slot N in with OAuth2 through the application you registered with the provider (the client secret read from the first line of standard input): it prints the address to open and waits for the browser, or for the address the browser ended on pasted on standard input; --sign-in password goes back to the password</source>
        <translation>listet die zwölf Postfachplätze auf (Passwörter nur als gesetzt oder leer, OAuth2 als angemeldet oder nicht), speichert Platz N wie die allgemeinen Einstellungen (das Passwort aus der ersten Zeile der Standardeingabe; ein neues Postfach ist POP3 und verlangt STARTTLS oder nutzt TLS auf Port 995 (IMAP: 993); --protocol imap prüft den Ordner --folder (INBOX) und verschiebt Spam in den Junk-Ordner (--spam-folder nennt ihn; &quot;&quot; sucht ihn auf dem Server) oder löscht ihn mit --spam-action delete; --trust-fingerprint nimmt das Serverzertifikat mit diesem SHA-256-Fingerabdruck an, obwohl seine Prüfung fehlschlägt, &quot;&quot; vergisst es) oder macht Platz N zum aktuellen; --oauth2 meldet Platz N mit OAuth2 über die Anwendung an, die Sie beim Anbieter registriert haben (das Client-Geheimnis aus der ersten Zeile der Standardeingabe): Der Befehl gibt die zu öffnende Adresse aus und wartet auf den Browser oder auf die Adresse, bei der der Browser endete, eingefügt in die Standardeingabe; --sign-in password kehrt zum Passwort zurück</translation>
    </message>
    <message>
        <source>[--mailbox N] [--json] [--no-cache]</source>
        <translation>[--mailbox N] [--json] [--no-cache]</translation>
    </message>
    <message>
        <source>check the current mailbox (or slot N) as &quot;Check e-mail&quot; does: log the check, save the rule hits, and print every message with its mark; --no-cache downloads every header and leaves the header cache as it is</source>
        <translation>prüft das aktuelle Postfach (oder Platz N) wie „Post prüfen“: protokolliert die Prüfung, speichert die Regeltreffer und gibt jede Nachricht mit ihrer Markierung aus; --no-cache lädt alle Kopfzeilen herunter und lässt den Kopfzeilen-Zwischenspeicher unverändert</translation>
    </message>
    <message>
        <source>INDEX [--mailbox N]</source>
        <translation>INDEX [--mailbox N]</translation>
    </message>
    <message>
        <source>check the mailbox and explain why message INDEX (from 0) has its mark, as the &quot;Why&quot; window does</source>
        <translation>prüft das Postfach und erklärt wie das Fenster „Warum“, warum Nachricht INDEX (ab 0) ihre Markierung hat</translation>
    </message>
    <message>
        <source>[--mailbox N] [--yes]</source>
        <translation>[--mailbox N] [--yes]</translation>
    </message>
    <message>
        <source>check the mailbox and delete its marked messages without asking (log blocks, spam counter; an IMAP mailbox moves them into its Junk folder unless its spam action is delete); without --yes only show what would go</source>
        <translation>prüft das Postfach und löscht seine markierten Nachrichten ohne Rückfrage (Protokolleinträge, Spam-Zähler; ein IMAP-Postfach verschiebt sie in seinen Junk-Ordner, sofern seine Spam-Aktion nicht „delete“ ist); ohne --yes wird nur gezeigt, was ginge</translation>
    </message>
    <message>
        <source>one unattended sweep over every configured mailbox: one line per mailbox; with &quot;Kill&quot; set it deletes marked spam everywhere, otherwise it stops at the first mailbox with mail and exits with status 3</source>
        <translation>ein unbeaufsichtigter Durchlauf über alle eingerichteten Postfächer: eine Zeile je Postfach; ist „Kill“ gesetzt, löscht er markierten Spam überall, sonst hält er beim ersten Postfach mit Post an und endet mit Status 3</translation>
    </message>
    <message>
        <source>FILE [--json]</source>
        <translation>DATEI [--json]</translation>
    </message>
    <message>
        <source>Decodes a stored message file as the body viewer does: subject, sender, content type, character set and encoding markers, the body lines and one line per attachment</source>
        <translation>Dekodiert eine gespeicherte Nachrichtendatei wie die Inhaltsanzeige: Betreff, Absender, Inhaltstyp, Zeichensatz- und Kodierungsangaben, die Zeilen des Inhalts und eine Zeile je Anhang</translation>
    </message>
    <message>
        <source>spam|ham PATH... | forget</source>
        <translation>spam|ham PFAD... | forget</translation>
    </message>
    <message>
        <source>teach the learned judgement that the messages in PATH (message files, mailbox files, Maildir folders) are spam or other mail, judged by their header; forget starts anew with nothing learned</source>
        <translation>bringt dem gelernten Urteil bei, dass die Nachrichten in PFAD (Nachrichtendateien, Postfachdateien, Maildir-Ordner) Spam oder andere Post sind, beurteilt nach ihren Kopfzeilen; forget beginnt neu, ohne Gelerntes</translation>
    </message>
    <message>
        <source>FILE... [--json]</source>
        <translation>DATEI... [--json]</translation>
    </message>
    <message>
        <source>the learned judgement of each message in FILE (0: other mail, 1: spam) from its header, with the tokens that weighed most either way</source>
        <translation>das gelernte Urteil über jede Nachricht in DATEI (0: andere Post, 1: Spam) nach ihren Kopfzeilen, mit den Merkmalen, die in beide Richtungen am meisten wogen</translation>
    </message>
</context>
<context>
    <name>CliDecode</name>
    <message>
        <source>Subject: %1</source>
        <translation>Betreff: %1</translation>
    </message>
    <message>
        <source>Sender: %1</source>
        <translation>Absender: %1</translation>
    </message>
    <message>
        <source>Content type: %1</source>
        <translation>Inhaltstyp: %1</translation>
    </message>
    <message>
        <source>Character set: %1</source>
        <translation>Zeichensatz: %1</translation>
    </message>
    <message>
        <source>Encoding: %1</source>
        <translation>Kodierung: %1</translation>
    </message>
    <message>
        <source>Attachment: %1 (%2, kind %3, %4 bytes)</source>
        <translation>Anhang: %1 (%2, Art %3, %4 Bytes)</translation>
    </message>
</context>
<context>
    <name>CliDelete</name>
    <message>
        <source>mailbox %1 (%2 on %3)</source>
        <translation>Postfach %1 (%2 auf %3)</translation>
    </message>
    <message numerus="yes">
        <source>would move %1 of %n message(s) into the Junk folder from %2 (run with --yes to move them):</source>
        <translation>
            <numerusform>würde %1 von %n Nachricht aus %2 in den Junk-Ordner verschieben (mit --yes werden sie verschoben):</numerusform>
            <numerusform>würde %1 von %n Nachrichten aus %2 in den Junk-Ordner verschieben (mit --yes werden sie verschoben):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>would delete %1 of %n message(s) from %2 (run with --yes to delete them):</source>
        <translation>
            <numerusform>würde %1 von %n Nachricht aus %2 löschen (mit --yes werden sie gelöscht):</numerusform>
            <numerusform>würde %1 von %n Nachrichten aus %2 löschen (mit --yes werden sie gelöscht):</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>moved %n message(s) into the Junk folder from %1, %2 left</source>
        <translation>
            <numerusform>%n Nachricht aus %1 in den Junk-Ordner verschoben, %2 übrig</numerusform>
            <numerusform>%n Nachrichten aus %1 in den Junk-Ordner verschoben, %2 übrig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>deleted %n message(s) from %1, %2 left</source>
        <translation>
            <numerusform>%n Nachricht aus %1 gelöscht, %2 übrig</numerusform>
            <numerusform>%n Nachrichten aus %1 gelöscht, %2 übrig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliLearn</name>
    <message>
        <source>Learned so far: %1, %2, %3</source>
        <translation>Bisher gelernt: %1, %2, %3</translation>
    </message>
    <message>
        <source>1 spam message</source>
        <translation>1 Spam-Nachricht</translation>
    </message>
    <message numerus="yes">
        <source>%n spam messages</source>
        <translation>
            <numerusform>%n Spam-Nachricht</numerusform>
            <numerusform>%n Spam-Nachrichten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 other message</source>
        <translation>1 andere Nachricht</translation>
    </message>
    <message numerus="yes">
        <source>%n other messages</source>
        <translation>
            <numerusform>%n andere Nachricht</numerusform>
            <numerusform>%n andere Nachrichten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 token</source>
        <translation>1 Merkmal</translation>
    </message>
    <message numerus="yes">
        <source>%n tokens</source>
        <translation>
            <numerusform>%n Merkmal</numerusform>
            <numerusform>%n Merkmale</numerusform>
        </translation>
    </message>
    <message>
        <source>The learned judgement marks messages once %1 of each are learned.</source>
        <translation>Das gelernte Urteil markiert Nachrichten, sobald von jeder Art %1 gelernt sind.</translation>
    </message>
    <message>
        <source>Forgot everything learned (%1)</source>
        <translation>Alles Gelernte vergessen (%1)</translation>
    </message>
    <message>
        <source>1 message</source>
        <translation>1 Nachricht</translation>
    </message>
    <message numerus="yes">
        <source>%n messages</source>
        <translation>
            <numerusform>%n Nachricht</numerusform>
            <numerusform>%n Nachrichten</numerusform>
        </translation>
    </message>
    <message>
        <source>Learned %1 as spam, moved %2 over from other mail; %3 were learned so before</source>
        <translation>%1 als Spam gelernt, %2 von anderer Post herübergenommen; %3 waren schon so gelernt</translation>
    </message>
    <message>
        <source>Learned %1 as other mail, moved %2 over from spam; %3 were learned so before</source>
        <translation>%1 als andere Post gelernt, %2 von Spam herübergenommen; %3 waren schon so gelernt</translation>
    </message>
</context>
<context>
    <name>CliMailbox</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)   </translation>
    </message>
    <message>
        <source>(set)  </source>
        <translation>(gesetzt)</translation>
    </message>
    <message>
        <source>(locked)</source>
        <translation>(gesperrt)</translation>
    </message>
    <message>
        <source>password %1</source>
        <translation>Passwort %1</translation>
    </message>
    <message>
        <source>imap folder %1</source>
        <translation>IMAP-Ordner %1</translation>
    </message>
    <message>
        <source>spam delete</source>
        <translation>Spam löschen</translation>
    </message>
    <message>
        <source>spam move to %1</source>
        <translation>Spam verschieben nach %1</translation>
    </message>
    <message>
        <source>(the Junk folder)</source>
        <translation>(dem Junk-Ordner)</translation>
    </message>
    <message>
        <source>trusts %1</source>
        <translation>vertraut %1</translation>
    </message>
    <message>
        <source>not signed in</source>
        <translation>nicht angemeldet</translation>
    </message>
    <message>
        <source>signed in</source>
        <translation>angemeldet</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>Anmeldung abgelehnt</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>Open this address in a browser and sign in:</source>
        <translation>Öffnen Sie diese Adresse in einem Browser und melden Sie sich an:</translation>
    </message>
    <message>
        <source>When the browser runs on another machine, paste the address it ends on here and press Enter.</source>
        <translation>Läuft der Browser auf einem anderen Rechner, fügen Sie hier die Adresse ein, bei der er endet, und drücken Sie die Eingabetaste.</translation>
    </message>
    <message>
        <source>Passwords, client secrets and tokens are kept in %1.</source>
        <translation>Passwörter, Client-Geheimnisse und Token werden aufbewahrt in: %1.</translation>
    </message>
    <message>
        <source>quillmere-cli mailbox: %1 is not a SHA-256 fingerprint (64 hexadecimal digits, pairs may be separated by &apos;:&apos;)</source>
        <translation>quillmere-cli mailbox: %1 ist kein SHA-256-Fingerabdruck (64 Hexadezimalziffern, Paare dürfen durch „:“ getrennt sein)</translation>
    </message>
    <message>
        <source>quillmere-cli mailbox: %1 is not an OAuth2 provider (google, microsoft, custom)</source>
        <translation>quillmere-cli mailbox: %1 ist kein OAuth2-Anbieter (google, microsoft, custom)</translation>
    </message>
    <message>
        <source>quillmere-cli mailbox: %1</source>
        <translation>quillmere-cli mailbox: %1</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>error: the OAuth2 sign-in failed: %1</source>
        <translation>Fehler: Die OAuth2-Anmeldung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Signed in</source>
        <translation>Angemeldet</translation>
    </message>
</context>
<context>
    <name>CliMx</name>
    <message>
        <source>quillmere-cli mx: &quot;%1&quot; is not ADDRESS[:PORT]</source>
        <translation>quillmere-cli mx: „%1“ ist nicht ADRESSE[:PORT]</translation>
    </message>
</context>
<context>
    <name>CliRules</name>
    <message>
        <source>Subject rules</source>
        <translation>Betreffregeln</translation>
    </message>
    <message>
        <source>Header rules</source>
        <translation>Kopfzeilenregeln</translation>
    </message>
    <message>
        <source>Sender rules</source>
        <translation>Absenderregeln</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Ausnahmen</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>mark</comment>
        <translation>löschen</translation>
    </message>
    <message>
        <source>question</source>
        <comment>mark</comment>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Added 1 rule to %1</source>
        <translation>1 Regel zu %1 hinzugefügt</translation>
    </message>
    <message numerus="yes">
        <source>Added %n rules to %1</source>
        <translation>
            <numerusform>%n Regel zu %1 hinzugefügt</numerusform>
            <numerusform>%n Regeln zu %1 hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2): </source>
        <translation>%1 (%2): </translation>
    </message>
    <message>
        <source>no file, no rules</source>
        <translation>keine Datei, keine Regeln</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>no rules</source>
        <translation>keine Regeln</translation>
    </message>
    <message>
        <source>1 rule</source>
        <translation>1 Regel</translation>
    </message>
    <message numerus="yes">
        <source>%n rules</source>
        <translation>
            <numerusform>%n Regel</numerusform>
            <numerusform>%n Regeln</numerusform>
        </translation>
    </message>
    <message>
        <source>Blacklist (%1): </source>
        <translation>Sperrliste (%1): </translation>
    </message>
    <message>
        <source>no file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Learned judgement (%1): </source>
        <translation>Gelerntes Urteil (%1): </translation>
    </message>
    <message>
        <source>nothing learned</source>
        <translation>nichts gelernt</translation>
    </message>
    <message>
        <source>%1 spam, %2 other, %3 tokens</source>
        <translation>%1 Spam, %2 andere, %3 Merkmale</translation>
    </message>
    <message>
        <source> (judges once %1 of each are learned)</source>
        <translation> (urteilt, sobald von jeder Art %1 gelernt sind)</translation>
    </message>
</context>
<context>
    <name>CliScore</name>
    <message>
        <source>Not judged: %1 spam and %2 other messages are learned, and the learned judgement needs %3 of each</source>
        <translation>Nicht beurteilt: %1 Spam- und %2 andere Nachrichten sind gelernt, das gelernte Urteil braucht von jeder Art %3</translation>
    </message>
    <message>
        <source>%1: not judged</source>
        <translation>%1: nicht beurteilt</translation>
    </message>
    <message>
        <source>toward spam: %1</source>
        <translation>Richtung Spam: %1</translation>
    </message>
    <message>
        <source>toward other mail: %1</source>
        <translation>Richtung andere Post: %1</translation>
    </message>
</context>
<context>
    <name>CliSettings</name>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>(set)</source>
        <translation>(gesetzt)</translation>
    </message>
    <message>
        <source># settings tree: %1</source>
        <translation># Einstellungsbaum: %1</translation>
    </message>
    <message>
        <source># settings file: %1</source>
        <translation># Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <translation>(nicht lesbar)</translation>
    </message>
    <message>
        <source>quillmere-cli settings: unknown key &quot;%1&quot; (quillmere-cli settings lists them)</source>
        <translation>quillmere-cli settings: unbekannter Schlüssel „%1“ (quillmere-cli settings listet sie auf)</translation>
    </message>
    <message>
        <source>quillmere-cli settings: %1 takes true, false, 1 or 0, not &quot;%2&quot;</source>
        <translation>quillmere-cli settings: %1 nimmt true, false, 1 oder 0, nicht „%2“</translation>
    </message>
    <message>
        <source>quillmere-cli settings: %1 takes a number (decimal, or hexadecimal after 0x), not &quot;%2&quot;</source>
        <translation>quillmere-cli settings: %1 nimmt eine Zahl (dezimal oder hexadezimal nach 0x), nicht „%2“</translation>
    </message>
</context>
<context>
    <name>CliStats</name>
    <message>
        <source>stats: %1</source>
        <translation>stats: %1</translation>
    </message>
    <message>
        <source>give one of --between, --months and --days</source>
        <translation>geben Sie nur eine der Optionen --between, --months und --days an</translation>
    </message>
    <message>
        <source>--between needs two dates</source>
        <translation>--between braucht zwei Daten</translation>
    </message>
    <message>
        <source>dates are written as 2026-12-08</source>
        <translation>Daten werden als 2026-12-08 geschrieben</translation>
    </message>
    <message>
        <source>--months takes a number from 1 to 12</source>
        <translation>--months nimmt eine Zahl von 1 bis 12</translation>
    </message>
    <message>
        <source>--days takes a number from 1 to 365</source>
        <translation>--days nimmt eine Zahl von 1 bis 365</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>E-mail Check</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>Number Found</source>
        <translation>Anzahl gefunden</translation>
    </message>
    <message>
        <source>Number Deleted</source>
        <translation>Anzahl gelöscht</translation>
    </message>
    <message>
        <source>Mailboxes: %1</source>
        <translation>Postfächer: %1</translation>
    </message>
    <message>
        <source>Email traffic</source>
        <translation>E-Mail-Verkehr</translation>
    </message>
    <message>
        <source>Spam Deleted</source>
        <translation>Gelöschter Spam</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Hour of day</source>
        <translation>Tageszeit</translation>
    </message>
    <message>
        <source>Day by day</source>
        <translation>Tag für Tag</translation>
    </message>
    <message>
        <source>% Deleted</source>
        <translation>% gelöscht</translation>
    </message>
    <message>
        <source>Normal E-mail</source>
        <translation>Normale E-Mail</translation>
    </message>
    <message>
        <source>Top 10 Spam Domains</source>
        <translation>Die 10 häufigsten Spam-Domains</translation>
    </message>
    <message>
        <source>Top 10 Spammers</source>
        <translation>Die 10 häufigsten Spam-Absender</translation>
    </message>
    <message>
        <source>stats: the activity log has no mailbox &quot;%1&quot;</source>
        <translation>stats: Das Protokoll kennt kein Postfach „%1“</translation>
    </message>
</context>
<context>
    <name>CliSweep</name>
    <message>
        <source>mailbox %1: %2 on %3</source>
        <translation>Postfach %1: %2 auf %3</translation>
    </message>
    <message>
        <source>not checked</source>
        <translation>nicht geprüft</translation>
    </message>
    <message numerus="yes">
        <source>%n message(s), %1 marked, %2 deleted</source>
        <translation>
            <numerusform>%n Nachricht, %1 markiert, %2 gelöscht</numerusform>
            <numerusform>%n Nachrichten, %1 markiert, %2 gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 refused by the server</source>
        <translation>, %1 vom Server abgelehnt</translation>
    </message>
    <message>
        <source>mail waits in mailbox %1:</source>
        <translation>Post wartet in Postfach %1:</translation>
    </message>
</context>
<context>
    <name>CliWhy</name>
    <message numerus="yes">
        <source>quillmere-cli why: mailbox %1 has no message %2 (%n message(s), numbered from 0)</source>
        <translation>
            <numerusform>quillmere-cli why: Postfach %1 hat keine Nachricht %2 (%n Nachricht, ab 0 gezählt)</numerusform>
            <numerusform>quillmere-cli why: Postfach %1 hat keine Nachricht %2 (%n Nachrichten, ab 0 gezählt)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConsolePrompter</name>
    <message>
        <source>error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <source>Afghanistan</source>
        <translation>Afghanistan</translation>
    </message>
    <message>
        <source>Albania</source>
        <translation>Albanien</translation>
    </message>
    <message>
        <source>Algeria</source>
        <translation>Algerien</translation>
    </message>
    <message>
        <source>American Samoa</source>
        <translation>Amerikanisch-Samoa</translation>
    </message>
    <message>
        <source>Andorra</source>
        <translation>Andorra</translation>
    </message>
    <message>
        <source>Angola</source>
        <translation>Angola</translation>
    </message>
    <message>
        <source>Anguilla</source>
        <translation>Anguilla</translation>
    </message>
    <message>
        <source>Antarctica</source>
        <translation>Antarktis</translation>
    </message>
    <message>
        <source>Antigua and Barbuda</source>
        <translation>Antigua und Barbuda</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentinien</translation>
    </message>
    <message>
        <source>Armenia</source>
        <translation>Armenien</translation>
    </message>
    <message>
        <source>Aruba</source>
        <translation>Aruba</translation>
    </message>
    <message>
        <source>Ascension Island</source>
        <translation>Ascension</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Azerbaijan</source>
        <translation>Aserbaidschan</translation>
    </message>
    <message>
        <source>Bahamas</source>
        <translation>Bahamas</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Bahrain</translation>
    </message>
    <message>
        <source>Bangladesh</source>
        <translation>Bangladesch</translation>
    </message>
    <message>
        <source>Barbados</source>
        <translation>Barbados</translation>
    </message>
    <message>
        <source>Belarus</source>
        <translation>Belarus</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgien</translation>
    </message>
    <message>
        <source>Belize</source>
        <translation>Belize</translation>
    </message>
    <message>
        <source>Benin</source>
        <translation>Benin</translation>
    </message>
    <message>
        <source>Bermuda</source>
        <translation>Bermuda</translation>
    </message>
    <message>
        <source>Bhutan</source>
        <translation>Bhutan</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation>Bolivien</translation>
    </message>
    <message>
        <source>Bosnia and Herzegovina</source>
        <translation>Bosnien und Herzegowina</translation>
    </message>
    <message>
        <source>Botswana</source>
        <translation>Botsuana</translation>
    </message>
    <message>
        <source>Bouvet Island</source>
        <translation>Bouvet-Insel</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasilien</translation>
    </message>
    <message>
        <source>British Indian Ocean Territory</source>
        <translation>Britisches Territorium im Indischen Ozean</translation>
    </message>
    <message>
        <source>Brunei Darussalam</source>
        <translation>Brunei</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgarien</translation>
    </message>
    <message>
        <source>Burkina Faso</source>
        <translation>Burkina Faso</translation>
    </message>
    <message>
        <source>Burundi</source>
        <translation>Burundi</translation>
    </message>
    <message>
        <source>Cambodia</source>
        <translation>Kambodscha</translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation>Kamerun</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Cape Verde</source>
        <translation>Kap Verde</translation>
    </message>
    <message>
        <source>Cayman Islands</source>
        <translation>Kaimaninseln</translation>
    </message>
    <message>
        <source>Central African Republic</source>
        <translation>Zentralafrikanische Republik</translation>
    </message>
    <message>
        <source>Chad</source>
        <translation>Tschad</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Chile</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Christmas Island</source>
        <translation>Weihnachtsinsel</translation>
    </message>
    <message>
        <source>Cocos (Keeling) Islands</source>
        <translation>Kokos-(Keeling-)Inseln</translation>
    </message>
    <message>
        <source>Colombia</source>
        <translation>Kolumbien</translation>
    </message>
    <message>
        <source>Comoros</source>
        <translation>Komoren</translation>
    </message>
    <message>
        <source>Congo, Democratic People&apos;s Republic</source>
        <translation>Kongo, Demokratische Republik</translation>
    </message>
    <message>
        <source>Congo, Republic of</source>
        <translation>Kongo, Republik</translation>
    </message>
    <message>
        <source>Cook Islands</source>
        <translation>Cookinseln</translation>
    </message>
    <message>
        <source>Costa Rica</source>
        <translation>Costa Rica</translation>
    </message>
    <message>
        <source>Cote D&apos;Ivoire (Ivory Coast)</source>
        <translation>Côte d’Ivoire (Elfenbeinküste)</translation>
    </message>
    <message>
        <source>Croatia (Hrvatska)</source>
        <translation>Kroatien (Hrvatska)</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>Kuba</translation>
    </message>
    <message>
        <source>Cyprus</source>
        <translation>Zypern</translation>
    </message>
    <message>
        <source>Czech Republic</source>
        <translation>Tschechische Republik</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dänemark</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation>Dschibuti</translation>
    </message>
    <message>
        <source>Dominica</source>
        <translation>Dominica</translation>
    </message>
    <message>
        <source>Dominican Republic</source>
        <translation>Dominikanische Republik</translation>
    </message>
    <message>
        <source>East Timor</source>
        <translation>Osttimor</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Ägypten</translation>
    </message>
    <message>
        <source>El Salvador</source>
        <translation>El Salvador</translation>
    </message>
    <message>
        <source>Equatorial Guinea</source>
        <translation>Äquatorialguinea</translation>
    </message>
    <message>
        <source>Eritrea</source>
        <translation>Eritrea</translation>
    </message>
    <message>
        <source>Estonia</source>
        <translation>Estland</translation>
    </message>
    <message>
        <source>Ethiopia</source>
        <translation>Äthiopien</translation>
    </message>
    <message>
        <source>Falkland Islands (Malvinas)</source>
        <translation>Falklandinseln (Malwinen)</translation>
    </message>
    <message>
        <source>Faroe Islands</source>
        <translation>Färöer</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Fidschi</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>French Guiana</source>
        <translation>Französisch-Guyana</translation>
    </message>
    <message>
        <source>French Polynesia</source>
        <translation>Französisch-Polynesien</translation>
    </message>
    <message>
        <source>French Southern Territories</source>
        <translation>Französische Süd- und Antarktisgebiete</translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation>Gabun</translation>
    </message>
    <message>
        <source>Gambia</source>
        <translation>Gambia</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>Georgien</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation>Ghana</translation>
    </message>
    <message>
        <source>Gibraltar</source>
        <translation>Gibraltar</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Griechenland</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Grönland</translation>
    </message>
    <message>
        <source>Grenada</source>
        <translation>Grenada</translation>
    </message>
    <message>
        <source>Guadeloupe</source>
        <translation>Guadeloupe</translation>
    </message>
    <message>
        <source>Guam</source>
        <translation>Guam</translation>
    </message>
    <message>
        <source>Guatemala</source>
        <translation>Guatemala</translation>
    </message>
    <message>
        <source>Guinea</source>
        <translation>Guinea</translation>
    </message>
    <message>
        <source>Guinea-Bissau</source>
        <translation>Guinea-Bissau</translation>
    </message>
    <message>
        <source>Guyana</source>
        <translation>Guyana</translation>
    </message>
    <message>
        <source>Haiti</source>
        <translation>Haiti</translation>
    </message>
    <message>
        <source>Heard and McDonald Islands</source>
        <translation>Heard und McDonaldinseln</translation>
    </message>
    <message>
        <source>Holy See (Vatican City State)</source>
        <translation>Heiliger Stuhl (Vatikanstadt)</translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hongkong</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Ungarn</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Island</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Indien</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonesien</translation>
    </message>
    <message>
        <source>Iran (Islamic Republic of)</source>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Iraq</source>
        <translation>Irak</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>Isle of Man</source>
        <translation>Insel Man</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation>Jamaika</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Jersey</translation>
    </message>
    <message>
        <source>Jordan</source>
        <translation>Jordanien</translation>
    </message>
    <message>
        <source>Kazakhstan</source>
        <translation>Kasachstan</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenia</translation>
    </message>
    <message>
        <source>Kiribati</source>
        <translation>Kiribati</translation>
    </message>
    <message>
        <source>Korea (North)</source>
        <translation>Korea (Nord)</translation>
    </message>
    <message>
        <source>Korea (South)</source>
        <translation>Korea (Süd)</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>Kuwait</translation>
    </message>
    <message>
        <source>Kyrgyzstan</source>
        <translation>Kirgisistan</translation>
    </message>
    <message>
        <source>Lao, People&apos;s Democratic Republic</source>
        <translation>Laos</translation>
    </message>
    <message>
        <source>Latvia</source>
        <translation>Lettland</translation>
    </message>
    <message>
        <source>Lebanon</source>
        <translation>Libanon</translation>
    </message>
    <message>
        <source>Lesotho</source>
        <translation>Lesotho</translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation>Liberia</translation>
    </message>
    <message>
        <source>Libya</source>
        <translation>Libyen</translation>
    </message>
    <message>
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <source>Lithuania</source>
        <translation>Litauen</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <source>Macau</source>
        <translation>Macau</translation>
    </message>
    <message>
        <source>Macedonia</source>
        <translation>Mazedonien</translation>
    </message>
    <message>
        <source>Madagascar</source>
        <translation>Madagaskar</translation>
    </message>
    <message>
        <source>Malawi</source>
        <translation>Malawi</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Maldives</source>
        <translation>Malediven</translation>
    </message>
    <message>
        <source>Mali</source>
        <translation>Mali</translation>
    </message>
    <message>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <source>Marshall Islands</source>
        <translation>Marshallinseln</translation>
    </message>
    <message>
        <source>Martinique</source>
        <translation>Martinique</translation>
    </message>
    <message>
        <source>Mauritania</source>
        <translation>Mauretanien</translation>
    </message>
    <message>
        <source>Mauritius</source>
        <translation>Mauritius</translation>
    </message>
    <message>
        <source>Mayotte</source>
        <translation>Mayotte</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>Mexiko</translation>
    </message>
    <message>
        <source>Micronesia</source>
        <translation>Mikronesien</translation>
    </message>
    <message>
        <source>Moldova</source>
        <translation>Moldau</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <source>Mongolia</source>
        <translation>Mongolei</translation>
    </message>
    <message>
        <source>Montserrat</source>
        <translation>Montserrat</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation>Marokko</translation>
    </message>
    <message>
        <source>Mozambique</source>
        <translation>Mosambik</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Myanmar</translation>
    </message>
    <message>
        <source>Namibia</source>
        <translation>Namibia</translation>
    </message>
    <message>
        <source>Nauru</source>
        <translation>Nauru</translation>
    </message>
    <message>
        <source>Nepal</source>
        <translation>Nepal</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Netherlands Antilles</source>
        <translation>Niederländische Antillen</translation>
    </message>
    <message>
        <source>New Caledonia</source>
        <translation>Neukaledonien</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>Nicaragua</source>
        <translation>Nicaragua</translation>
    </message>
    <message>
        <source>Niger</source>
        <translation>Niger</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message>
        <source>Niue</source>
        <translation>Niue</translation>
    </message>
    <message>
        <source>Norfolk Island</source>
        <translation>Norfolkinsel</translation>
    </message>
    <message>
        <source>Northern Mariana Islands</source>
        <translation>Nördliche Marianen</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Oman</source>
        <translation>Oman</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>Palau</source>
        <translation>Palau</translation>
    </message>
    <message>
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message>
        <source>Papua New Guinea</source>
        <translation>Papua-Neuguinea</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Philippinen</translation>
    </message>
    <message>
        <source>Pitcairn Island</source>
        <translation>Pitcairninseln</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Puerto Rico</source>
        <translation>Puerto Rico</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>Katar</translation>
    </message>
    <message>
        <source>Reunion Island</source>
        <translation>Réunion</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumänien</translation>
    </message>
    <message>
        <source>Russian Federation</source>
        <translation>Russland</translation>
    </message>
    <message>
        <source>Rwanda</source>
        <translation>Ruanda</translation>
    </message>
    <message>
        <source>Saint Kitts and Nevis</source>
        <translation>St. Kitts und Nevis</translation>
    </message>
    <message>
        <source>Saint Lucia</source>
        <translation>St. Lucia</translation>
    </message>
    <message>
        <source>Saint Vincent and the Grenadines</source>
        <translation>St. Vincent und die Grenadinen</translation>
    </message>
    <message>
        <source>Samoa</source>
        <translation>Samoa</translation>
    </message>
    <message>
        <source>San Marino</source>
        <translation>San Marino</translation>
    </message>
    <message>
        <source>Sao Tome and Principe</source>
        <translation>São Tomé und Príncipe</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Saudi-Arabien</translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation>Senegal</translation>
    </message>
    <message>
        <source>Seychelles</source>
        <translation>Seychellen</translation>
    </message>
    <message>
        <source>Sierra Leone</source>
        <translation>Sierra Leone</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Slovakia (Slovak Republic)</source>
        <translation>Slowakei (Slowakische Republik)</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Slowenien</translation>
    </message>
    <message>
        <source>Solomon Islands</source>
        <translation>Salomoninseln</translation>
    </message>
    <message>
        <source>Somalia</source>
        <translation>Somalia</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Südafrika</translation>
    </message>
    <message>
        <source>South Georgia and Sandwich Isl.</source>
        <translation>Südgeorgien und die Südlichen Sandwichinseln</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Sri Lanka</source>
        <translation>Sri Lanka</translation>
    </message>
    <message>
        <source>St. Helena</source>
        <translation>St. Helena</translation>
    </message>
    <message>
        <source>St. Pierre and Miquelon</source>
        <translation>St. Pierre und Miquelon</translation>
    </message>
    <message>
        <source>Sudan</source>
        <translation>Sudan</translation>
    </message>
    <message>
        <source>Suriname</source>
        <translation>Suriname</translation>
    </message>
    <message>
        <source>Svalbard and Jan Mayen Islands</source>
        <translation>Svalbard und Jan Mayen</translation>
    </message>
    <message>
        <source>Swaziland</source>
        <translation>Swasiland</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>Syrian Arab Republic</source>
        <translation>Syrien</translation>
    </message>
    <message>
        <source>Taiwan, Republic of China</source>
        <translation>Taiwan</translation>
    </message>
    <message>
        <source>Tajikistan</source>
        <translation>Tadschikistan</translation>
    </message>
    <message>
        <source>Tanzania</source>
        <translation>Tansania</translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation>Thailand</translation>
    </message>
    <message>
        <source>Togo</source>
        <translation>Togo</translation>
    </message>
    <message>
        <source>Tokelau</source>
        <translation>Tokelau</translation>
    </message>
    <message>
        <source>Tonga</source>
        <translation>Tonga</translation>
    </message>
    <message>
        <source>Trinidad and Tobago</source>
        <translation>Trinidad und Tobago</translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation>Tunesien</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkei</translation>
    </message>
    <message>
        <source>Turkmenistan</source>
        <translation>Turkmenistan</translation>
    </message>
    <message>
        <source>Turks and Caicos Islands</source>
        <translation>Turks- und Caicosinseln</translation>
    </message>
    <message>
        <source>Tuvalu</source>
        <translation>Tuvalu</translation>
    </message>
    <message>
        <source>Uganda</source>
        <translation>Uganda</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <source>United Arab Emirates</source>
        <translation>Vereinigte Arabische Emirate</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>U.S. Minor Outlying Islands</source>
        <translation>Kleinere Amerikanische Überseeinseln</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation>Uruguay</translation>
    </message>
    <message>
        <source>Uzbekistan</source>
        <translation>Usbekistan</translation>
    </message>
    <message>
        <source>Vanuatu</source>
        <translation>Vanuatu</translation>
    </message>
    <message>
        <source>Vatican City State (Holy See)</source>
        <translation>Vatikanstadt (Heiliger Stuhl)</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation>Venezuela</translation>
    </message>
    <message>
        <source>Viet Nam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>Virgin Islands (British)</source>
        <translation>Britische Jungferninseln</translation>
    </message>
    <message>
        <source>Virgin Islands (U.S.)</source>
        <translation>Amerikanische Jungferninseln</translation>
    </message>
    <message>
        <source>Wallis and Futuna Islands</source>
        <translation>Wallis und Futuna</translation>
    </message>
    <message>
        <source>Western Sahara</source>
        <translation>Westsahara</translation>
    </message>
    <message>
        <source>Yemen</source>
        <translation>Jemen</translation>
    </message>
    <message>
        <source>Yugoslavia</source>
        <translation>Jugoslawien</translation>
    </message>
    <message>
        <source>Zaire</source>
        <translation>Zaire</translation>
    </message>
    <message>
        <source>Zambia</source>
        <translation>Sambia</translation>
    </message>
    <message>
        <source>Zimbabwe</source>
        <translation>Simbabwe</translation>
    </message>
</context>
<context>
    <name>EditorParts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Block out a country</source>
        <translation>Ein Land sperren</translation>
    </message>
    <message>
        <source>Mark message with :</source>
        <translation>Nachricht markieren mit:</translation>
    </message>
    <message>
        <source>Note: Only messages with a check mark will be deleted.</source>
        <translation>Hinweis: Gelöscht werden nur Nachrichten mit einem Häkchen.</translation>
    </message>
</context>
<context>
    <name>Exception</name>
    <message>
        <source>Internal error: %1</source>
        <translation>Interner Fehler: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Operation timed out</source>
        <translation>Zeitüberschreitung des Vorgangs</translation>
    </message>
    <message>
        <source>Operation has been canceled</source>
        <translation>Der Vorgang wurde abgebrochen</translation>
    </message>
    <message>
        <source>Server property is required</source>
        <translation>Ein Server muss angegeben sein</translation>
    </message>
    <message>
        <source>Invalid Winsock version</source>
        <translation>Ungültige Winsock-Version</translation>
    </message>
    <message>
        <source>Error resolving remote host</source>
        <translation>Fehler beim Auflösen des entfernten Rechners</translation>
    </message>
    <message>
        <source>Service name is required</source>
        <translation>Ein Dienstname muss angegeben sein</translation>
    </message>
    <message>
        <source>Reply line is longer than 1024 bytes</source>
        <translation>Die Antwortzeile ist länger als 1024 Bytes</translation>
    </message>
    <message>
        <source>Secure connection to %s failed: %s</source>
        <translation>Die sichere Verbindung zu %s ist fehlgeschlagen: %s</translation>
    </message>
    <message>
        <source>You have to connect to the server first</source>
        <translation>Sie müssen zuerst eine Verbindung zum Server herstellen</translation>
    </message>
    <message>
        <source>Certificate of %s not accepted: %s</source>
        <translation>Das Zertifikat von %s wurde nicht angenommen: %s</translation>
    </message>
    <message>
        <source>Function %s not found</source>
        <translation>Funktion %s nicht gefunden</translation>
    </message>
    <message>
        <source>Winsock is not loaded</source>
        <translation>Winsock ist nicht geladen</translation>
    </message>
    <message>
        <source>Winsock not found</source>
        <translation>Winsock nicht gefunden</translation>
    </message>
    <message>
        <source>Connection closed by the server in the middle of a reply</source>
        <translation>Der Server hat die Verbindung mitten in einer Antwort geschlossen</translation>
    </message>
    <message>
        <source>The server&apos;s reply is larger than %s bytes</source>
        <translation>Die Antwort des Servers ist größer als %s Bytes</translation>
    </message>
    <message>
        <source>IDs in the query and response are different</source>
        <translation>Die IDs von Anfrage und Antwort sind verschieden</translation>
    </message>
    <message>
        <source>This is not a response</source>
        <translation>Dies ist keine Antwort</translation>
    </message>
    <message>
        <source>Domain server was unable to interpret a query</source>
        <translation>Der Domain-Server konnte eine Anfrage nicht deuten</translation>
    </message>
    <message>
        <source>Domain server failure</source>
        <translation>Fehler des Domain-Servers</translation>
    </message>
    <message>
        <source>Domain name does not exist</source>
        <translation>Der Domainname existiert nicht</translation>
    </message>
    <message>
        <source>Not implemented</source>
        <translation>Nicht implementiert</translation>
    </message>
    <message>
        <source>Domain server refused to return the information</source>
        <translation>Der Domain-Server hat die Auskunft verweigert</translation>
    </message>
    <message>
        <source>Connection closed by the server</source>
        <translation>Der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>UserName property is required</source>
        <translation>Ein Benutzername muss angegeben sein</translation>
    </message>
    <message>
        <source>Password property is required</source>
        <translation>Ein Passwort muss angegeben sein</translation>
    </message>
    <message>
        <source>IDs are different</source>
        <translation>Die IDs sind verschieden</translation>
    </message>
    <message>
        <source>
Subject: %1
Issuer: %2
Valid from %3 to %4 UTC
SHA-256 fingerprint: %5</source>
        <translation>
Inhaber: %1
Aussteller: %2
Gültig von %3 bis %4 UTC
SHA-256-Fingerabdruck: %5</translation>
    </message>
    <message>
        <source>Error #%1</source>
        <translation>Fehler Nr. %1</translation>
    </message>
    <message>
        <source>%1 while waiting for %2</source>
        <translation>%1, während auf %2 gewartet wurde</translation>
    </message>
    <message>
        <source>%1 in the middle of %2</source>
        <translation>%1, mitten in %2</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Die Verbindung wurde von der Gegenseite zurückgesetzt</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbindung verweigert</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Rechner nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid Character</source>
        <translation>Ungültiges Zeichen</translation>
    </message>
    <message>
        <source>Paragraph is too large</source>
        <translation>Der Absatz ist zu groß</translation>
    </message>
    <message>
        <source>%1; no token was sent.</source>
        <translation>%1; es wurde kein Token gesendet.</translation>
    </message>
    <message>
        <source>%1; the password was not sent.</source>
        <translation>%1; das Passwort wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>No OAuth2 sign-in is set up for this mailbox</source>
        <translation>Für dieses Postfach ist keine OAuth2-Anmeldung eingerichtet</translation>
    </message>
    <message>
        <source>the greeting</source>
        <translation>die Begrüßung</translation>
    </message>
    <message>
        <source>the reply to %1</source>
        <translation>die Antwort auf %1</translation>
    </message>
    <message>
        <source>An empty line</source>
        <translation>Eine leere Zeile</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2; %3)</source>
        <translation>%1 (%2; %3)</translation>
    </message>
    <message>
        <source>The server does not offer STARTTLS, which this mailbox requires</source>
        <translation>Der Server bietet kein STARTTLS an, das dieses Postfach verlangt</translation>
    </message>
    <message>
        <source>The server refused STARTTLS, which this mailbox requires: %1</source>
        <translation>Der Server hat STARTTLS verweigert, das dieses Postfach verlangt: %1</translation>
    </message>
    <message>
        <source>The server refused STARTTLS, which it offered: %1</source>
        <translation>Der Server hat STARTTLS verweigert, obwohl er es angeboten hat: %1</translation>
    </message>
    <message>
        <source>OAuth2 is only sent over an encrypted connection, and this one is not encrypted</source>
        <translation>OAuth2 wird nur über eine verschlüsselte Verbindung gesendet, und diese ist nicht verschlüsselt</translation>
    </message>
    <message>
        <source>The server does not offer OAuth2 sign-in (OAUTHBEARER or XOAUTH2)</source>
        <translation>Der Server bietet keine OAuth2-Anmeldung an (OAUTHBEARER oder XOAUTH2)</translation>
    </message>
    <message>
        <source>The server&apos;s reply to STAT gives no message count: %1</source>
        <translation>Die Antwort des Servers auf STAT nennt keine Anzahl der Nachrichten: %1</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered the deletion of message %1</source>
        <translation>Der Server hat die Verbindung geschlossen, bevor er das Löschen von Nachricht %1 beantwortet hat</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>The server&apos;s reply to LIST leaves out message %1</source>
        <translation>Die Antwort des Servers auf LIST lässt Nachricht %1 aus</translation>
    </message>
    <message>
        <source>The server does not offer TOP, which a check needs</source>
        <translation>Der Server bietet kein TOP an, das eine Prüfung braucht</translation>
    </message>
    <message>
        <source>The server&apos;s reply cannot be read (%1): %2</source>
        <translation>Die Antwort des Servers kann nicht gelesen werden (%1): %2</translation>
    </message>
    <message>
        <source>The server&apos;s reply is larger than %1 bytes</source>
        <translation>Die Antwort des Servers ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>The server ended the session (%1) while waiting for %2</source>
        <translation>Der Server hat die Sitzung beendet (%1), während auf %2 gewartet wurde</translation>
    </message>
    <message>
        <source>The server answered a command it was not sent: </source>
        <translation>Der Server hat auf einen Befehl geantwortet, der ihm nicht gesendet wurde: </translation>
    </message>
    <message>
        <source>The server asks for more of a command that is complete: </source>
        <translation>Der Server verlangt mehr von einem vollständigen Befehl: </translation>
    </message>
    <message>
        <source>The server&apos;s greeting is no IMAP greeting: </source>
        <translation>Die Begrüßung des Servers ist keine IMAP-Begrüßung: </translation>
    </message>
    <message>
        <source>The server signed in without STARTTLS, which this mailbox requires</source>
        <translation>Der Server hat ohne STARTTLS angemeldet, das dieses Postfach verlangt</translation>
    </message>
    <message>
        <source>The server does not accept a password on this connection (LOGINDISABLED)</source>
        <translation>Der Server nimmt auf dieser Verbindung kein Passwort an (LOGINDISABLED)</translation>
    </message>
    <message>
        <source>IDs are different: the folder %1 was made anew on the server since it was checked (its UIDVALIDITY changed), so nothing was changed there. Check the mailbox again.</source>
        <translation>Die IDs sind verschieden: Der Ordner %1 wurde seit der Prüfung auf dem Server neu angelegt (seine UIDVALIDITY hat sich geändert), daher wurde dort nichts geändert. Prüfen Sie das Postfach erneut.</translation>
    </message>
    <message>
        <source>Message %1 is no longer in %2 on the server. Check the mailbox again.</source>
        <translation>Nachricht %1 ist nicht mehr in %2 auf dem Server. Prüfen Sie das Postfach erneut.</translation>
    </message>
    <message>
        <source>The server refused to move messages into the folder %1: %2</source>
        <translation>Der Server hat verweigert, Nachrichten in den Ordner %1 zu verschieben: %2</translation>
    </message>
    <message>
        <source>The server refused to copy messages into the folder %1: %2</source>
        <translation>Der Server hat verweigert, Nachrichten in den Ordner %1 zu kopieren: %2</translation>
    </message>
    <message>
        <source>The server refused to flag messages as deleted: %1</source>
        <translation>Der Server hat verweigert, Nachrichten als gelöscht zu kennzeichnen: %1</translation>
    </message>
    <message>
        <source>The server did not expunge the messages flagged as deleted, so they stay in %1 until your mail program expunges it: %2</source>
        <translation>Der Server hat die als gelöscht gekennzeichneten Nachrichten nicht endgültig entfernt; sie bleiben daher in %1, bis Ihr E-Mail-Programm den Ordner bereinigt: %2</translation>
    </message>
    <message>
        <source>%1 message(s) were flagged as deleted, but stay in %2 until your mail program expunges it: this server cannot expunge single messages (it does not offer UIDPLUS), and %3 other message(s) there are flagged as deleted too, which expunging now would remove.</source>
        <translation>%1 Nachricht(en) wurden als gelöscht gekennzeichnet, bleiben aber in %2, bis Ihr E-Mail-Programm den Ordner bereinigt: Dieser Server kann keine einzelnen Nachrichten endgültig entfernen (er bietet kein UIDPLUS an), und %3 andere Nachricht(en) dort sind ebenfalls als gelöscht gekennzeichnet, die ein Bereinigen jetzt entfernen würde.</translation>
    </message>
    <message>
        <source>%1 message(s) were copied into the folder %2 and flagged as deleted, but stay in %3 until your mail program expunges it: this server cannot expunge single messages (it does not offer UIDPLUS), and %4 other message(s) there are flagged as deleted too, which expunging now would remove.</source>
        <translation>%1 Nachricht(en) wurden in den Ordner %2 kopiert und als gelöscht gekennzeichnet, bleiben aber in %3, bis Ihr E-Mail-Programm den Ordner bereinigt: Dieser Server kann keine einzelnen Nachrichten endgültig entfernen (er bietet kein UIDPLUS an), und %4 andere Nachricht(en) dort sind ebenfalls als gelöscht gekennzeichnet, die ein Bereinigen jetzt entfernen würde.</translation>
    </message>
    <message>
        <source>The folder checked, %1, is the Junk folder itself: choose another Junk folder or &quot;Delete&quot; as the spam action.</source>
        <translation>Der geprüfte Ordner %1 ist selbst der Junk-Ordner: Wählen Sie einen anderen Junk-Ordner oder „Löschen“ als Umgang mit Spam.</translation>
    </message>
    <message>
        <source>Malformed response: </source>
        <translation>Fehlerhafte Antwort: </translation>
    </message>
    <message>
        <source>Domain server Error #%1</source>
        <translation>Fehler Nr. %1 des Domain-Servers</translation>
    </message>
    <message>
        <source>No domain name to look up</source>
        <translation>Kein Domainname zum Nachschlagen</translation>
    </message>
    <message>
        <source>The domain name &quot;%1&quot; has an empty label</source>
        <translation>Der Domainname „%1“ hat einen leeren Namensteil</translation>
    </message>
    <message>
        <source>The domain name &quot;%1&quot; has a label longer than 63 bytes</source>
        <translation>Der Domainname „%1“ hat einen Namensteil, der länger als 63 Bytes ist</translation>
    </message>
    <message>
        <source>The domain name &quot;%1&quot; is longer than 255 bytes</source>
        <translation>Der Domainname „%1“ ist länger als 255 Bytes</translation>
    </message>
    <message>
        <source>The DNS server address &quot;%1&quot; is not a dotted IPv4 address</source>
        <translation>Die DNS-Server-Adresse „%1“ ist keine IPv4-Adresse in Punktschreibweise</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Error decoding the attachment</source>
        <translation>Fehler beim Dekodieren des Anhangs</translation>
    </message>
    <message>
        <source>Unable to retrieve headers</source>
        <translation>Die Kopfzeilen können nicht abgerufen werden</translation>
    </message>
    <message>
        <source>Cannot find boundary</source>
        <translation>Die Grenzzeile wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot find closing boundary</source>
        <translation>Die abschließende Grenzzeile wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Missing required field: Content-Type</source>
        <translation>Ein nötiges Feld fehlt: Content-Type</translation>
    </message>
    <message>
        <source>The connection %1 does not exist</source>
        <translation>Die Verbindung %1 existiert nicht</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>Spam catcher: click the red junk mail before it lands.
Leave the good mail alone (it costs %1 points).

Press Play.</source>
        <translation>Spamfänger: Klicken Sie die rote Werbepost an, bevor sie landet.
Lassen Sie die gute Post in Ruhe (sie kostet %1 Punkte).

Drücken Sie „Spielen“.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds left</comment>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>HeadlessSession</name>
    <message>
        <source>To trust this certificate for mailbox %1, check its fingerprint and run:</source>
        <translation>Um diesem Zertifikat für Postfach %1 zu vertrauen, prüfen Sie seinen Fingerabdruck und führen Sie aus:</translation>
    </message>
    <message>
        <source>mailbox %1 was not checked</source>
        <translation>Postfach %1 wurde nicht geprüft</translation>
    </message>
    <message>
        <source>quillmere-cli %1: --mailbox takes a slot number from 1 to 12</source>
        <translation>quillmere-cli %1: --mailbox nimmt eine Platznummer von 1 bis 12</translation>
    </message>
    <message>
        <source>delete</source>
        <comment>mark</comment>
        <translation>löschen</translation>
    </message>
    <message>
        <source>question</source>
        <comment>mark</comment>
        <translation>Frage</translation>
    </message>
    <message>
        <source>blacklist</source>
        <comment>mark</comment>
        <translation>Sperrliste</translation>
    </message>
    <message>
        <source>exception %1</source>
        <comment>mark</comment>
        <translation>Ausnahme %1</translation>
    </message>
    <message>
        <source>%1  %2  %3  (%4, %5 bytes, %6)</source>
        <translation>%1  %2  %3  (%4, %5 Bytes, %6)</translation>
    </message>
</context>
<context>
    <name>LearnedFilter</name>
    <message>
        <source>The learned database is not open</source>
        <translation>Die Datenbank des Gelernten ist nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>LearnedStore</name>
    <message>
        <source>The learned database %1 cannot be read (%2): it is left as it is, and nothing is learned or judged by it until it can be read or you forget everything learned</source>
        <translation>Die Datenbank des Gelernten %1 kann nicht gelesen werden (%2): Sie bleibt, wie sie ist, und nichts wird gelernt oder nach ihr beurteilt, bis sie gelesen werden kann oder Sie alles Gelernte vergessen</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>In %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is not open</source>
        <translation>%1 ist nicht geöffnet</translation>
    </message>
    <message>
        <source>Unable to write to %1: it cannot be removed</source>
        <translation>In %1 kann nicht geschrieben werden: Die Datei kann nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot write to file &quot;%1&quot;. %2</source>
        <translation>In die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Unable to open log file. </source>
        <translation>Die Protokolldatei kann nicht geöffnet werden. </translation>
    </message>
    <message>
        <source>If you answer Yes, you will lose any statistics related to this log file. Really clear out log file?</source>
        <translation>Wenn Sie mit Ja antworten, verlieren Sie alle Statistik zu dieser Protokolldatei. Protokolldatei wirklich leeren?</translation>
    </message>
</context>
<context>
    <name>LogReader</name>
    <message>
        <source>The activity log file does not exist!  Either you have cleared/deleted the activity log or you have not yet begun to use Quillmere.</source>
        <translation>Die Protokolldatei existiert nicht!  Entweder haben Sie das Protokoll geleert oder gelöscht, oder Sie haben Quillmere noch nicht benutzt.</translation>
    </message>
    <message>
        <source>Could not open Activity log file for reading!</source>
        <translation>Die Protokolldatei konnte nicht zum Lesen geöffnet werden!</translation>
    </message>
</context>
<context>
    <name>MailboxConfig</name>
    <message>
        <source>Warning: You will have to re-enter your passwords for all of your mailboxes!  Sorry for the inconvenience.</source>
        <translation>Warnung: Sie müssen die Passwörter all Ihrer Postfächer erneut eingeben!  Entschuldigen Sie die Unannehmlichkeiten.</translation>
    </message>
    <message>
        <source>Mailbox %1 has a server %2 but no mailbox</source>
        <translation>Postfach %1 hat einen Server %2, aber keinen Benutzernamen</translation>
    </message>
    <message>
        <source>Mailbox %1 %2 has a blank server</source>
        <translation>Postfach %1 %2 hat keinen Server</translation>
    </message>
    <message>
        <source>Mailbox %1 - the OAuth2 sign-in is incomplete. %2</source>
        <translation>Postfach %1 - die OAuth2-Anmeldung ist unvollständig. %2</translation>
    </message>
    <message>
        <source>Mailbox %1 - %2</source>
        <translation>Postfach %1 - %2</translation>
    </message>
    <message>
        <source>Mailbox %1 - OAuth2 is sent only over an encrypted connection: choose &quot;TLS&quot; or &quot;STARTTLS required&quot; as its security</source>
        <translation>Postfach %1 - OAuth2 wird nur über eine verschlüsselte Verbindung gesendet: Wählen Sie „TLS“ oder „STARTTLS erforderlich“ als seine Sicherheit</translation>
    </message>
    <message>
        <source>Mailbox %1 - there is no password set</source>
        <translation>Postfach %1 - es ist kein Passwort gesetzt</translation>
    </message>
</context>
<context>
    <name>MailboxSession</name>
    <message>
        <source>Mailbox %1 (%2): </source>
        <translation>Postfach %1 (%2): </translation>
    </message>
    <message>
        <source> Sign in again in the mailbox&apos;s details.</source>
        <translation> Melden Sie sich in den Details des Postfachs erneut an.</translation>
    </message>
    <message>
        <source>the mailbox has no OAuth2 sign-in yet.</source>
        <translation>Das Postfach hat noch keine OAuth2-Anmeldung.</translation>
    </message>
    <message>
        <source>the OAuth2 sign-in has expired or was withdrawn (%1).</source>
        <translation>Die OAuth2-Anmeldung ist abgelaufen oder wurde zurückgezogen (%1).</translation>
    </message>
    <message>
        <source>the OAuth2 sign-in was granted for %1, not for %2.</source>
        <translation>Die OAuth2-Anmeldung wurde für %1 erteilt, nicht für %2.</translation>
    </message>
    <message>
        <source>another scope</source>
        <translation>einen anderen Bereich</translation>
    </message>
    <message>
        <source>the OAuth2 access token has expired and the provider gave no refresh token.</source>
        <translation>Das OAuth2-Zugriffstoken ist abgelaufen, und der Anbieter hat kein Erneuerungstoken ausgegeben.</translation>
    </message>
    <message>
        <source>the OAuth2 token could not be renewed: </source>
        <translation>Das OAuth2-Token konnte nicht erneuert werden: </translation>
    </message>
    <message>
        <source>the OAuth2 provider did not answer in time.</source>
        <translation>Der OAuth2-Anbieter hat nicht rechtzeitig geantwortet.</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source>This desktop has no system tray, so Quillmere cannot hide there. Its main window stays on the screen instead; minimize it or close it to end the program.</source>
        <translation>Diese Arbeitsumgebung hat kein Benachrichtigungsfeld, daher kann sich Quillmere dort nicht verbergen. Das Hauptfenster bleibt stattdessen auf dem Bildschirm; minimieren Sie es, oder schließen Sie es, um das Programm zu beenden.</translation>
    </message>
    <message>
        <source>Message Total: %1 Number Marked: %2</source>
        <translation>Nachrichten insgesamt: %1, davon markiert: %2</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>Auf Wiedersehen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Quillmere - next e-mail check in %n minute</source>
        <translation>
            <numerusform>Quillmere - nächste Prüfung der Post in %n Minute</numerusform>
            <numerusform>Quillmere - nächste Prüfung der Post in %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quillmere - next e-mail check in %n minutes</source>
        <translation>
            <numerusform>Quillmere - nächste Prüfung der Post in %n Minute</numerusform>
            <numerusform>Quillmere - nächste Prüfung der Post in %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1) Mailbox %2 - Server %3</source>
        <translation>%1) Postfach %2 - Server %3</translation>
    </message>
    <message>
        <source>You need to enter your e-mail username in the settings.</source>
        <translation>Sie müssen in den Einstellungen Ihren E-Mail-Benutzernamen eingeben.</translation>
    </message>
    <message>
        <source>You need to enter the name of your mail server in the settings.</source>
        <translation>Sie müssen in den Einstellungen den Namen Ihres Mailservers eingeben.</translation>
    </message>
    <message>
        <source>Retrieving messages ... standby</source>
        <translation>Nachrichten werden abgerufen ... bitte warten</translation>
    </message>
    <message>
        <source>Trust this certificate and check again?</source>
        <translation>Diesem Zertifikat vertrauen und erneut prüfen?</translation>
    </message>
    <message>
        <source>Opening connection ... </source>
        <translation>Verbindung wird geöffnet ... </translation>
    </message>
    <message>
        <source>Opening connection for %1 on %2</source>
        <translation>Verbindung für %1 auf %2 wird geöffnet</translation>
    </message>
    <message>
        <source>Updating headers ... </source>
        <translation>Kopfzeilen werden aktualisiert ... </translation>
    </message>
    <message>
        <source>Updating headers</source>
        <translation>Kopfzeilen werden aktualisiert</translation>
    </message>
    <message numerus="yes">
        <source>Checking message %1 of %n total waiting messages</source>
        <translation>
            <numerusform>Nachricht %1 von insgesamt %n wartenden Nachricht wird geprüft</numerusform>
            <numerusform>Nachricht %1 von insgesamt %n wartenden Nachrichten wird geprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>Message %1 of %2</source>
        <translation>Nachricht %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n msg(s) for %1 on %2</source>
        <translation>
            <numerusform>%n Nachricht für %1 auf %2</numerusform>
            <numerusform>%n Nachrichten für %1 auf %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Transferring data ... </source>
        <translation>Daten werden übertragen ... </translation>
    </message>
    <message>
        <source>Transferring data</source>
        <translation>Daten werden übertragen</translation>
    </message>
    <message>
        <source>Data has been transfered</source>
        <translation>Die Daten wurden übertragen</translation>
    </message>
    <message>
        <source>Closing connection</source>
        <translation>Verbindung wird geschlossen</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Operation has been canceled</source>
        <translation>Der Vorgang wurde abgebrochen</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Lösche %1</translation>
    </message>
    <message>
        <source>Deleting %1 %2</source>
        <translation>Lösche %1 %2</translation>
    </message>
    <message>
        <source>The server refused to delete %1 %2</source>
        <translation>Der Server hat verweigert, %1 %2 zu löschen</translation>
    </message>
    <message>
        <source>Retrieving ... </source>
        <translation>Wird abgerufen ... </translation>
    </message>
    <message>
        <source>Retrieving %1</source>
        <translation>Rufe %1 ab</translation>
    </message>
    <message>
        <source>Message %1 retrieved</source>
        <translation>Nachricht %1 abgerufen</translation>
    </message>
    <message>
        <source>Quillmere - No waiting messages found</source>
        <translation>Quillmere - Keine wartenden Nachrichten gefunden</translation>
    </message>
    <message>
        <source>Quillmere - Now checking e-mail for %1</source>
        <translation>Quillmere - Post für %1 wird jetzt geprüft</translation>
    </message>
    <message numerus="yes">
        <source>Quillmere - MailBox %1 - %n messages</source>
        <translation>
            <numerusform>Quillmere - Postfach %1 - %n Nachricht</numerusform>
            <numerusform>Quillmere - Postfach %1 - %n Nachrichten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Learned %n message(s) as spam and %1 as not spam</source>
        <translation>
            <numerusform>%n Nachricht als Spam und %1 als kein Spam gelernt</numerusform>
            <numerusform>%n Nachrichten als Spam und %1 als kein Spam gelernt</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the messages matched any of the spam criteria.</source>
        <translation>Keine der Nachrichten traf auf eines der Spam-Kriterien zu.</translation>
    </message>
    <message>
        <source>There were no messages marked to delete!</source>
        <translation>Es waren keine Nachrichten zum Löschen markiert!</translation>
    </message>
    <message numerus="yes">
        <source>Really move %n messages into the Junk folder?</source>
        <translation>
            <numerusform>Wirklich %n Nachricht in den Junk-Ordner verschieben?</numerusform>
            <numerusform>Wirklich %n Nachrichten in den Junk-Ordner verschieben?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Really delete %n messages from server?</source>
        <translation>
            <numerusform>Wirklich %n Nachricht vom Server löschen?</numerusform>
            <numerusform>Wirklich %n Nachrichten vom Server löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting messages ... standby</source>
        <translation>Nachrichten werden gelöscht ... bitte warten</translation>
    </message>
    <message numerus="yes">
        <source>There were %n messages deleted</source>
        <translation>
            <numerusform>Es wurde %n Nachricht gelöscht</numerusform>
            <numerusform>Es wurden %n Nachrichten gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spams deleted</source>
        <translation>
            <numerusform>%n Spam gelöscht</numerusform>
            <numerusform>%n Spams gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server refused to move %1 of the %n marked messages; they are still on the server.</source>
        <translation>
            <numerusform>Der Server hat verweigert, %1 der %n markierten Nachricht zu verschieben; sie ist noch auf dem Server.</numerusform>
            <numerusform>Der Server hat verweigert, %1 der %n markierten Nachrichten zu verschieben; sie sind noch auf dem Server.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The server refused to delete %1 of the %n marked messages; they are still on the server.</source>
        <translation>
            <numerusform>Der Server hat verweigert, %1 der %n markierten Nachricht zu löschen; sie ist noch auf dem Server.</numerusform>
            <numerusform>Der Server hat verweigert, %1 der %n markierten Nachrichten zu löschen; sie sind noch auf dem Server.</numerusform>
        </translation>
    </message>
    <message>
        <source>You have selected more than one message to view.  Only one message can be viewed at one time.  The first one selected will be displayed.</source>
        <translation>Sie haben mehr als eine Nachricht zum Ansehen ausgewählt.  Es kann immer nur eine Nachricht angesehen werden.  Die erste ausgewählte wird angezeigt.</translation>
    </message>
    <message>
        <source>No messages were selected.  To select one message click on a subject.  To select multiple messages drag the mouse over the list of desired subjects.</source>
        <translation>Es wurden keine Nachrichten ausgewählt.  Um eine Nachricht auszuwählen, klicken Sie auf einen Betreff.  Um mehrere Nachrichten auszuwählen, ziehen Sie die Maus über die Liste der gewünschten Betreffs.</translation>
    </message>
    <message>
        <source>Either there are no e-mail messages waiting on the mail server or you have not yet clicked on the &quot;Check E-Mail&quot; button.</source>
        <translation>Entweder warten keine E-Mails auf dem Mailserver, oder Sie haben noch nicht auf die Schaltfläche „Post prüfen“ geklickt.</translation>
    </message>
    <message>
        <source>Mail program not specified in the general settings. </source>
        <translation>In den allgemeinen Einstellungen ist kein E-Mail-Programm angegeben. </translation>
    </message>
    <message>
        <source>Unable to launch mail program. </source>
        <translation>Das E-Mail-Programm kann nicht gestartet werden. </translation>
    </message>
    <message>
        <source>Message from %1</source>
        <translation>Nachricht von %1</translation>
    </message>
    <message>
        <source>Subject of   %1</source>
        <translation>Betreff:     %1</translation>
    </message>
    <message>
        <source>Message was neither on the exception list nor on the list of matching criteria</source>
        <translation>Die Nachricht stand weder in den Ausnahmen noch in der Liste der zutreffenden Kriterien</translation>
    </message>
    <message>
        <source>** You marked this message **</source>
        <translation>** Sie haben diese Nachricht markiert **</translation>
    </message>
    <message>
        <source>** You un-marked this message **</source>
        <translation>** Sie haben die Markierung dieser Nachricht entfernt **</translation>
    </message>
    <message>
        <source>Subject : %1 Sender : %2</source>
        <translation>Betreff : %1 Absender : %2</translation>
    </message>
    <message>
        <source>The message you have selected to view is quite large - %1 bytes. Are you sure you wish to download and view it?</source>
        <translation>Die Nachricht, die Sie ansehen möchten, ist recht groß - %1 Bytes. Möchten Sie sie wirklich herunterladen und ansehen?</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to open help file - %1.</source>
        <translation>Die Hilfedatei kann nicht geöffnet werden - %1.</translation>
    </message>
    <message>
        <source>Unable to open log file. </source>
        <translation>Die Protokolldatei kann nicht geöffnet werden. </translation>
    </message>
</context>
<context>
    <name>MainViewState</name>
    <message>
        <source>Quillmere (right click)</source>
        <translation>Quillmere (Rechtsklick)</translation>
    </message>
    <message>
        <source>Right click for more options, double click to mark</source>
        <translation>Rechtsklick: Optionen, Doppelklick: markieren</translation>
    </message>
    <message>
        <source>Click &quot;Check e-mail&quot; to look at your mailbox</source>
        <translation>„Post prüfen“ zeigt Ihr Postfach</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>Auf Wiedersehen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>MessageFiles</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: no such file or folder</source>
        <translation>%1 kann nicht gelesen werden: Datei oder Ordner gibt es nicht</translation>
    </message>
</context>
<context>
    <name>MessageListModel</name>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>OAuth2Settings</name>
    <message>
        <source>Enter the client ID of the application you registered with your provider.</source>
        <translation>Geben Sie die Client-ID der Anwendung ein, die Sie bei Ihrem Anbieter registriert haben.</translation>
    </message>
    <message>
        <source>Enter the client ID of the application you registered with %1.</source>
        <translation>Geben Sie die Client-ID der Anwendung ein, die Sie bei %1 registriert haben.</translation>
    </message>
    <message>
        <source>Enter the provider&apos;s authorization and token addresses.</source>
        <translation>Geben Sie die Autorisierungs- und die Token-Adresse des Anbieters ein.</translation>
    </message>
    <message>
        <source>Enter the client secret %1 gave your application.</source>
        <translation>Geben Sie das Client-Geheimnis ein, das %1 Ihrer Anwendung gegeben hat.</translation>
    </message>
    <message>
        <source>The token address %1 is not an https address: the sign-in goes only over https (or plain http to this computer&apos;s loopback address).</source>
        <translation>Die Token-Adresse %1 ist keine https-Adresse: Die Anmeldung läuft nur über https (oder einfaches http zur Loopback-Adresse dieses Computers).</translation>
    </message>
    <message>
        <source>The authorization address %1 is not an https address: the sign-in goes only over https (or plain http to this computer&apos;s loopback address).</source>
        <translation>Die Autorisierungsadresse %1 ist keine https-Adresse: Die Anmeldung läuft nur über https (oder einfaches http zur Loopback-Adresse dieses Computers).</translation>
    </message>
</context>
<context>
    <name>OAuth2SignIn</name>
    <message>
        <source>The token request failed: %1</source>
        <translation>Die Token-Anfrage ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The provider&apos;s answer holds no access token.</source>
        <translation>Die Antwort des Anbieters enthält kein Zugriffstoken.</translation>
    </message>
    <message>
        <source>The sign-in has ended.</source>
        <translation>Die Anmeldung ist beendet.</translation>
    </message>
    <message>
        <source>The sign-in has already started.</source>
        <translation>Die Anmeldung hat bereits begonnen.</translation>
    </message>
    <message>
        <source>No local port for the sign-in&apos;s redirect: 127.0.0.1:%1 is not free.</source>
        <translation>Kein lokaler Port für die Weiterleitung der Anmeldung: 127.0.0.1:%1 ist nicht frei.</translation>
    </message>
    <message>
        <source>You are signed in. You may close this window.</source>
        <translation>Sie sind angemeldet. Sie können dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>The sign-in failed: %1</source>
        <translation>Die Anmeldung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The redirect does not belong to this sign-in (its state differs).</source>
        <translation>Die Weiterleitung gehört nicht zu dieser Anmeldung (ihr Status weicht ab).</translation>
    </message>
    <message>
        <source>The redirect carries no authorization code.</source>
        <translation>Die Weiterleitung enthält keinen Autorisierungscode.</translation>
    </message>
    <message>
        <source>The address holds no answer of the provider.</source>
        <translation>Die Adresse enthält keine Antwort des Anbieters.</translation>
    </message>
    <message>
        <source>The sign-in has not started.</source>
        <translation>Die Anmeldung hat nicht begonnen.</translation>
    </message>
    <message>
        <source>There is no refresh token; sign in again.</source>
        <translation>Es gibt kein Erneuerungstoken; melden Sie sich erneut an.</translation>
    </message>
</context>
<context>
    <name>ProfileLock</name>
    <message>
        <source>Quillmere is already running for this profile</source>
        <translation>Quillmere läuft bereits für dieses Profil</translation>
    </message>
</context>
<context>
    <name>RuleEdits</name>
    <message>
        <source>The subject text cannot be blank</source>
        <translation>Der Betrefftext darf nicht leer sein</translation>
    </message>
    <message>
        <source>The header text cannot be blank</source>
        <translation>Der Kopfzeilentext darf nicht leer sein</translation>
    </message>
    <message>
        <source>The TO field cannot be blank</source>
        <translation>Das TO-Feld darf nicht leer sein</translation>
    </message>
    <message>
        <source>The email line cannot be blank</source>
        <translation>Die E-Mail-Zeile darf nicht leer sein</translation>
    </message>
    <message>
        <source>The domain line cannot be blank</source>
        <translation>Die Domain-Zeile darf nicht leer sein</translation>
    </message>
    <message>
        <source>The subject line cannot be blank</source>
        <translation>Die Betreffzeile darf nicht leer sein</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Enthält</translation>
    </message>
    <message>
        <source>Contains (whole word)</source>
        <translation>Enthält (ganzes Wort)</translation>
    </message>
    <message>
        <source>Equals (exact match)</source>
        <translation>Ist gleich (genaue Übereinstimmung)</translation>
    </message>
    <message>
        <source>Starts with</source>
        <translation>Beginnt mit</translation>
    </message>
    <message>
        <source>Ends with</source>
        <translation>Endet mit</translation>
    </message>
    <message>
        <source>Is blank or empty</source>
        <translation>Ist leer</translation>
    </message>
    <message>
        <source>Is all UPPERCASE</source>
        <translation>Ist ganz in GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>Is ALL numeric</source>
        <translation>Besteht NUR aus Ziffern</translation>
    </message>
    <message>
        <source>Is at least 1/2 numeric</source>
        <translation>Besteht mindestens zur Hälfte aus Ziffern</translation>
    </message>
    <message>
        <source>Starts with a number</source>
        <translation>Beginnt mit einer Ziffer</translation>
    </message>
    <message>
        <source>%1) %2 - server %3</source>
        <translation>%1) %2 – Server %3</translation>
    </message>
</context>
<context>
    <name>RuleFile</name>
    <message>
        <source>File contains no data or corrupt file %1</source>
        <translation>Die Datei enthält keine Daten, oder die Datei %1 ist beschädigt</translation>
    </message>
    <message>
        <source>File %1 not found</source>
        <translation>Die Datei %1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>RulePrinter</name>
    <message>
        <source>Quillmere - Subject Line Settings</source>
        <translation>Quillmere - Einstellungen für den Betreff</translation>
    </message>
    <message>
        <source>Quillmere - Email Header Settings</source>
        <translation>Quillmere - Einstellungen für die Kopfzeilen</translation>
    </message>
    <message>
        <source>Quillmere - Sender Settings</source>
        <translation>Quillmere - Einstellungen für den Absender</translation>
    </message>
    <message>
        <source>Quillmere - List of Exceptions </source>
        <translation>Quillmere - Liste der Ausnahmen</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>RuleWords</name>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Groß/klein</translation>
    </message>
    <message>
        <source>Case?</source>
        <translation>Groß/klein?</translation>
    </message>
    <message>
        <source>Del?</source>
        <translation>Löschen?</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Enthält</translation>
    </message>
    <message>
        <source>Contains (whole word)</source>
        <translation>Enthält (ganzes Wort)</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Ist gleich</translation>
    </message>
    <message>
        <source>Starts with</source>
        <translation>Beginnt mit</translation>
    </message>
    <message>
        <source>Ends with</source>
        <translation>Endet mit</translation>
    </message>
    <message>
        <source>Is blank</source>
        <translation>Ist leer</translation>
    </message>
    <message>
        <source>Is UPPERCASE</source>
        <translation>In GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>All numeric</source>
        <translation>Nur Ziffern</translation>
    </message>
    <message>
        <source>50% numeric</source>
        <translation>50 % Ziffern</translation>
    </message>
    <message>
        <source>First char numeric</source>
        <translation>Beginnt mit Ziffer</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>To does not contain</source>
        <translation>„To“ enthält nicht</translation>
    </message>
    <message>
        <source>does not match Reply-to</source>
        <translation>ungleich „Reply-To“</translation>
    </message>
    <message>
        <source>equals To field</source>
        <translation>gleich Feld „To“</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Domainname</translation>
    </message>
    <message>
        <source>Any Header</source>
        <translation>Beliebige Kopfzeile</translation>
    </message>
    <message>
        <source> - MailBox #</source>
        <translation> - Postfach #</translation>
    </message>
</context>
<context>
    <name>SecretStore</name>
    <message>
        <source>The desktop keyring is locked, so %1 could not be read; unlock it and check again</source>
        <translation>Der Schlüsselbund der Arbeitsumgebung ist gesperrt, daher konnte %1 nicht gelesen werden; entsperren Sie ihn, und prüfen Sie erneut</translation>
    </message>
    <message>
        <source>the secret &quot;%1&quot;</source>
        <translation>das Geheimnis „%1“</translation>
    </message>
    <message>
        <source>the password of mailbox %1</source>
        <translation>das Passwort von Postfach %1</translation>
    </message>
    <message>
        <source>the sign-in tokens of mailbox %1</source>
        <translation>die Anmeldetokens von Postfach %1</translation>
    </message>
    <message>
        <source>the client secret of mailbox %1</source>
        <translation>das Client-Geheimnis von Postfach %1</translation>
    </message>
    <message>
        <source>The desktop keyring could not read %1: %2</source>
        <translation>Der Schlüsselbund der Arbeitsumgebung konnte %1 nicht lesen: %2</translation>
    </message>
    <message>
        <source>The desktop keyring could not store %1: %2</source>
        <translation>Der Schlüsselbund der Arbeitsumgebung konnte %1 nicht speichern: %2</translation>
    </message>
    <message>
        <source>The desktop keyring could not remove %1: %2</source>
        <translation>Der Schlüsselbund der Arbeitsumgebung konnte %1 nicht entfernen: %2</translation>
    </message>
    <message>
        <source>it did not answer in time</source>
        <translation>er hat nicht rechtzeitig geantwortet</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Failed to create key %1 [%2]</source>
        <translation>Der Schlüssel %1 [%2] konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Die Daten für „%1“ konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Unable to write to %1: it cannot be read (%2), so it is left as it is</source>
        <translation>In %1 kann nicht geschrieben werden: Die Datei kann nicht gelesen werden (%2), daher bleibt sie, wie sie ist</translation>
    </message>
</context>
<context>
    <name>SpamSettings</name>
    <message>
        <source>Line %1 of %2 is neither a column width nor a cell: the file is left as it is until the spam settings are confirmed</source>
        <translation>Zeile %1 von %2 ist weder eine Spaltenbreite noch eine Zelle: Die Datei bleibt, wie sie ist, bis die Spam-Einstellungen bestätigt werden</translation>
    </message>
    <message>
        <source>The rules added to %1 are not saved: the file could not be read, so it is left as it is until the spam settings are confirmed</source>
        <translation>Die zu %1 hinzugefügten Regeln sind nicht gespeichert: Die Datei konnte nicht gelesen werden und bleibt daher, wie sie ist, bis die Spam-Einstellungen bestätigt werden</translation>
    </message>
</context>
<context>
    <name>StringCipher</name>
    <message>
        <source>An enciphered password is not hexadecimal text</source>
        <translation>Ein verschlüsseltes Passwort ist kein Hexadezimaltext</translation>
    </message>
</context>
<context>
    <name>TMailAddressDlg</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>TablePrinter</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>TagRas</name>
    <message>
        <source>Initializing...</source>
        <translation>Initialisieren ...</translation>
    </message>
    <message>
        <source>Dialing...</source>
        <translation>Wählen ...</translation>
    </message>
    <message>
        <source>Verifying user name and password</source>
        <translation>Benutzername und Passwort werden geprüft</translation>
    </message>
    <message>
        <source>User name and password verified</source>
        <translation>Benutzername und Passwort geprüft</translation>
    </message>
    <message>
        <source>Logging on to Network</source>
        <translation>Anmeldung am Netzwerk</translation>
    </message>
    <message>
        <source>Successfully connected</source>
        <translation>Verbindung hergestellt</translation>
    </message>
    <message>
        <source>The connection failed for an unknown reason</source>
        <translation>Die Verbindung ist aus unbekanntem Grund fehlgeschlagen</translation>
    </message>
    <message>
        <source>The connection was ended</source>
        <translation>Die Verbindung wurde beendet</translation>
    </message>
    <message>
        <source>The connection was ended by the user</source>
        <translation>Die Verbindung wurde vom Benutzer beendet</translation>
    </message>
    <message>
        <source>The device of the connection was disconnected</source>
        <translation>Das Gerät der Verbindung wurde getrennt</translation>
    </message>
    <message>
        <source>The service that provides the connection stopped</source>
        <translation>Der Dienst, der die Verbindung bereitstellt, wurde beendet</translation>
    </message>
    <message>
        <source>The connection got no valid IP configuration</source>
        <translation>Die Verbindung hat keine gültige IP-Konfiguration erhalten</translation>
    </message>
    <message>
        <source>The connection attempt timed out</source>
        <translation>Beim Verbindungsversuch ist die Zeit überschritten worden</translation>
    </message>
    <message>
        <source>The service that provides the connection did not start in time</source>
        <translation>Der Dienst, der die Verbindung bereitstellt, ist nicht rechtzeitig gestartet</translation>
    </message>
    <message>
        <source>The service that provides the connection failed to start</source>
        <translation>Der Dienst, der die Verbindung bereitstellt, konnte nicht starten</translation>
    </message>
    <message>
        <source>The password or other secrets of the connection were not given</source>
        <translation>Das Passwort oder andere Geheimnisse der Verbindung wurden nicht angegeben</translation>
    </message>
    <message>
        <source>Login failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The connection was removed</source>
        <translation>Die Verbindung wurde entfernt</translation>
    </message>
    <message>
        <source>A connection this one depends on failed</source>
        <translation>Eine Verbindung, von der diese abhängt, ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The device of the connection could not be set up</source>
        <translation>Das Gerät der Verbindung konnte nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>The device of the connection was removed</source>
        <translation>Das Gerät der Verbindung wurde entfernt</translation>
    </message>
    <message>
        <source>TagRas component was unable to detect
RAS on your system.</source>
        <translation>Auf diesem System wurde keine Unterstützung
für Wählverbindungen gefunden.</translation>
    </message>
    <message>
        <source>This property can be set only before
establishing the connection</source>
        <translation>Diese Einstellung lässt sich nur vor dem
Aufbau der Verbindung ändern</translation>
    </message>
    <message>
        <source>Invalid service name</source>
        <translation>Ungültiger Verbindungsname</translation>
    </message>
    <message>
        <source>RAS error no %1</source>
        <translation>Fehler Nr. %1 der Wählverbindung</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Quillmere</source>
        <translation>Über Quillmere</translation>
    </message>
    <message>
        <source>Version %1&lt;br&gt;A mail pre-filter for POP3 mailboxes: it reads only the headers of waiting mail, marks junk by your rules and deletes it on the server before your mail program downloads it.&lt;br&gt;&lt;br&gt;The Quillmere project. Built with Qt %2.&lt;br&gt;&lt;br&gt;&lt;b&gt;Help&lt;/b&gt; in the Settings panel or the tray menu opens the manual in your browser. &lt;code&gt;quillmere-cli --help&lt;/code&gt; lists what the command line companion does.</source>
        <translation>Version %1&lt;br&gt;Ein E-Mail-Vorfilter für POP3-Postfächer: Er liest nur die Kopfzeilen wartender Post, markiert Spam nach Ihren Regeln und löscht ihn auf dem Server, bevor Ihr E-Mail-Programm ihn herunterlädt.&lt;br&gt;&lt;br&gt;Das Projekt Quillmere. Erstellt mit Qt %2.&lt;br&gt;&lt;br&gt;&lt;b&gt;Hilfe&lt;/b&gt; unter „Einstellungen“ oder im Menü des Benachrichtigungsfelds öffnet das Handbuch (auf Englisch) in Ihrem Browser. &lt;code&gt;quillmere-cli --help&lt;/code&gt; zeigt, was das Befehlszeilenprogramm kann.</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Best: %1</source>
        <translation>Bestwert: %1</translation>
    </message>
    <message>
        <source>Score: %1 - round over</source>
        <translation>Punkte: %1 – Runde vorbei</translation>
    </message>
</context>
<context>
    <name>TfrmAlwaysAccept</name>
    <message>
        <source>Accept e-mail from</source>
        <translation>E-Mail annehmen von</translation>
    </message>
    <message>
        <source>The explicit e-mail address is:</source>
        <translation>Die E-Mail-Adresse lautet genau:</translation>
    </message>
    <message>
        <source>Type in an e-mail address (jane.doe@example.com)</source>
        <translation>Geben Sie eine E-Mail-Adresse ein (erika.muster@example.com)</translation>
    </message>
    <message>
        <source>&amp;Address...</source>
        <translation>&amp;Adresse...</translation>
    </message>
    <message>
        <source>Take the address out of a name and address</source>
        <translation>Die Adresse aus Name und Adresse herauslösen</translation>
    </message>
    <message>
        <source>The domain name is:</source>
        <translation>Der Domainname lautet:</translation>
    </message>
    <message>
        <source>The domain is the part after the &apos;@&apos; symbol</source>
        <translation>Die Domain ist der Teil nach dem Zeichen „@“</translation>
    </message>
    <message>
        <source>When the</source>
        <translation>Wenn die Zeile</translation>
    </message>
    <message>
        <source>&amp;Check if case matters (upper/lower)</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>Always accept e-mail when:</source>
        <translation>E-Mail immer annehmen, wenn:</translation>
    </message>
    <message>
        <source>Select an image to easily associate an incoming e-mail from a friend or mailing list.</source>
        <translation>Wählen Sie ein Bild, an dem Sie eingehende E-Mail von Freunden oder einer Mailingliste leicht erkennen.</translation>
    </message>
</context>
<context>
    <name>TfrmChart</name>
    <message>
        <source>E-mail Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Number Found</source>
        <translation>Anzahl gefunden</translation>
    </message>
    <message>
        <source>Number Deleted</source>
        <translation>Anzahl gelöscht</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Chart of Activity</source>
        <translation>Diagramm der Aktivität</translation>
    </message>
    <message>
        <source>All Mailboxes</source>
        <translation>Alle Postfächer</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Hour of day</source>
        <translation>Tageszeit</translation>
    </message>
    <message>
        <source>Day by day</source>
        <translation>Tag für Tag</translation>
    </message>
    <message>
        <source>% Deleted</source>
        <translation>% gelöscht</translation>
    </message>
    <message>
        <source>Top 10 Spam Domains</source>
        <translation>Top 10 Spam-Domains</translation>
    </message>
    <message>
        <source>Top 10 Spammers</source>
        <translation>Top 10 Spam-Absender</translation>
    </message>
    <message>
        <source>Email traffic</source>
        <translation>E-Mail-Verkehr</translation>
    </message>
    <message>
        <source>Spam Deleted</source>
        <translation>Gelöschter Spam</translation>
    </message>
    <message>
        <source>&amp;Select :</source>
        <translation>&amp;Auswahl:</translation>
    </message>
    <message>
        <source>Redraw</source>
        <translation>Neu zeichnen</translation>
    </message>
    <message>
        <source>Click here after changing the mailbox to view</source>
        <translation>Hier klicken, nachdem Sie ein anderes Postfach gewählt haben</translation>
    </message>
    <message>
        <source>Date Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Save this chart as a PNG or SVG picture</source>
        <translation>Dieses Diagramm als PNG- oder SVG-Bild speichern</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Hints on graph scroll/zoom</source>
        <translation>Tipps zum Verschieben und Zoomen des Diagramms</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Return to Quillmere</source>
        <translation>Zurück zu Quillmere</translation>
    </message>
    <message>
        <source>Depth of the chart</source>
        <translation>Tiefe des Diagramms</translation>
    </message>
    <message>
        <source>Line &amp;depth:</source>
        <translation>Linien&amp;tiefe:</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Gefunden</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Checked</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Normal E-mail</source>
        <translation>Normale E-Mail</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Graph Zoom/Navigation Hints</source>
        <translation>Tipps zum Zoomen und Verschieben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Left click and drag mouse from upper left to lower right to zoom</source>
        <translation>Zum Zoomen mit der linken Maustaste von links oben nach rechts unten ziehen</translation>
    </message>
    <message>
        <source>Right click and drag mouse to move graph</source>
        <translation>Zum Verschieben mit der rechten Maustaste ziehen</translation>
    </message>
    <message>
        <source>Left click and drag mouse from lower right to upper left to reset</source>
        <translation>Zum Zurücksetzen mit der linken Maustaste von rechts unten nach links oben ziehen</translation>
    </message>
    <message>
        <source>E-mail traffic</source>
        <translation>E-Mail-Verkehr</translation>
    </message>
    <message>
        <source>Deleted Spam</source>
        <translation>Gelöschter Spam</translation>
    </message>
    <message>
        <source>Save chart as picture</source>
        <translation>Diagramm als Bild speichern</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Could not save the picture to %1.</source>
        <translation>Das Bild konnte nicht unter %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>TfrmChartMain</name>
    <message>
        <source>Activity Log Statistics for Quillmere</source>
        <translation>Statistik des Protokolls von Quillmere</translation>
    </message>
    <message>
        <source>Quillmere Activity Statistics</source>
        <translation>Quillmere-Statistik</translation>
    </message>
    <message>
        <source>Open existing activity log:</source>
        <translation>Vorhandenes Protokoll öffnen:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Choose the activity log file</source>
        <translation>Die Protokolldatei wählen</translation>
    </message>
    <message>
        <source>Location of Quillmere activity log file</source>
        <translation>Ort der Protokolldatei von Quillmere</translation>
    </message>
    <message>
        <source>Activity log files (*.txt);;All files (*)</source>
        <translation>Protokolldateien (*.txt);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>TfrmGeneral</name>
    <message>
        <source>General settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Mailboxes</source>
        <translation>Postfächer</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatik</translation>
    </message>
    <message>
        <source>Start Up</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Activity Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Mail program</source>
        <translation>E-Mail-Programm</translation>
    </message>
    <message>
        <source>You need the name of your POP server, your user name on it and your password. Your Internet provider can tell you all three.</source>
        <translation>Sie brauchen den Namen Ihres POP-Servers, Ihren Benutzernamen dort und Ihr Passwort. Alle drei erfahren Sie von Ihrem Internetanbieter.</translation>
    </message>
    <message>
        <source>POP Server</source>
        <translation>POP-Server</translation>
    </message>
    <message>
        <source>User Name/Mailbox</source>
        <translation>Benutzername/Postfach</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Mailbox %1</source>
        <translation>Postfach %1</translation>
    </message>
    <message>
        <source>Details...</source>
        <translation>Details...</translation>
    </message>
    <message>
        <source>Security, sign-in and trusted certificate of the chosen mailbox</source>
        <translation>Sicherheit, Anmeldung und vertrautes Zertifikat des gewählten Postfachs</translation>
    </message>
    <message>
        <source>Specify a default connection to the internet:</source>
        <translation>Standardverbindung ins Internet:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Select &apos;none&apos; if you do not dial in to the internet.</source>
        <translation>Wählen Sie „Keine“, wenn Sie keine Wählverbindung ins Internet nutzen.</translation>
    </message>
    <message>
        <source>Quillmere can run unattended and may delete e-mail without confirmation.</source>
        <translation>Quillmere kann unbeaufsichtigt laufen und E-Mail ohne Rückfrage löschen.</translation>
    </message>
    <message>
        <source>Check e-mail manually</source>
        <translation>Post von Hand prüfen</translation>
    </message>
    <message>
        <source>Check e-mail unattended or automatically</source>
        <translation>Post unbeaufsichtigt oder automatisch prüfen</translation>
    </message>
    <message>
        <source>These options only apply if checking e-mail manually.  They do not apply when e-mail is checked automatically.</source>
        <translation>Diese Optionen gelten nur, wenn Sie die Post von Hand prüfen, nicht bei der automatischen Prüfung.</translation>
    </message>
    <message>
        <source>When deleting messages interactively, ask for confirmation</source>
        <translation>Vor dem Löschen von Nachrichten von Hand nachfragen</translation>
    </message>
    <message>
        <source>After deleting spam, launch e-mail program if there is e-mail to read</source>
        <translation>Nach dem Löschen von Spam das E-Mail-Programm starten, wenn E-Mail zu lesen ist</translation>
    </message>
    <message>
        <source>If no mail is on the server, exit after checking e-mail</source>
        <translation>Nach der Prüfung beenden, wenn keine Post auf dem Server liegt</translation>
    </message>
    <message>
        <source>Check for mail every </source>
        <translation>Post prüfen alle </translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Delete spam automatically from all mailboxes - no confirmation?</source>
        <translation>Spam automatisch aus allen Postfächern löschen – ohne Rückfrage?</translation>
    </message>
    <message>
        <source>&amp;Play this sound file if there is e-mail on the server</source>
        <translation>Diese &amp;Tondatei abspielen, wenn Post auf dem Server liegt</translation>
    </message>
    <message>
        <source>Sound files</source>
        <translation>Tondateien</translation>
    </message>
    <message>
        <source>Sound files (*.wav);;All files (*)</source>
        <translation>Tondateien (*.wav);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Repeat the alarm until keypress or mouse click?</source>
        <translation>Signal bis zu Tastendruck oder Mausklick wiederholen?</translation>
    </message>
    <message>
        <source>If this option is checked, the next time you start up Quillmere, it will not display the main screen.  It instead will start up in the system tray of your desktop&apos;s panel.</source>
        <translation>Ist diese Option gewählt, zeigt Quillmere beim nächsten Start nicht das Hauptfenster, sondern startet im Benachrichtigungsfeld der Leiste Ihres Desktops.</translation>
    </message>
    <message>
        <source>Use this option if you are automatically checking new e-mail in the background.  Changes will not take effect until the next time you launch Quillmere.</source>
        <translation>Nutzen Sie diese Option, wenn Sie neue E-Mail automatisch im Hintergrund prüfen. Änderungen wirken erst beim nächsten Start von Quillmere.</translation>
    </message>
    <message>
        <source>To start from the system tray, right click on the small icon representing Quillmere.</source>
        <translation>Um aus dem Benachrichtigungsfeld zu starten, klicken Sie mit der rechten Maustaste auf das kleine Symbol von Quillmere.</translation>
    </message>
    <message>
        <source>Start Quillmere up in the system tray?</source>
        <translation>Quillmere im Benachrichtigungsfeld starten?</translation>
    </message>
    <message>
        <source>Start Quillmere when I log in to the desktop</source>
        <translation>Quillmere bei der Anmeldung am Desktop starten</translation>
    </message>
    <message>
        <source>Store results in activity log file:</source>
        <translation>Ergebnisse in dieser Protokolldatei speichern:</translation>
    </message>
    <message>
        <source>Browse for log file</source>
        <translation>Protokolldatei suchen</translation>
    </message>
    <message>
        <source>Activity log file</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;View log file</source>
        <translation>Protokolldatei &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Clear log file</source>
        <translation>Protokolldatei &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Use the name of the log file AS IS (no changes)?</source>
        <translation>Namen der Protokolldatei &amp;unverändert verwenden?</translation>
    </message>
    <message>
        <source>Automatically pick a new name every &amp;month? (i.e. Jan98.txt, Feb98.txt, ...)</source>
        <translation>Jeden &amp;Monat automatisch einen neuen Namen wählen? (z. B. Jan98.txt, Feb98.txt, ...)</translation>
    </message>
    <message>
        <source>Automatically pick a new name every &amp;quarter? (Q1_98.txt, Q2_98.txt, ...)</source>
        <translation>Jedes &amp;Quartal automatisch einen neuen Namen wählen? (Q1_98.txt, Q2_98.txt, ...)</translation>
    </message>
    <message>
        <source>Spams have been deleted up till now</source>
        <translation>Spam-Nachrichten wurden bisher gelöscht</translation>
    </message>
    <message>
        <source>&amp;Reset counter</source>
        <translation>Zähler &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>View &amp;Statistics</source>
        <translation>&amp;Statistik anzeigen</translation>
    </message>
    <message>
        <source>Mail program path/name:</source>
        <translation>Pfad/Name des E-Mail-Programms:</translation>
    </message>
    <message>
        <source>Find mail program</source>
        <translation>E-Mail-Programm suchen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Quillmere does not support AOL or Compuserve mail.  Sorry.</source>
        <translation>Quillmere unterstützt leider keine E-Mail von AOL oder Compuserve.</translation>
    </message>
    <message>
        <source>Launch mail program</source>
        <translation>E-Mail-Programm starten</translation>
    </message>
    <message>
        <source>This mailbox signs in with OAuth2: see Details...</source>
        <translation>Dieses Postfach meldet sich mit OAuth2 an: siehe Details...</translation>
    </message>
    <message>
        <source>Just a warning that you selected to automatically delete marked messages without confirmation.  It is possible to OVER delete by using this setting.</source>
        <translation>Nur als Warnung: Sie haben gewählt, markierte Nachrichten automatisch ohne Rückfrage zu löschen. Mit dieser Einstellung kann auch zu viel gelöscht werden.</translation>
    </message>
    <message>
        <source>Exit and restart for the Start Up changes to take effect.</source>
        <translation>Beenden Sie Quillmere und starten Sie es neu, damit die Änderungen am Start wirken.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Really reset spam counter?</source>
        <translation>Spam-Zähler wirklich zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>TfrmHeaders</name>
    <message>
        <source>Header characteristics</source>
        <translation>Merkmale der Kopfzeilen</translation>
    </message>
    <message>
        <source>Message Header</source>
        <translation>Kopfzeilen der Nachricht</translation>
    </message>
    <message>
        <source>The Sender address does not match the &apos;Reply-to&apos; address</source>
        <translation>Die Absenderadresse ist ungleich der Adresse in „Reply-To“</translation>
    </message>
    <message>
        <source>The &apos;To&apos; address does not contain:</source>
        <translation>Die Adresse in „To“ enthält nicht:</translation>
    </message>
    <message>
        <source>The Sender address equals the &apos;To&apos; address field</source>
        <translation>Die Absenderadresse ist gleich der Adresse in „To“</translation>
    </message>
    <message>
        <source>&amp;Check if case matters (upper/lower)</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>For Mailbox:</source>
        <translation>Für Postfach:</translation>
    </message>
    <message>
        <source>check &amp;mark</source>
        <translation>&amp;Häkchen</translation>
    </message>
    <message>
        <source>&amp;question mark</source>
        <translation>&amp;Fragezeichen</translation>
    </message>
    <message>
        <source>The E-mail header characteristics</source>
        <translation>Die Merkmale der Kopfzeilen</translation>
    </message>
    <message>
        <source>If text in the e-mail header line follows any of these patterns it will be marked for deletion since it looks like a potential spam.</source>
        <translation>Folgt der Text einer Kopfzeile einem dieser Muster, wird die Nachricht zum Löschen markiert, da sie nach Spam aussieht.</translation>
    </message>
</context>
<context>
    <name>TfrmImportSpam</name>
    <message>
        <source>Import new keywords</source>
        <translation>Neue Stichwörter importieren</translation>
    </message>
    <message>
        <source>A quick way to enter new SPAM subject keywords is to paste them into the box above or type them in.  They should be entered one per line.  This will allow you to quickly expand the number of keywords that Quillmere searches for.</source>
        <translation>Neue Spam-Stichwörter für den Betreff geben Sie am schnellsten ein, indem Sie sie oben einfügen oder eintippen, eines je Zeile. So erweitern Sie rasch die Stichwörter, nach denen Quillmere sucht.</translation>
    </message>
    <message>
        <source>Import spam keywords</source>
        <translation>Spam-Stichwörter importieren</translation>
    </message>
</context>
<context>
    <name>TfrmInternet</name>
    <message>
        <source>Internet WWW Country Suffixes</source>
        <translation>Länderkennungen im Internet</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>You may block e-mail from a particular country by selecting one from the list above.</source>
        <translation>Sie können E-Mail aus einem bestimmten Land sperren, indem Sie es oben in der Liste wählen.</translation>
    </message>
</context>
<context>
    <name>TfrmMailboxDetails</name>
    <message>
        <source>Mailbox %1 details</source>
        <translation>Details zu Postfach %1</translation>
    </message>
    <message>
        <source>Mailbox %1 has no server yet.</source>
        <translation>Postfach %1 hat noch keinen Server.</translation>
    </message>
    <message>
        <source>Mailbox %1 on %2</source>
        <translation>Postfach %1 auf %2</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Sicherheit:</translation>
    </message>
    <message>
        <source>Trusted certificate (SHA-256 fingerprint):</source>
        <translation>Vertrautes Zertifikat (SHA-256-Fingerabdruck):</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Vergessen</translation>
    </message>
    <message>
        <source>A certificate is trusted here when a check you started failed on it and you chose &quot;Trust this certificate and check again&quot;. Only that very certificate is accepted; a server that shows another one fails again.</source>
        <translation>Einem Zertifikat wird hier vertraut, wenn eine von Ihnen gestartete Prüfung daran scheiterte und Sie „Diesem Zertifikat vertrauen und erneut prüfen“ gewählt haben. Angenommen wird nur genau dieses Zertifikat; zeigt der Server ein anderes, scheitert die Prüfung erneut.</translation>
    </message>
    <message>
        <source>Protocol and folders</source>
        <translation>Protokoll und Ordner</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protokoll:</translation>
    </message>
    <message>
        <source>Folder to check:</source>
        <translation>Zu prüfender Ordner:</translation>
    </message>
    <message>
        <source>Move to the Junk folder</source>
        <translation>In den Junk-Ordner verschieben</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Spam:</source>
        <translation>Spam:</translation>
    </message>
    <message>
        <source>Found on the server</source>
        <translation>Auf dem Server gesucht</translation>
    </message>
    <message>
        <source>Junk folder:</source>
        <translation>Junk-Ordner:</translation>
    </message>
    <message>
        <source>POP3 reaches only the inbox; marked messages are deleted for good.</source>
        <translation>POP3 erreicht nur den Posteingang; markierte Nachrichten werden endgültig gelöscht.</translation>
    </message>
    <message>
        <source>Only sizes and headers are downloaded. Marked messages are moved into the Junk folder, where you can still get them back. Left empty, the Junk folder is the one the server marks as such, else &quot;Junk&quot; or &quot;Spam&quot;, else a folder &quot;Junk&quot; made at the first move.</source>
        <translation>Nur Größen und Kopfzeilen werden geladen. Markierte Nachrichten werden in den Junk-Ordner verschoben, wo Sie sie noch zurückholen können. Bleibt das Feld leer, ist der Junk-Ordner der, den der Server als solchen kennzeichnet, sonst „Junk“ oder „Spam“, sonst ein Ordner „Junk“, der beim ersten Verschieben angelegt wird.</translation>
    </message>
    <message>
        <source>Only sizes and headers are downloaded. Marked messages are deleted for good.</source>
        <translation>Nur Größen und Kopfzeilen werden geladen. Markierte Nachrichten werden endgültig gelöscht.</translation>
    </message>
    <message>
        <source>Sign-in</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Verfahren:</translation>
    </message>
    <message>
        <source>Provider:</source>
        <translation>Anbieter:</translation>
    </message>
    <message>
        <source>Client ID:</source>
        <translation>Client-ID:</translation>
    </message>
    <message>
        <source>(kept as stored)</source>
        <translation>(bleibt wie gespeichert)</translation>
    </message>
    <message>
        <source>Client secret:</source>
        <translation>Client-Geheimnis:</translation>
    </message>
    <message>
        <source>Authorization address:</source>
        <translation>Adresse der Autorisierung:</translation>
    </message>
    <message>
        <source>Token address:</source>
        <translation>Adresse für Token:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Bereich (Scope):</translation>
    </message>
    <message>
        <source>Sign in...</source>
        <translation>Anmelden...</translation>
    </message>
    <message>
        <source>Opens the provider&apos;s sign-in page in your browser and stores the tokens it grants for this mailbox</source>
        <translation>Öffnet die Anmeldeseite des Anbieters in Ihrem Browser und speichert die gewährten Token für dieses Postfach</translation>
    </message>
    <message>
        <source>Stop signing in</source>
        <translation>Anmeldung abbrechen</translation>
    </message>
    <message>
        <source>Sign in in the browser window that opened. If none did, open this address yourself:</source>
        <translation>Melden Sie sich im geöffneten Browserfenster an. Hat sich keines geöffnet, öffnen Sie diese Adresse selbst:</translation>
    </message>
    <message>
        <source>Passwords, client secrets and tokens are kept in %1.</source>
        <translation>Passwörter, Client-Geheimnisse und Token werden in %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Headers of earlier checks</source>
        <translation>Kopfzeilen früherer Prüfungen</translation>
    </message>
    <message>
        <source>Keep the headers of listed messages, so that a check downloads only the new ones</source>
        <translation>Kopfzeilen gelisteter Nachrichten aufbewahren, damit eine Prüfung nur die neuen lädt</translation>
    </message>
    <message>
        <source>Forget cached headers</source>
        <translation>Aufbewahrte Kopfzeilen vergessen</translation>
    </message>
    <message>
        <source>Removes the kept headers now; the next check downloads every header again</source>
        <translation>Entfernt die aufbewahrten Kopfzeilen sofort; die nächste Prüfung lädt alle Kopfzeilen neu</translation>
    </message>
    <message>
        <source>They are kept in your cache folder, readable by you alone. A message is taken from there only while the server lists it under the same unique id and size; a deletion always reads it from the server first.</source>
        <translation>Sie liegen in Ihrem Cache-Ordner und sind nur für Sie lesbar. Eine Nachricht wird nur von dort genommen, solange der Server sie mit derselben eindeutigen ID und Größe führt; vor dem Löschen wird sie immer erst vom Server gelesen.</translation>
    </message>
    <message>
        <source>Kept now: %1</source>
        <translation>Derzeit aufbewahrt: %1</translation>
    </message>
    <message>
        <source>None kept now.</source>
        <translation>Derzeit nichts aufbewahrt.</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>Signed in</source>
        <translation>Angemeldet</translation>
    </message>
    <message>
        <source>Signed in for another protocol: sign in again for %1</source>
        <translation>Für ein anderes Protokoll angemeldet: Melden Sie sich für %1 neu an</translation>
    </message>
    <message>
        <source>Waiting for the browser...</source>
        <translation>Warte auf den Browser...</translation>
    </message>
    <message>
        <source>The sign-in failed: </source>
        <translation>Die Anmeldung ist gescheitert: </translation>
    </message>
    <message>
        <source>Signed in, but the tokens could not be stored: </source>
        <translation>Angemeldet, aber die Token konnten nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Encrypted from the start, usually on port %1.</source>
        <translation>Von Anfang an verschlüsselt, meist über Port %1.</translation>
    </message>
    <message>
        <source>Encrypted with STARTTLS after connecting. When the server does not offer it, the check stops before your password is sent.</source>
        <translation>Nach dem Verbinden mit STARTTLS verschlüsselt. Bietet der Server das nicht an, bricht die Prüfung ab, bevor Ihr Passwort gesendet wird.</translation>
    </message>
    <message>
        <source>Encrypted with STARTTLS when the server offers it; otherwise your password goes out readable.</source>
        <translation>Mit STARTTLS verschlüsselt, wenn der Server es anbietet; sonst wird Ihr Passwort lesbar gesendet.</translation>
    </message>
    <message>
        <source>Not encrypted: your password and your mail go out readable.</source>
        <translation>Unverschlüsselt: Ihr Passwort und Ihre Post werden lesbar übertragen.</translation>
    </message>
    <message>
        <source> The server field asks for TLS (%1 or port %2), so TLS is used all the same.</source>
        <translation> Das Serverfeld verlangt TLS (%1 oder Port %2), daher wird trotzdem TLS verwendet.</translation>
    </message>
    <message>
        <source>OAuth2 is sent only over an encrypted connection: choose &quot;TLS&quot; or &quot;STARTTLS required&quot; as the security.</source>
        <translation>OAuth2 wird nur über eine verschlüsselte Verbindung gesendet: Wählen Sie als Sicherheit „TLS“ oder „STARTTLS erforderlich“.</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>mail pre-filter %1</source>
        <translation>E-Mail-Vorfilter %1</translation>
    </message>
    <message>
        <source>Quickly eliminate junk e-mail before it gets to your mailbox</source>
        <translation>Spam beseitigen, bevor er Ihr Postfach erreicht</translation>
    </message>
    <message>
        <source>Mark messages</source>
        <translation>Nachrichten markieren</translation>
    </message>
    <message>
        <source>Delete marked messages</source>
        <translation>Markierte Nachrichten löschen</translation>
    </message>
    <message>
        <source>Auto-mark messages</source>
        <translation>Nachrichten automatisch markieren</translation>
    </message>
    <message>
        <source>Reset all marks</source>
        <translation>Alle Markierungen zurücksetzen</translation>
    </message>
    <message>
        <source>Launch e-mail program</source>
        <translation>E-Mail-Programm starten</translation>
    </message>
    <message>
        <source>Check e-mail</source>
        <translation>Post prüfen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings and more</source>
        <translation>Einstellungen und mehr</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>Tschüss</translation>
    </message>
    <message>
        <source>General settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Spam settings</source>
        <translation>Spam-Einstellungen</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Why was this e-mail marked?</source>
        <translation>Warum wurde diese E-Mail markiert?</translation>
    </message>
    <message>
        <source>Add selected sender(s) to exceptions list</source>
        <translation>Ausgewählte Absender zu den Ausnahmen hinzufügen</translation>
    </message>
    <message>
        <source>Add selected message(s) to spam list</source>
        <translation>Ausgewählte Nachrichten zur Spam-Liste hinzufügen</translation>
    </message>
    <message>
        <source>Learn selected message(s) as spam</source>
        <translation>Ausgewählte Nachrichten als Spam lernen</translation>
    </message>
    <message>
        <source>Learn selected message(s) as not spam</source>
        <translation>Ausgewählte Nachrichten als kein Spam lernen</translation>
    </message>
    <message>
        <source>View selected message(s) headers</source>
        <translation>Kopfzeilen der ausgewählten Nachrichten anzeigen</translation>
    </message>
    <message>
        <source>View body of one message</source>
        <translation>Inhalt einer Nachricht anzeigen</translation>
    </message>
</context>
<context>
    <name>TfrmMarkForDeletion</name>
    <message>
        <source>Mark e-mail for deletion</source>
        <translation>E-Mail zum Löschen markieren</translation>
    </message>
    <message>
        <source>Mark these messages to delete</source>
        <translation>Diese Nachrichten zum Löschen markieren</translation>
    </message>
    <message>
        <source>Always &amp;delete mail with these particular subject headings</source>
        <translation>E-Mail mit diesen Betreffzeilen immer &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Always delete mail from these particular senders</source>
        <translation>E-Mail von diesen Absendern &amp;immer löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
</context>
<context>
    <name>TfrmOptionsFROM</name>
    <message>
        <source>Sender characteristics</source>
        <translation>Merkmale des Absenders</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Domain name</source>
        <translation>Domainname</translation>
    </message>
    <message>
        <source>&amp;Address...</source>
        <translation>&amp;Adresse...</translation>
    </message>
    <message>
        <source>Take the address out of a name and address</source>
        <translation>Die Adresse aus Name und Adresse herauslösen</translation>
    </message>
    <message>
        <source>&amp;check mark</source>
        <translation>&amp;Häkchen</translation>
    </message>
    <message>
        <source>&amp;question mark</source>
        <translation>&amp;Fragezeichen</translation>
    </message>
    <message>
        <source>The Sender characteristics</source>
        <translation>Die Merkmale des Absenders</translation>
    </message>
    <message>
        <source>If the sender matches the distinguishing characteristics below it will be marked for deletion.</source>
        <translation>Passt der Absender zu den Merkmalen unten, wird die Nachricht zum Löschen markiert.</translation>
    </message>
    <message>
        <source>The sender&apos;s e-mail/domain address (as viewed on the main screen):</source>
        <translation>E-Mail-Adresse/Domain des Absenders (wie im Hauptfenster angezeigt):</translation>
    </message>
    <message>
        <source>An e-mail address includes the domain.
The domain is after the @ symbol.
Half numeric:  ab12c3@example.com
All numeric:  123456@example.com</source>
        <translation>Eine E-Mail-Adresse enthält die Domain.
Die Domain steht nach dem Zeichen @.
Halb Ziffern:  ab12c3@example.com
Nur Ziffern:  123456@example.com</translation>
    </message>
</context>
<context>
    <name>TfrmOptionsMain</name>
    <message>
        <source>Spam Settings</source>
        <translation>Spam-Einstellungen</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>Kopfzeilen</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Absender</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Always accept e-mail under the following conditions. Message will be marked with a bitmap.</source>
        <translation>E-Mail unter den folgenden Bedingungen immer annehmen. Die Nachricht wird mit einem Bild markiert.</translation>
    </message>
    <message>
        <source>Exceptions</source>
        <translation>Ausnahmen</translation>
    </message>
    <message>
        <source>BlackList</source>
        <translation>Sperrliste</translation>
    </message>
    <message>
        <source>Valid Domains</source>
        <translation>Gültige Domains</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Lernen</translation>
    </message>
    <message>
        <source>Move item up one row</source>
        <translation>Eintrag eine Zeile nach oben</translation>
    </message>
    <message>
        <source>Move item down one row</source>
        <translation>Eintrag eine Zeile nach unten</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Show the print-out before printing it</source>
        <translation>Den Ausdruck vor dem Drucken zeigen</translation>
    </message>
    <message>
        <source>I&amp;mport</source>
        <translation>I&amp;mportieren</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regeln:</translation>
    </message>
    <message>
        <source>bytes, </source>
        <translation>Byte,</translation>
    </message>
    <message>
        <source>then mark the message with a</source>
        <translation>dann die Nachricht markieren mit</translation>
    </message>
    <message>
        <source>If the message size is smaller than</source>
        <translation>Wenn die Nachricht kleiner ist als</translation>
    </message>
    <message>
        <source>check mark</source>
        <translation>Häkchen</translation>
    </message>
    <message>
        <source>question</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>If the message size is larger than</source>
        <translation>Wenn die Nachricht größer ist als</translation>
    </message>
    <message>
        <source>Note: Only messages with a check mark will be deleted.  The question mark is to notify you of a potential spam message to delete.</source>
        <translation>Hinweis: Gelöscht werden nur Nachrichten mit einem Häkchen. Das Fragezeichen weist Sie auf möglichen Spam hin, den Sie löschen können.</translation>
    </message>
    <message>
        <source>Compare e-mail with this list of known spammers. Will be marked with :</source>
        <translation>E-Mail mit dieser Liste bekannter Spam-Absender vergleichen. Markierung:</translation>
    </message>
    <message>
        <source>Spammers</source>
        <translation>Spam-Absender</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Re-building list ... stand by</source>
        <translation>Liste wird neu aufgebaut ... bitte warten</translation>
    </message>
    <message>
        <source>Check for valid domain names within the senders e-mail address?</source>
        <translation>Domainnamen in der E-Mail-Adresse des Absenders auf Gültigkeit prüfen?</translation>
    </message>
    <message>
        <source>If the domain name is invalid or unknown mark the message with:</source>
        <translation>Ist der Domainname ungültig oder unbekannt, die Nachricht markieren mit:</translation>
    </message>
    <message>
        <source>&amp;check mark</source>
        <translation>&amp;Häkchen</translation>
    </message>
    <message>
        <source>&amp;question mark</source>
        <translation>&amp;Fragezeichen</translation>
    </message>
    <message>
        <source>Note: Only messages with a check mark will be deleted.</source>
        <translation>Hinweis: Gelöscht werden nur Nachrichten mit einem Häkchen.</translation>
    </message>
    <message>
        <source>unknown domains have been detected</source>
        <translation>unbekannte Domains wurden erkannt</translation>
    </message>
    <message>
        <source>Reset counter</source>
        <translation>Zähler zurücksetzen</translation>
    </message>
    <message>
        <source>Learn from the mail I delete and keep, and mark what looks like it</source>
        <translation>Aus der Post lernen, die ich lösche und behalte, und markieren, was ihr ähnelt</translation>
    </message>
    <message>
        <source>Only messages that no exception and no rule marked are judged, from their header alone. It learns from the deletions you start in the list (what is deleted is spam, what you keep is not), from the marks you remove by hand, and from &quot;Learn selected message(s) as spam&quot; and &quot;as not spam&quot; in the list&apos;s menu.</source>
        <translation>Beurteilt werden nur Nachrichten, die keine Ausnahme und keine Regel markiert hat, und zwar allein nach ihren Kopfzeilen. Gelernt wird aus den Löschvorgängen, die Sie in der Liste starten (was gelöscht wird, ist Spam, was Sie behalten, nicht), aus den Markierungen, die Sie von Hand entfernen, und aus „Ausgewählte Nachricht(en) als Spam lernen“ und „als kein Spam lernen“ im Menü der Liste.</translation>
    </message>
    <message>
        <source>Mark the messages it judges to be spam with:</source>
        <translation>Als Spam beurteilte Nachrichten markieren mit:</translation>
    </message>
    <message>
        <source>c&amp;heck mark</source>
        <translation>Hä&amp;kchen</translation>
    </message>
    <message>
        <source>q&amp;uestion mark</source>
        <translation>Frage&amp;zeichen</translation>
    </message>
    <message>
        <source>Mark a message when its score reaches</source>
        <translation>Eine Nachricht markieren, wenn ihre Wertung erreicht:</translation>
    </message>
    <message>
        <source>Your provider&apos;s own domains, whose servers pass every message on (the domain of your mail server is one already), separated by commas:</source>
        <translation>Die eigenen Domains Ihres Anbieters, deren Server jede Nachricht weiterreichen (die Domain Ihres Mailservers gehört schon dazu), durch Kommas getrennt:</translation>
    </message>
    <message>
        <source>Forget everything learned</source>
        <translation>Alles Gelernte vergessen</translation>
    </message>
    <message>
        <source>What was learned cannot be read: %1. It is left as it is until you choose to forget it.</source>
        <translation>Das Gelernte kann nicht gelesen werden: %1. Es bleibt unverändert, bis Sie es vergessen lassen.</translation>
    </message>
    <message>
        <source>Learned so far: %1 spam and %2 other messages. It judges once it has learned %3 of each.</source>
        <translation>Bisher gelernt: Spam: %1, andere Nachrichten: %2. Beurteilt wird, sobald von beiden je %3 gelernt sind.</translation>
    </message>
    <message>
        <source>Forget everything learned? The learned judgement starts again from nothing.</source>
        <translation>Alles Gelernte vergessen? Die gelernte Beurteilung beginnt dann wieder bei null.</translation>
    </message>
    <message>
        <source>Error: nothing selected to edit</source>
        <translation>Fehler: Nichts zum Bearbeiten ausgewählt</translation>
    </message>
    <message>
        <source>Import e-mail addresses</source>
        <translation>E-Mail-Adressen importieren</translation>
    </message>
    <message>
        <source>Import spam keywords</source>
        <translation>Spam-Stichwörter importieren</translation>
    </message>
    <message>
        <source>Could not locate the known spammer blacklist!</source>
        <translation>Die Sperrliste bekannter Spam-Absender wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Really clear out unknown count?</source>
        <translation>Zähler der unbekannten Domains wirklich leeren?</translation>
    </message>
</context>
<context>
    <name>TfrmOptionsSubject</name>
    <message>
        <source>Subject line options</source>
        <translation>Optionen für den Betreff</translation>
    </message>
    <message>
        <source>&amp;Check if case matters (upper/lower)</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>check &amp;mark</source>
        <translation>&amp;Häkchen</translation>
    </message>
    <message>
        <source>&amp;question mark</source>
        <translation>&amp;Fragezeichen</translation>
    </message>
    <message>
        <source>The Subject line characteristics</source>
        <translation>Die Merkmale des Betreffs</translation>
    </message>
    <message>
        <source>If text in the subject line follows any of these patterns it will be marked for deletion since it looks like a potential spam.</source>
        <translation>Folgt der Text im Betreff einem dieser Muster, wird die Nachricht zum Löschen markiert, da sie nach Spam aussieht.</translation>
    </message>
    <message>
        <source>The subject line:</source>
        <translation>Der Betreff:</translation>
    </message>
</context>
<context>
    <name>TfrmRetrieving</name>
    <message>
        <source>Retrieving ...</source>
        <translation>Abrufen ...</translation>
    </message>
    <message>
        <source>Retrieving messages ... standby</source>
        <translation>Nachrichten werden abgerufen ... bitte warten</translation>
    </message>
    <message>
        <source>Click to cancel</source>
        <translation>Klicken zum Abbrechen</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Mailbox:</source>
        <translation>Postfach:</translation>
    </message>
</context>
<context>
    <name>TfrmSelectDateRange</name>
    <message>
        <source>Select Date Range</source>
        <translation>Zeitraum wählen</translation>
    </message>
    <message>
        <source>Select a date range</source>
        <translation>Einen Zeitraum wählen</translation>
    </message>
    <message>
        <source>between</source>
        <translation>zwischen</translation>
    </message>
    <message>
        <source>during the previous</source>
        <translation>in den letzten</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monaten</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tagen</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Starting ...</source>
        <translation>Wird gestartet ...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>TfrmViewHeader</name>
    <message>
        <source>View Selected Headers</source>
        <translation>Ausgewählte Kopfzeilen anzeigen</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Contents of selected e-mail headers</source>
        <translation>Kopfzeilen der ausgewählten E-Mails</translation>
    </message>
    <message>
        <source>Reasons that e-mail is marked or not marked</source>
        <translation>Gründe, warum die E-Mail markiert ist oder nicht</translation>
    </message>
    <message>
        <source>Contents of e-mail</source>
        <translation>Inhalt der E-Mail</translation>
    </message>
</context>
<context>
    <name>TfrmWhichMailbox</name>
    <message>
        <source>Which Mail Box?</source>
        <translation>Welches Postfach?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Which mailbox do you wish to check?</source>
        <translation>Welches Postfach möchten Sie prüfen?</translation>
    </message>
</context>
<context>
    <name>TmsMessageDecoder</name>
    <message>
        <source>The following error has been occured while processing the message:</source>
        <translation>Beim Verarbeiten der Nachricht ist folgender Fehler aufgetreten:</translation>
    </message>
    <message>
        <source>The original message will be stored as an attachment</source>
        <translation>Die ursprüngliche Nachricht wird als Anhang gespeichert</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Check e-mail for spam</source>
        <translation>Post auf Spam prüfen</translation>
    </message>
    <message>
        <source>Launch e-mail program</source>
        <translation>E-Mail-Programm starten</translation>
    </message>
    <message>
        <source>Main screen</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Spam</source>
        <translation>Spam</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>View log file</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Enable automatic check</source>
        <translation>Automatische Prüfung einschalten</translation>
    </message>
    <message>
        <source>Disable automatic check</source>
        <translation>Automatische Prüfung ausschalten</translation>
    </message>
    <message>
        <source>Help/Info</source>
        <translation>Hilfe/Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Quillmere (right click)</source>
        <translation>Quillmere (Rechtsklick)</translation>
    </message>
</context>
</TS>
