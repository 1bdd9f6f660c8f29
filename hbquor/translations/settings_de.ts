<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
