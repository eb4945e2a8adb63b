<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</TS>
