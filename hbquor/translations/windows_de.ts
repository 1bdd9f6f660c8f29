<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>Looks</source>
        <translation>Aussehen</translation>
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
</TS>
