<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AccountCommands</name>
    <message>
        <source>Could not create a new user account!</source>
        <translation>Das neue Benutzerkonto konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Could not request password!</source>
        <translation>Das Passwort konnte nicht angefordert werden!</translation>
    </message>
</context>
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
    <name>FieldChecks</name>
    <message>
        <source>a host is needed</source>
        <translation>ein Host ist nötig</translation>
    </message>
    <message>
        <source>a host has no blanks</source>
        <translation>ein Host hat keine Leerzeichen</translation>
    </message>
    <message>
        <source>the port is a number</source>
        <translation>der Port ist eine Zahl</translation>
    </message>
    <message>
        <source>the port lies between 1 and 65535</source>
        <translation>der Port liegt zwischen 1 und 65535</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei ist nicht lesbar</translation>
    </message>
    <message>
        <source>the file holds no PEM certificate</source>
        <translation>die Datei enthält kein PEM-Zertifikat</translation>
    </message>
    <message>
        <source>the proxy needs a host</source>
        <translation>der Proxy braucht einen Host</translation>
    </message>
    <message>
        <source>the proxy needs a port</source>
        <translation>der Proxy braucht einen Port</translation>
    </message>
</context>
<context>
    <name>FreedesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
</context>
<context>
    <name>HistoryFile</name>
    <message>
        <source>History: %1; no history is kept this run</source>
        <translation>Verlauf: %1; in diesem Lauf wird kein Verlauf geführt</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the program</source>
        <translation>%1 wurde von einer neueren Version des Programms geschrieben</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2)</source>
        <translation>%1 lässt sich nicht öffnen (%2)</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be moved aside</source>
        <translation>%1 ist beschädigt und lässt sich nicht beiseitelegen</translation>
    </message>
    <message>
        <source>History: %1 was damaged; it was moved to %2 and a fresh one started</source>
        <translation>Verlauf: %1 war beschädigt; die Datei wurde nach %2 verschoben und eine neue begonnen</translation>
    </message>
    <message>
        <source>%1 was damaged and no fresh one can be started (%2)</source>
        <translation>%1 war beschädigt, und eine neue Datei lässt sich nicht beginnen (%2)</translation>
    </message>
    <message>
        <source>%1 was damaged and no fresh one can be started</source>
        <translation>%1 war beschädigt, und eine neue Datei lässt sich nicht beginnen</translation>
    </message>
</context>
<context>
    <name>HistoryWriter</name>
    <message>
        <source>History: the disk is full; no more lines are kept this run</source>
        <translation>Verlauf: Der Datenträger ist voll; in diesem Lauf werden keine Zeilen mehr behalten</translation>
    </message>
    <message>
        <source>History: lines cannot be written (%1); no more lines are kept this run</source>
        <translation>Verlauf: Zeilen lassen sich nicht schreiben (%1); in diesem Lauf werden keine Zeilen mehr behalten</translation>
    </message>
</context>
<context>
    <name>InvitationMemory</name>
    <message>
        <source>Invitation for %s to join %s authorised!</source>
        <translation>Einladung für %s in %s bestätigt!</translation>
    </message>
    <message>
        <source>Invitation for %s to join %s FAILED<byte value="xd"/>Reason %d: %s</source>
        <translation>Einladung für %s in %s FEHLGESCHLAGEN<byte value="xd"/>Grund %d: %s</translation>
    </message>
    <message>
        <source>Invitation for %s authorised!</source>
        <translation>Einladung für %s bestätigt!</translation>
    </message>
    <message>
        <source>Invitation for %s FAILED<byte value="xd"/>Reason %d: %s</source>
        <translation>Einladung für %s FEHLGESCHLAGEN<byte value="xd"/>Grund %d: %s</translation>
    </message>
</context>
<context>
    <name>KeychainPasswordStore</name>
    <message>
        <source>No secret store answers: </source>
        <translation>Kein Passwortspeicher antwortet: </translation>
    </message>
</context>
<context>
    <name>LinePane</name>
    <message>
        <source>frozen</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>scrolling</source>
        <translation>mitlaufend</translation>
    </message>
</context>
<context>
    <name>LongTextGuard</name>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Senden</translation>
    </message>
    <message>
        <source>Send 1 line to %1?</source>
        <translation>1 Zeile an %1 senden?</translation>
    </message>
    <message>
        <source>Send %1 lines to %2?</source>
        <translation>%1 Zeilen an %2 senden?</translation>
    </message>
</context>
<context>
    <name>MainCommands</name>
    <message>
        <source>Quor user</source>
        <translation>Benutzer</translation>
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
    <name>NotificationQueue</name>
    <message>
        <source>1 more text</source>
        <translation>1 weiterer Text</translation>
    </message>
    <message>
        <source>%1 more texts</source>
        <translation>%1 weitere Texte</translation>
    </message>
</context>
<context>
    <name>ProxySetup</name>
    <message>
        <source>Proxy %s:%d cannot be used: %d %s - logging on is not possible</source>
        <translation>Proxy %s:%d ist nicht nutzbar: %d %s - Anmelden ist nicht möglich</translation>
    </message>
    <message>
        <source>Not logged on: the proxy could not be set up</source>
        <translation>Nicht angemeldet: Der Proxy ließ sich nicht einrichten</translation>
    </message>
</context>
<context>
    <name>Reconnector</name>
    <message>
        <source>Reconnecting stopped</source>
        <translation>Neu verbinden beendet</translation>
    </message>
    <message>
        <source>the connection closed</source>
        <translation>die Verbindung wurde geschlossen</translation>
    </message>
    <message>
        <source>Connection lost - reconnecting to %s in %s s</source>
        <translation>Verbindung verloren - neue Verbindung zu %s in %s s</translation>
    </message>
    <message>
        <source>Reconnect attempt %d to %s refused: %d %s - no more attempts</source>
        <translation>Verbindungsversuch %d zu %s abgewiesen: %d %s - keine weiteren Versuche</translation>
    </message>
    <message>
        <source>Reconnect attempt %d to %s failed: %s - next attempt in %s s</source>
        <translation>Verbindungsversuch %d zu %s fehlgeschlagen: %s - nächster Versuch in %s s</translation>
    </message>
</context>
<context>
    <name>SendRefusal</name>
    <message>
        <source>Not sent to %s: you are not logged on</source>
        <translation>Nicht an %s gesendet: nicht angemeldet</translation>
    </message>
    <message>
        <source>Not sent: no user or channel to send to</source>
        <translation>Nicht gesendet: kein Benutzer oder Kanal als Empfänger</translation>
    </message>
    <message>
        <source>Not sent to %s: that is your own name</source>
        <translation>Nicht an %s gesendet: das ist der eigene Name</translation>
    </message>
    <message>
        <source>Not sent to %s: join the channel first</source>
        <translation>Nicht an %s gesendet: zuerst dem Kanal beitreten</translation>
    </message>
    <message>
        <source>Not sent to %s: nobody else is in the channel</source>
        <translation>Nicht an %s gesendet: sonst ist niemand im Kanal</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>no secret store</source>
        <translation>kein Passwortspeicher</translation>
    </message>
    <message>
        <source>The settings file could not be written; the changes last until the program ends.</source>
        <translation>Die Einstellungsdatei ließ sich nicht schreiben; die Änderungen gelten bis zum Programmende.</translation>
    </message>
</context>
<context>
    <name>TFormAddChannel</name>
    <message>
        <source>Create or Join Channel</source>
        <translation>Kanal anlegen oder betreten</translation>
    </message>
    <message>
        <source>Quor channel</source>
        <translation>Quor-Kanal</translation>
    </message>
    <message>
        <source>Channel type:</source>
        <translation>Kanaltyp:</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Invite only</source>
        <translation>&amp;Nur mit Einladung</translation>
    </message>
    <message>
        <source>&amp;Passworded</source>
        <translation>Mit &amp;Passwort</translation>
    </message>
    <message>
        <source>&amp;Unknown</source>
        <translation>&amp;Unbekannt</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Only for a passworded channel</source>
        <translation>Nur für einen Kanal mit Passwort</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Betreten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormAddUser</name>
    <message>
        <source>Quor user:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormInviteUser</name>
    <message>
        <source>Authorise User to Channel</source>
        <translation>Benutzer für Kanal freigeben</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Request Authorisation</source>
        <translation>Freigabe anfordern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please input a Username and a Channel!</source>
        <translation>Bitte Benutzernamen und Kanal eingeben!</translation>
    </message>
</context>
<context>
    <name>TFormQuorAbout</name>
    <message>
        <source>About HB Quor</source>
        <translation>Über HB Quor</translation>
    </message>
    <message>
        <source>Copyright (c) 2003-2026 the HB Quor developers</source>
        <translation>Copyright (c) 2003-2026 die Entwickler von HB Quor</translation>
    </message>
    <message>
        <source>A desktop client for the Quor chat service</source>
        <translation>Ein Desktop-Programm für den Chatdienst Quor</translation>
    </message>
    <message>
        <source>Quor SDK (build %1)</source>
        <translation>Quor SDK (Build %1)</translation>
    </message>
    <message>
        <source>Copyright (c) 2003-2026 the Quor SDK developers</source>
        <translation>Copyright (c) 2003-2026 die Entwickler des Quor SDK</translation>
    </message>
    <message>
        <source>The Quor protocol library</source>
        <translation>Die Protokollbibliothek von Quor</translation>
    </message>
</context>
<context>
    <name>TFormQuorChannel</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Invite-only</source>
        <translation>Nur mit Einladung</translation>
    </message>
    <message>
        <source>Passworded</source>
        <translation>Mit Passwort</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>&amp;Open Chat</source>
        <translation>&amp;Gespräch öffnen</translation>
    </message>
    <message>
        <source>&amp;Invite User to Channel ...</source>
        <translation>Benutzer in den Kanal &amp;einladen ...</translation>
    </message>
    <message>
        <source>Joined</source>
        <translation>Anwesend</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Enter opens a conversation with the member; the Menu key shows more</source>
        <translation>Eingabetaste öffnet ein Gespräch mit dem Mitglied, die Menütaste zeigt mehr</translation>
    </message>
    <message>
        <source>%s channel %s %s- %s</source>
        <translation>%s: Kanal %s %s- %s</translation>
    </message>
    <message>
        <source>Texts in %s</source>
        <translation>Texte in %s</translation>
    </message>
    <message>
        <source>* %s joined</source>
        <translation>* %s ist beigetreten</translation>
    </message>
    <message>
        <source>* %s left</source>
        <translation>* %s ist gegangen</translation>
    </message>
</context>
<context>
    <name>TFormQuorChat</name>
    <message>
        <source>%1 talk / telegram to %2</source>
        <translation>%1 Gespräch / Telegramm an %2</translation>
    </message>
    <message>
        <source>Conversation with %s</source>
        <translation>Gespräch mit %s</translation>
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
    <name>TQuorTalkWindow</name>
    <message>
        <source>Your text</source>
        <translation>Eigener Text</translation>
    </message>
    <message>
        <source>Enter sends the text; Up and Down bring back the texts sent before</source>
        <translation>Eingabetaste sendet den Text, Pfeil hoch und runter holen gesendete Texte zurück</translation>
    </message>
    <message>
        <source>Scrolling or frozen</source>
        <translation>Mitlaufen oder angehalten</translation>
    </message>
    <message>
        <source>Frozen: the texts stay still when lines arrive; Space lets them scroll</source>
        <translation>Angehalten: Die Texte bleiben stehen, wenn Zeilen kommen; die Leertaste lässt sie mitlaufen</translation>
    </message>
    <message>
        <source>Scrolling: the texts follow the newest line; Space freezes them</source>
        <translation>Mitlaufend: Die Texte folgen der neuesten Zeile; die Leertaste hält sie an</translation>
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
    <name>TlsSetup</name>
    <message>
        <source>TLS: the CA file %s cannot be read; only the system&apos;s certificates are trusted</source>
        <translation>TLS: Die CA-Datei %s ist nicht lesbar; nur den Zertifikaten des Systems wird vertraut</translation>
    </message>
    <message>
        <source>TLS could not be set up - logging on is not possible</source>
        <translation>TLS ließ sich nicht einrichten - Anmelden ist nicht möglich</translation>
    </message>
    <message>
        <source>Not logged on: TLS could not be set up</source>
        <translation>Nicht angemeldet: TLS ließ sich nicht einrichten</translation>
    </message>
    <message>
        <source>Warning: TLS is off - the password and texts travel unencrypted to %s</source>
        <translation>Warnung: TLS ist aus - Passwort und Texte gehen unverschlüsselt an %s</translation>
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
    <name>hbquor::account::AccountEventRouter</name>
    <message>
        <source>New Quor account created for: %s<byte value="xd"/>Password will be emailed to: %s</source>
        <translation>Neues Quor-Konto angelegt für: %s<byte value="xd"/>Das Passwort geht per E-Mail an: %s</translation>
    </message>
    <message>
        <source>New Quor account FAILED for: %s<byte value="xd"/>Email: %s<byte value="xd"/>Reason %d: %s</source>
        <translation>Neues Quor-Konto FEHLGESCHLAGEN für: %s<byte value="xd"/>E-Mail: %s<byte value="xd"/>Grund %d: %s</translation>
    </message>
    <message>
        <source>Password request of %s accepted<byte value="xd"/>Password will be emailed to: %s</source>
        <translation>Passwortanforderung von %s angenommen<byte value="xd"/>Das Passwort geht per E-Mail an: %s</translation>
    </message>
    <message>
        <source>Password request of %s FAILED<byte value="xd"/>Email: %s<byte value="xd"/>Reason %d: %s</source>
        <translation>Passwortanforderung von %s FEHLGESCHLAGEN<byte value="xd"/>E-Mail: %s<byte value="xd"/>Grund %d: %s</translation>
    </message>
</context>
<context>
    <name>hbquor::account::TFormCreateUser</name>
    <message>
        <source>WARNING: Creating a Quor account is carefully monitored. Using someone else&apos;s email address or creating a large number of accounts is strictly prohibited. If either of these occurs, the user will be banned from ever using Quor again and his or her ISP will be contacted. </source>
        <translation>WARNUNG: Das Anlegen von Quor-Konten wird genau überwacht. Fremde E-Mail-Adressen zu nutzen oder viele Konten anzulegen ist streng verboten. Wer das tut, wird für immer von Quor ausgeschlossen, und sein Internetanbieter wird benachrichtigt. </translation>
    </message>
    <message>
        <source>Your password will be sent to you by email. Please input the email address you registered with.</source>
        <translation>Das Passwort kommt per E-Mail. Bitte die E-Mail-Adresse eingeben, mit der das Konto angemeldet wurde.</translation>
    </message>
    <message>
        <source>Administrator, please input the new email address. </source>
        <translation>Administrator, bitte die neue E-Mail-Adresse eingeben. </translation>
    </message>
    <message>
        <source>Input the new email address and confirm it, make sure it is a valid address.<byte value="xd"/><byte value="xd"/>PROCEED WITH CARE: You will be disconnected after changing your email address, and a new password will be issued and sent to this new address. If you do not receive it, you will not be able to log in!</source>
        <translation>Neue E-Mail-Adresse eingeben und bestätigen; sie muss gültig sein.<byte value="xd"/><byte value="xd"/>VORSICHT: Nach der Änderung wird die Verbindung getrennt, und ein neues Passwort geht an die neue Adresse. Wer es nicht erhält, kann sich nicht mehr anmelden!</translation>
    </message>
    <message>
        <source>Administrator, please input the new password. </source>
        <translation>Administrator, bitte das neue Passwort eingeben. </translation>
    </message>
    <message>
        <source>Input the new password and confirm it<byte value="xd"/>Changing someone else&apos;s password is strictly prohibited. </source>
        <translation>Neues Passwort eingeben und bestätigen<byte value="xd"/>Fremde Passwörter zu ändern ist streng verboten. </translation>
    </message>
    <message>
        <source>Send Request</source>
        <translation>Anfrage senden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create a Quor Account</source>
        <translation>Quor-Konto anlegen</translation>
    </message>
    <message>
        <source>New Quor user name</source>
        <translation>Neuer Benutzername</translation>
    </message>
    <message>
        <source>User&apos;s email address (password will be sent there)</source>
        <translation>E-Mail-Adresse (für das Passwort)</translation>
    </message>
    <message>
        <source>Confirm email</source>
        <translation>E-Mail bestätigen</translation>
    </message>
    <message>
        <source>Request Forgotton Password</source>
        <translation>Vergessenes Passwort anfordern</translation>
    </message>
    <message>
        <source>Quor user name</source>
        <translation>Quor-Benutzername</translation>
    </message>
    <message>
        <source>Registered email address (password will be sent there)</source>
        <translation>Angemeldete E-Mail-Adresse (für das Passwort)</translation>
    </message>
    <message>
        <source>Change Email</source>
        <translation>E-Mail ändern</translation>
    </message>
    <message>
        <source>New email address (password will be sent there)</source>
        <translation>Neue E-Mail-Adresse (für das Passwort)</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Please input user name and email!</source>
        <translation>Bitte Benutzernamen und E-Mail eingeben!</translation>
    </message>
    <message>
        <source>Both email entries must be identical!</source>
        <translation>Beide E-Mail-Eingaben müssen gleich sein!</translation>
    </message>
    <message>
        <source>Please input user name and new email!</source>
        <translation>Bitte Benutzernamen und neue E-Mail eingeben!</translation>
    </message>
    <message>
        <source>Please input user name and new password!</source>
        <translation>Bitte Benutzernamen und neues Passwort eingeben!</translation>
    </message>
    <message>
        <source>Both password entries must be identical!</source>
        <translation>Beide Passwort-Eingaben müssen gleich sein!</translation>
    </message>
</context>
<context>
    <name>hbquor::account::TFormUserProfile</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>You must go online!</source>
        <translation>Bitte zuerst online gehen!</translation>
    </message>
    <message>
        <source>Error: connection state changed!</source>
        <translation>Fehler: Der Verbindungszustand hat sich geändert!</translation>
    </message>
    <message>
        <source>You may only change your own account!</source>
        <translation>Nur das eigene Konto darf geändert werden!</translation>
    </message>
    <message>
        <source>Reason %1: %2</source>
        <translation>Grund %1: %2</translation>
    </message>
    <message>
        <source>You may only request your own profile!</source>
        <translation>Nur das eigene Profil darf abgefragt werden!</translation>
    </message>
    <message>
        <source>Failed to request this profile:<byte value="xd"/></source>
        <translation>Das Profil konnte nicht abgefragt werden:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Failed to modify this profile:<byte value="xd"/></source>
        <translation>Das Profil konnte nicht geändert werden:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Profile of %s successfully modified!</source>
        <translation>Profil von %s erfolgreich geändert!</translation>
    </message>
    <message>
        <source>Failed to change email to %1<byte value="xd"/></source>
        <translation>Die E-Mail-Adresse konnte nicht in %1 geändert werden<byte value="xd"/></translation>
    </message>
    <message>
        <source>Email address modified to %1<byte value="xd"/>You will be disconnected.<byte value="xd"/>A new password has been sent that address</source>
        <translation>E-Mail-Adresse in %1 geändert<byte value="xd"/>Die Verbindung wird getrennt.<byte value="xd"/>Ein neues Passwort wurde an diese Adresse geschickt</translation>
    </message>
    <message>
        <source>Not an admin?</source>
        <translation>Kein Administrator?</translation>
    </message>
    <message>
        <source>Check the input values,<byte value="xd"/>empty fields are not allowed!</source>
        <translation>Eingaben prüfen,<byte value="xd"/>leere Felder sind nicht erlaubt!</translation>
    </message>
    <message>
        <source>User Profile</source>
        <translation>Benutzerprofil</translation>
    </message>
    <message>
        <source>Request Profile</source>
        <translation>Profil abfragen</translation>
    </message>
    <message>
        <source>Change Profile</source>
        <translation>Profil ändern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>change password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>change email</source>
        <translation>E-Mail ändern</translation>
    </message>
    <message>
        <source>User name may be case sensitive!</source>
        <translation>Groß-/Kleinschreibung im Namen kann zählen!</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>User type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <source>Last login</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Self created</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>The Menu key offers to show the password</source>
        <translation>Die Menütaste bietet an, das Passwort zu zeigen</translation>
    </message>
    <message>
        <source>view password (admin only)</source>
        <translation>Passwort zeigen (nur Administrator)</translation>
    </message>
</context>
<context>
    <name>hbquor::dialogs::ComfortSettingsPage</name>
    <message>
        <source>&amp;Keep running in the tray when the window closes</source>
        <translation>Beim Schließen des Fensters im Infobereich &amp;weiterlaufen</translation>
    </message>
    <message>
        <source>The desktop has no tray.</source>
        <translation>Der Desktop hat keinen Infobereich.</translation>
    </message>
    <message>
        <source>&amp;Normal size</source>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>As the desktop</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Sets the text size back to normal</source>
        <translation>Setzt die Textgröße auf normal zurück</translation>
    </message>
    <message>
        <source>Look&amp;s</source>
        <translation>&amp;Aussehen</translation>
    </message>
    <message>
        <source>normal (Ctrl+Plus, Ctrl+Minus)</source>
        <translation>normal (Strg+Plus, Strg+Minus)</translation>
    </message>
    <message>
        <source>%1%2 points</source>
        <translation>%1%2 Punkte</translation>
    </message>
</context>
<context>
    <name>hbquor::history::HistoryStore</name>
    <message>
        <source>History: another copy of the program keeps the history; this one keeps none this run</source>
        <translation>Verlauf: Eine andere Kopie des Programms führt den Verlauf; diese führt in diesem Lauf keinen</translation>
    </message>
    <message>
        <source>History: %1 cannot be locked (%2); no history is kept this run</source>
        <translation>Verlauf: %1 lässt sich nicht sperren (%2); in diesem Lauf wird kein Verlauf geführt</translation>
    </message>
    <message>
        <source>History: writing has fallen behind; lines are not kept until it catches up</source>
        <translation>Verlauf: Das Schreiben ist im Rückstand; Zeilen werden erst wieder behalten, wenn es aufgeholt hat</translation>
    </message>
</context>
<context>
    <name>hbquor::historyview::FindBar</name>
    <message>
        <source>Find in the conversation</source>
        <translation>Im Gespräch suchen</translation>
    </message>
    <message>
        <source>Enter finds the next older match, Shift+Enter the next newer one, Esc closes the bar</source>
        <translation>Eingabe sucht den nächsten älteren Treffer, Umschalt+Eingabe den nächsten neueren, Esc schließt die Leiste</translation>
    </message>
</context>
<context>
    <name>hbquor::historyview::HistorySettingsPage</name>
    <message>
        <source>Export history</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>&amp;Keep history</source>
        <translation>Verlauf &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Delete history ...</source>
        <translation>Verlauf &amp;löschen ...</translation>
    </message>
    <message>
        <source>E&amp;xport ...</source>
        <translation>E&amp;xportieren ...</translation>
    </message>
    <message>
        <source>0 keeps it for ever</source>
        <translation>0 behält ihn für immer</translation>
    </message>
    <message>
        <source>user or #channel; empty for all</source>
        <translation>Benutzer oder #Kanal; leer für alle</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Reiner Text</translation>
    </message>
    <message>
        <source>JSON lines</source>
        <translation>JSON-Zeilen</translation>
    </message>
    <message>
        <source>Deletes the history with the conversation named, or all history</source>
        <translation>Löscht den Verlauf mit dem genannten Gespräch oder den ganzen Verlauf</translation>
    </message>
    <message>
        <source>Exports the history with the conversation named</source>
        <translation>Exportiert den Verlauf mit dem genannten Gespräch</translation>
    </message>
    <message>
        <source>Days ke&amp;pt:</source>
        <translation>Tage be&amp;halten:</translation>
    </message>
    <message>
        <source>Con&amp;versation:</source>
        <translation>&amp;Gespräch:</translation>
    </message>
    <message>
        <source>Fo&amp;rmat:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Histor&amp;y</source>
        <translation>V&amp;erlauf</translation>
    </message>
    <message>
        <source>the days kept are a number from 0 to %1</source>
        <translation>die behaltenen Tage sind eine Zahl von 0 bis %1</translation>
    </message>
    <message>
        <source>History is off. Delete all history kept?</source>
        <translation>Der Verlauf ist aus. Den ganzen behaltenen Verlauf löschen?</translation>
    </message>
    <message>
        <source>Delete all history?</source>
        <translation>Den ganzen Verlauf löschen?</translation>
    </message>
    <message>
        <source>Delete the history with %1?</source>
        <translation>Den Verlauf mit %1 löschen?</translation>
    </message>
    <message>
        <source>The history could not be exported to %1</source>
        <translation>Der Verlauf ließ sich nicht nach %1 exportieren</translation>
    </message>
</context>
<context>
    <name>hbquor::historyview::PastLines</name>
    <message>
        <source>earlier</source>
        <translation>früher</translation>
    </message>
</context>
<context>
    <name>hbquor::historyview::SearchDialog</name>
    <message>
        <source>F&amp;rom</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Search history - %1</source>
        <translation>Verlauf durchsuchen - %1</translation>
    </message>
    <message>
        <source>words, &quot;a phrase&quot;, prefix*</source>
        <translation>Wörter, &quot;eine Wendung&quot;, Anfang*</translation>
    </message>
    <message>
        <source>user or #channel; empty for all</source>
        <translation>Benutzer oder #Kanal; leer für alle</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Gefundene Zeilen</translation>
    </message>
    <message>
        <source>Lines around the selected one</source>
        <translation>Zeilen um die gewählte</translation>
    </message>
    <message>
        <source>Opens the conversation at the selected line</source>
        <translation>Öffnet das Gespräch an der gewählten Zeile</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>With</source>
        <translation>Mit</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>S&amp;uche nach:</translation>
    </message>
    <message>
        <source>&amp;With:</source>
        <translation>&amp;Mit:</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>Der Verlauf ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Nothing found.</source>
        <translation>Nichts gefunden.</translation>
    </message>
    <message>
        <source>1 line found.</source>
        <translation>1 Zeile gefunden.</translation>
    </message>
    <message>
        <source>%1 lines found.</source>
        <translation>%1 Zeilen gefunden.</translation>
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
<context>
    <name>hbquor::settings::ChatLogPage</name>
    <message>
        <source>&amp;Log chat to a file</source>
        <translation>Chat in eine Datei &amp;protokollieren</translation>
    </message>
    <message>
        <source>Open i&amp;ts folder</source>
        <translation>Ordner der Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Opens the folder that holds the chat log file</source>
        <translation>Öffnet den Ordner mit der Chatprotokolldatei</translation>
    </message>
    <message>
        <source>Chat lo&amp;g</source>
        <translation>Chatproto&amp;koll</translation>
    </message>
</context>
<context>
    <name>hbquor::settings::ConnectionPage</name>
    <message>
        <source>Trusted certificate</source>
        <translation>Vertrautes Zertifikat</translation>
    </message>
    <message>
        <source>PEM certificates (*.pem *.crt);;All files (*)</source>
        <translation>PEM-Zertifikate (*.pem *.crt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Ser&amp;ver</source>
        <translation>&amp;Server</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>Connect with &amp;TLS</source>
        <translation>Mit TLS &amp;verbinden</translation>
    </message>
    <message>
        <source>Truste&amp;d certificate</source>
        <translation>Vertrautes &amp;Zertifikat</translation>
    </message>
    <message>
        <source>&amp;Browse ...</source>
        <translation>&amp;Durchsuchen ...</translation>
    </message>
    <message>
        <source>Chooses the trusted certificate file</source>
        <translation>Wählt die Datei des vertrauten Zertifikats</translation>
    </message>
    <message>
        <source>Reconnect by itse&amp;lf</source>
        <translation>Von selbst &amp;neu verbinden</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Pro&amp;xy</source>
        <translation>Pro&amp;xy</translation>
    </message>
    <message>
        <source>Proxy &amp;host</source>
        <translation>Proxy-&amp;Host</translation>
    </message>
    <message>
        <source>Proxy po&amp;rt</source>
        <translation>Proxy-Po&amp;rt</translation>
    </message>
    <message>
        <source>Proxy &amp;user</source>
        <translation>Proxy-&amp;Benutzer</translation>
    </message>
    <message>
        <source>Proxy pass&amp;word</source>
        <translation>Proxy-Pass&amp;wort</translation>
    </message>
    <message>
        <source>Re&amp;member password</source>
        <translation>Passwort &amp;merken</translation>
    </message>
    <message>
        <source>Log on by itself at st&amp;art</source>
        <translation>Beim Start von selbst anme&amp;lden</translation>
    </message>
    <message>
        <source>Not possible: </source>
        <translation>Nicht möglich: </translation>
    </message>
    <message>
        <source>Connect&amp;ion</source>
        <translation>Verb&amp;indung</translation>
    </message>
</context>
<context>
    <name>hbquor::settings::NotificationsPage</name>
    <message>
        <source>&amp;Notify me of texts that arrive while I work elsewhere</source>
        <translation>&amp;Benachrichtigen bei Texten, die eintreffen, während ich anderswo arbeite</translation>
    </message>
    <message>
        <source>Noti&amp;fications</source>
        <translation>Benachri&amp;chtigungen</translation>
    </message>
</context>
<context>
    <name>hbquor::settings::RememberedLogon</name>
    <message>
        <source>The password (%s) was not remembered: %s</source>
        <translation>Das Passwort (%s) wurde nicht gemerkt: %s</translation>
    </message>
    <message>
        <source>The password (%s) could not be forgotten: %s</source>
        <translation>Das Passwort (%s) ließ sich nicht vergessen: %s</translation>
    </message>
</context>
<context>
    <name>hbquor::settings::SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>Logged on: server, TLS and proxy changes apply at the next logon.</source>
        <translation>Angemeldet: Änderungen an Server, TLS und Proxy gelten ab der nächsten Anmeldung.</translation>
    </message>
    <message>
        <source>Disabled while a field is faulty</source>
        <translation>Gesperrt, solange ein Feld fehlerhaft ist</translation>
    </message>
</context>
<context>
    <name>hbquor::settings::TimesPage</name>
    <message>
        <source>&amp;VRT, the service&apos;s time</source>
        <translation>&amp;VRT, die Zeit des Dienstes</translation>
    </message>
    <message>
        <source>&amp;UTC</source>
        <translation>&amp;UTC</translation>
    </message>
    <message>
        <source>&amp;Local time</source>
        <translation>&amp;Lokale Zeit</translation>
    </message>
    <message>
        <source>%s - now %s %s</source>
        <translation>%s - jetzt %s %s</translation>
    </message>
    <message>
        <source>Said lines start with their &amp;time</source>
        <translation>Gesagte Zeilen beginnen mit ihrer &amp;Zeit</translation>
    </message>
    <message>
        <source>Tim&amp;es</source>
        <translation>Zei&amp;ten</translation>
    </message>
</context>
</TS>
