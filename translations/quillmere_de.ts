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
        <source>'%1' is not a valid integer value</source>
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
        <source>Header "%1"</source>
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
        <source>The server's reply is larger than %s bytes</source>
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
        <source>'%1' is not a valid integer value</source>
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
        <source>The server's reply to STAT gives no message count: %1</source>
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
        <source>Cannot create file "%1". %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>The server's reply to LIST leaves out message %1</source>
        <translation>Die Antwort des Servers auf LIST lässt Nachricht %1 aus</translation>
    </message>
    <message>
        <source>The server does not offer TOP, which a check needs</source>
        <translation>Der Server bietet kein TOP an, das eine Prüfung braucht</translation>
    </message>
    <message>
        <source>The server's reply cannot be read (%1): %2</source>
        <translation>Die Antwort des Servers kann nicht gelesen werden (%1): %2</translation>
    </message>
    <message>
        <source>The server's reply is larger than %1 bytes</source>
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
        <source>The server's greeting is no IMAP greeting: </source>
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
        <source>The folder checked, %1, is the Junk folder itself: choose another Junk folder or "Delete" as the spam action.</source>
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
        <source>The domain name "%1" has an empty label</source>
        <translation>Der Domainname „%1“ hat einen leeren Namensteil</translation>
    </message>
    <message>
        <source>The domain name "%1" has a label longer than 63 bytes</source>
        <translation>Der Domainname „%1“ hat einen Namensteil, der länger als 63 Bytes ist</translation>
    </message>
    <message>
        <source>The domain name "%1" is longer than 255 bytes</source>
        <translation>Der Domainname „%1“ ist länger als 255 Bytes</translation>
    </message>
    <message>
        <source>The DNS server address "%1" is not a dotted IPv4 address</source>
        <translation>Die DNS-Server-Adresse „%1“ ist keine IPv4-Adresse in Punktschreibweise</translation>
    </message>
    <message>
        <source>Cannot open "%1": %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read "%1": %2</source>
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
        <source>Cannot open file "%1". %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot write to file "%1". %2</source>
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
        <source>Mailbox %1 - OAuth2 is sent only over an encrypted connection: choose "TLS" or "STARTTLS required" as its security</source>
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
        <source> Sign in again in the mailbox's details.</source>
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
        <translation><numerusform>Quillmere - nächste Prüfung der Post in %n Minute</numerusform><numerusform>Quillmere - nächste Prüfung der Post in %n Minuten</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Quillmere - next e-mail check in %n minutes</source>
        <translation><numerusform>Quillmere - nächste Prüfung der Post in %n Minute</numerusform><numerusform>Quillmere - nächste Prüfung der Post in %n Minuten</numerusform></translation>
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
        <translation><numerusform>Nachricht %1 von insgesamt %n wartenden Nachricht wird geprüft</numerusform><numerusform>Nachricht %1 von insgesamt %n wartenden Nachrichten wird geprüft</numerusform></translation>
    </message>
    <message>
        <source>Message %1 of %2</source>
        <translation>Nachricht %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n msg(s) for %1 on %2</source>
        <translation><numerusform>%n Nachricht für %1 auf %2</numerusform><numerusform>%n Nachrichten für %1 auf %2</numerusform></translation>
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
        <translation><numerusform>Quillmere - Postfach %1 - %n Nachricht</numerusform><numerusform>Quillmere - Postfach %1 - %n Nachrichten</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Learned %n message(s) as spam and %1 as not spam</source>
        <translation><numerusform>%n Nachricht als Spam und %1 als kein Spam gelernt</numerusform><numerusform>%n Nachrichten als Spam und %1 als kein Spam gelernt</numerusform></translation>
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
        <translation><numerusform>Wirklich %n Nachricht in den Junk-Ordner verschieben?</numerusform><numerusform>Wirklich %n Nachrichten in den Junk-Ordner verschieben?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Really delete %n messages from server?</source>
        <translation><numerusform>Wirklich %n Nachricht vom Server löschen?</numerusform><numerusform>Wirklich %n Nachrichten vom Server löschen?</numerusform></translation>
    </message>
    <message>
        <source>Deleting messages ... standby</source>
        <translation>Nachrichten werden gelöscht ... bitte warten</translation>
    </message>
    <message numerus="yes">
        <source>There were %n messages deleted</source>
        <translation><numerusform>Es wurde %n Nachricht gelöscht</numerusform><numerusform>Es wurden %n Nachrichten gelöscht</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n spams deleted</source>
        <translation><numerusform>%n Spam gelöscht</numerusform><numerusform>%n Spams gelöscht</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>The server refused to move %1 of the %n marked messages; they are still on the server.</source>
        <translation><numerusform>Der Server hat verweigert, %1 der %n markierten Nachricht zu verschieben; sie ist noch auf dem Server.</numerusform><numerusform>Der Server hat verweigert, %1 der %n markierten Nachrichten zu verschieben; sie sind noch auf dem Server.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>The server refused to delete %1 of the %n marked messages; they are still on the server.</source>
        <translation><numerusform>Der Server hat verweigert, %1 der %n markierten Nachricht zu löschen; sie ist noch auf dem Server.</numerusform><numerusform>Der Server hat verweigert, %1 der %n markierten Nachrichten zu löschen; sie sind noch auf dem Server.</numerusform></translation>
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
        <source>Either there are no e-mail messages waiting on the mail server or you have not yet clicked on the "Check E-Mail" button.</source>
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
        <translation>Rechtsklick für weitere Optionen, Doppelklick zum Markieren</translation>
    </message>
    <message>
        <source>Click "Check e-mail" to look at your mailbox</source>
        <translation>Klicken Sie auf „Post prüfen“, um Ihr Postfach anzusehen</translation>
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
        <source>Enter the provider's authorization and token addresses.</source>
        <translation>Geben Sie die Autorisierungs- und die Token-Adresse des Anbieters ein.</translation>
    </message>
    <message>
        <source>Enter the client secret %1 gave your application.</source>
        <translation>Geben Sie das Client-Geheimnis ein, das %1 Ihrer Anwendung gegeben hat.</translation>
    </message>
    <message>
        <source>The token address %1 is not an https address: the sign-in goes only over https (or plain http to this computer's loopback address).</source>
        <translation>Die Token-Adresse %1 ist keine https-Adresse: Die Anmeldung läuft nur über https (oder einfaches http zur Loopback-Adresse dieses Computers).</translation>
    </message>
    <message>
        <source>The authorization address %1 is not an https address: the sign-in goes only over https (or plain http to this computer's loopback address).</source>
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
        <source>The provider's answer holds no access token.</source>
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
        <source>No local port for the sign-in's redirect: 127.0.0.1:%1 is not free.</source>
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
    <name>SecretStore</name>
    <message>
        <source>The desktop keyring is locked, so %1 could not be read; unlock it and check again</source>
        <translation>Der Schlüsselbund der Arbeitsumgebung ist gesperrt, daher konnte %1 nicht gelesen werden; entsperren Sie ihn, und prüfen Sie erneut</translation>
    </message>
    <message>
        <source>the secret "%1"</source>
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
        <source>Invalid data type for '%1'</source>
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
        <source>Failed to set data for '%1'</source>
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
</TS>
