<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ContactItemText</name>
    <message>
        <source>online</source>
        <translation>online</translation>
    </message>
    <message>
        <source>online as administrator</source>
        <translation>online als Administrator</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht erreichbar</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartend</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>unread texts</source>
        <translation>ungelesene Texte</translation>
    </message>
</context>
<context>
    <name>EventLines</name>
    <message>
        <source>%s is not registered</source>
        <translation>%s ist nicht registriert</translation>
    </message>
    <message>
        <source>%s is online as user</source>
        <translation>%s ist online als Benutzer</translation>
    </message>
    <message>
        <source>%s is online as administrator</source>
        <translation>%s ist online als Administrator</translation>
    </message>
    <message>
        <source>%s is offline</source>
        <translation>%s ist offline</translation>
    </message>
    <message>
        <source>%s joined channel %s</source>
        <translation>%s hat Kanal %s betreten</translation>
    </message>
    <message>
        <source>%s left channel %s</source>
        <translation>%s hat Kanal %s verlassen</translation>
    </message>
    <message>
        <source>%s opened channel %s</source>
        <translation>%s hat Kanal %s geöffnet</translation>
    </message>
    <message>
        <source>%s closed channel %s</source>
        <translation>%s hat Kanal %s geschlossen</translation>
    </message>
    <message>
        <source>Channel error: %s, %s - %d %s</source>
        <translation>Kanalfehler: %s, %s - %d %s</translation>
    </message>
    <message>
        <source>  Channel: %s - %s - %d user</source>
        <translation>  Kanal: %s - %s - %d Benutzer</translation>
    </message>
    <message>
        <source>  Channel: %s - %s - %d users</source>
        <translation>  Kanal: %s - %s - %d Benutzer</translation>
    </message>
    <message>
        <source>There is %d channel operating</source>
        <translation>Es ist %d Kanal in Betrieb</translation>
    </message>
    <message>
        <source>There are %d channels operating</source>
        <translation>Es sind %d Kanäle in Betrieb</translation>
    </message>
    <message>
        <source>Invitation: %s invites %s to join channel %s</source>
        <translation>Einladung: %s lädt %s in Kanal %s ein</translation>
    </message>
    <message>
        <source>%s (to %s)</source>
        <translation>%s (an %s)</translation>
    </message>
    <message>
        <source>%s (to %s), sent on %s %s:</source>
        <translation>%s (an %s), gesendet am %s %s:</translation>
    </message>
    <message>
        <source>Error %s - text for %s, %d %s</source>
        <translation>Fehler %s - Text an %s, %d %s</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinden ...</translation>
    </message>
    <message>
        <source>Connected: %s</source>
        <translation>Verbunden: %s</translation>
    </message>
    <message>
        <source>Disconnected: %s</source>
        <translation>Getrennt: %s</translation>
    </message>
    <message>
        <source>Login error: %s - %d %s (%s)</source>
        <translation>Anmeldefehler: %s - %d %s (%s)</translation>
    </message>
    <message>
        <source>Ping reply from %s: %d second</source>
        <translation>Ping-Antwort von %s: %d Sekunde</translation>
    </message>
    <message>
        <source>Ping reply from %s: %d seconds</source>
        <translation>Ping-Antwort von %s: %d Sekunden</translation>
    </message>
    <message>
        <source>Settings: the value of %s is not valid - the default is used</source>
        <translation>Einstellungen: Der Wert von %s ist ungültig - der Standardwert gilt</translation>
    </message>
    <message>
        <source>Error: %s%s, %s, %d %s</source>
        <translation>Fehler: %s%s, %s, %d %s</translation>
    </message>
</context>
<context>
    <name>EventLog</name>
    <message>
        <source>Frozen: new lines do not move the log pane; press to scroll</source>
        <translation>Angehalten: Neue Zeilen bewegen das Protokoll nicht; drücken zum Mitlaufen</translation>
    </message>
    <message>
        <source>Scrolling: the log pane follows new lines; press to freeze</source>
        <translation>Mitlaufend: Das Protokoll folgt neuen Zeilen; drücken zum Anhalten</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>Quor user</source>
        <translation>Quor-Benutzer</translation>
    </message>
    <message>
        <source>Add Quor Contact</source>
        <translation>Quor-Kontakt hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source> is already on the list.</source>
        <translation> steht schon auf der Liste.</translation>
    </message>
    <message>
        <source>Delete Quor Contact</source>
        <translation>Quor-Kontakt löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source> is not on the list.</source>
        <translation> steht nicht auf der Liste.</translation>
    </message>
    <message>
        <source>Open Quor Chat</source>
        <translation>Quor-Chat öffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Ping User</source>
        <translation>Benutzer anpingen</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Query User Online Status</source>
        <translation>Online-Status abfragen</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>Invitation to %s FAILED<byte value="xd"/>Reason %d: %s</source>
        <translation>Einladung an %s FEHLGESCHLAGEN<byte value="xd"/>Grund %d: %s</translation>
    </message>
</context>
<context>
    <name>MainWindowControls</name>
    <message>
        <source>Logon</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Logout</translation>
    </message>
    <message>
        <source>user name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Login name</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>In Use</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Talk / telegram to</source>
        <translation>Nachricht an</translation>
    </message>
    <message>
        <source>type in the name of a user or drag one of your contacts</source>
        <translation>Namen eines Benutzers eingeben oder einen Kontakt hierher ziehen</translation>
    </message>
    <message>
        <source>Virtual Reality Time</source>
        <translation>Virtual Reality Time</translation>
    </message>
    <message>
        <source>say</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Create a Quor account ...</source>
        <translation>Quor-Konto &amp;anlegen ...</translation>
    </message>
    <message>
        <source>&amp;Forgot Password ...</source>
        <translation>Passwort &amp;vergessen ...</translation>
    </message>
    <message>
        <source>&amp;Log Chat</source>
        <translation>Chat &amp;protokollieren</translation>
    </message>
    <message>
        <source>&amp;Settings ...</source>
        <translation>&amp;Einstellungen ...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Communicate</source>
        <translation>&amp;Kommunizieren</translation>
    </message>
    <message>
        <source>&amp;Join Channel ...</source>
        <translation>Kanal &amp;betreten ...</translation>
    </message>
    <message>
        <source>&amp;Invite User to Channel ...</source>
        <translation>Benutzer in Kanal &amp;einladen ...</translation>
    </message>
    <message>
        <source>&amp;List Channels</source>
        <translation>Kanäle &amp;auflisten</translation>
    </message>
    <message>
        <source>&amp;Ping User ...</source>
        <translation>Benutzer an&amp;pingen ...</translation>
    </message>
    <message>
        <source>User &amp;Status ...</source>
        <translation>Benutzer&amp;status ...</translation>
    </message>
    <message>
        <source>&amp;User Profile ...</source>
        <translation>Pro&amp;fil ansehen ...</translation>
    </message>
    <message>
        <source>Search &amp;history ...</source>
        <translation>&amp;Verlauf durchsuchen ...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quor &amp;SDK</source>
        <translation>Quor-&amp;SDK</translation>
    </message>
    <message>
        <source>Quor &amp;Delphi</source>
        <translation>Quor-&amp;Delphi</translation>
    </message>
    <message>
        <source>&amp;Contact Author</source>
        <translation>&amp;Autor kontaktieren</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Open Chat ...</source>
        <translation>Chat ö&amp;ffnen ...</translation>
    </message>
    <message>
        <source>&amp;Add Contact ...</source>
        <translation>Kontakt &amp;hinzufügen ...</translation>
    </message>
    <message>
        <source>&amp;Delete Contact ...</source>
        <translation>Kontakt &amp;löschen ...</translation>
    </message>
    <message>
        <source>The text to send to the user or channel named above</source>
        <translation>Der Text für den oben genannten Benutzer oder Kanal</translation>
    </message>
    <message>
        <source>Log on to the Quor server with the user name and password</source>
        <translation>Mit Benutzername und Passwort am Quor-Server anmelden</translation>
    </message>
    <message>
        <source>Log off from the Quor server</source>
        <translation>Vom Quor-Server abmelden</translation>
    </message>
    <message>
        <source>Contacts and channels</source>
        <translation>Kontakte und Kanäle</translation>
    </message>
    <message>
        <source>Your contacts with their status; open a chat from the menu</source>
        <translation>Die eigenen Kontakte mit ihrem Status; Chat über das Menü öffnen</translation>
    </message>
    <message>
        <source>The channels you are in</source>
        <translation>Die betretenen Kanäle</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Connections, channels and texts, the newest last</source>
        <translation>Verbindungen, Kanäle und Texte, die neuesten zuletzt</translation>
    </message>
    <message>
        <source>Scroll mode</source>
        <translation>Bildlaufmodus</translation>
    </message>
</context>
<context>
    <name>MessageListener</name>
    <message>
        <source>%s not found</source>
        <translation>%s nicht gefunden</translation>
    </message>
</context>
<context>
    <name>TFormQuorMain</name>
    <message>
        <source>QuorCentral has not been initialised</source>
        <translation>QuorCentral ist nicht initialisiert</translation>
    </message>
    <message>
        <source>  HB Quor Client </source>
        <translation>  HB Quor Client </translation>
    </message>
    <message>
        <source>could not initialise QuorApi</source>
        <translation>QuorApi konnte nicht initialisiert werden</translation>
    </message>
    <message>
        <source>Do you wish to exit?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source> - disconnected</source>
        <translation> - getrennt</translation>
    </message>
    <message>
        <source>Disconnected: log on with your user name and password</source>
        <translation>Getrennt: mit Benutzername und Passwort anmelden</translation>
    </message>
    <message>
        <source>Connecting: waiting for the Quor server</source>
        <translation>Verbinden: Warten auf den Quor-Server</translation>
    </message>
    <message>
        <source>Connected: you can talk and send telegrams</source>
        <translation>Verbunden: Gespräche und Telegramme möglich</translation>
    </message>
    <message>
        <source>check user name and password</source>
        <translation>Benutzername und Passwort prüfen</translation>
    </message>
    <message>
        <source>Cannot logoff.</source>
        <translation>Abmelden nicht möglich.</translation>
    </message>
</context>
<context>
    <name>TextAlerts</name>
    <message>
        <source>%s (while you were away)</source>
        <translation>%s (während der Abwesenheit)</translation>
    </message>
    <message>
        <source>invites you to join channel %s</source>
        <translation>lädt in Kanal %s ein</translation>
    </message>
    <message>
        <source>%s (to everyone)</source>
        <translation>%s (an alle)</translation>
    </message>
</context>
<context>
    <name>TimeText</name>
    <message>
        <source>Universal Time (UTC)</source>
        <translation>Weltzeit (UTC)</translation>
    </message>
    <message>
        <source>Local time (%1)</source>
        <translation>Ortszeit (%1)</translation>
    </message>
    <message>
        <source>Virtual Reality Time</source>
        <translation>Virtual Reality Time</translation>
    </message>
</context>
<context>
    <name>TrayText</name>
    <message>
        <source>online</source>
        <translation>online</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>verbindet</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>, 1 unread text</source>
        <translation>, 1 ungelesener Text</translation>
    </message>
    <message>
        <source>, %1 unread texts</source>
        <translation>, %1 ungelesene Texte</translation>
    </message>
</context>
<context>
    <name>VrtText</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
</context>
<context>
    <name>hbquor::main::TrayIcon</name>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Log &amp;off</source>
        <translation>Ab&amp;melden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>HB Quor keeps running in the tray.</source>
        <translation>HB Quor läuft im Infobereich weiter.</translation>
    </message>
</context>
</TS>
