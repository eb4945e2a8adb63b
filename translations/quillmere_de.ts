<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>Exception</name>
    <message>
        <source>Internal error: %1</source>
        <translation>Interner Fehler: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
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
    <name>TfrmMain</name>
    <message>
        <source>mail pre-filter %1</source>
        <translation>E-Mail-Vorfilter %1</translation>
    </message>
    <message>
        <source>Quickly eliminate junk e-mail before it gets to your mailbox</source>
        <translation>Spam schnell beseitigen, bevor er Ihr Postfach erreicht</translation>
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
