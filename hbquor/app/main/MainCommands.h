// SPDX-License-Identifier: MIT
// MainCommands: the main window's commands on users and channels: the
// contacts and channels panes and their context menus, the Communicate
// menu's join, list, ping, status and invite items, the user-name, join and
// invite dialogs, leaving a channel whose window closes, rejoining after a
// lost connection, and dragging a pane's item onto the target input. Every
// request goes through the client core, for its account.
#pragma once

#include "DialogHost.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class ContactListModel;
class EventLines;
class QObject;
class TalkWindowRegistry;
struct TFormQuorMainControls;

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::main {

class MainCommands {
    Q_DECLARE_TR_FUNCTIONS(MainCommands)

public:
    /// Connects the panes and menu items of ui to the handlers below; the
    /// core's rejoins after a lost connection open their windows here.
    /// Everything given must outlive the commands.
    MainCommands(client::ChatClient &client, const TFormQuorMainControls &ui,
                 TalkWindowRegistry &talkWindows, ContactListModel &contacts, EventLines &lines,
                 DialogHost host);

    // ---- Contacts ----
    void mnuAddContact1Click();
    void mnuDeleteContact1Click();

    // ---- Conversations ----
    void mnuOpenChatClick();
    void ListView1DblClick();
    void OpenChatDialog(const QString &name);

    // ---- Ping and online status ----
    void mnuPingUserClick();
    void mnuPingUser1Click();
    void mnuUserStatusClick();
    void mnuUserStatus1Click();
    void PingDialog(const QString &name);
    void StatusDialog(const QString &name);

    // ---- Channels and invitations ----
    void mnuJoinChannelClick();
    /// Opens the channel's window (or shows the open one) and asks to join;
    /// a refused join closes the window.
    void OpenAndJoinChannel(const QString &channel, int type, const QString &password);
    void ListView2DblClick();
    void mnuListChannelsClick();
    void mnuInviteUser1Click();
    void mnuInviteUser2Click();
    void InviteDialog(const QString &user, const QString &channel);
    /// A channel window closed: the lines while logged on, then leaving.
    void ChannelWindowClosed(const QString &channel);

    /// A drop on the target input is accepted from the two panes only; it
    /// puts the caption of that pane's selected item into the input.
    bool inpTargetDragOver(const QObject *source) const;
    void inpTargetDragDrop(QObject *source);

private:
    /// Shows the user-name dialog set up for one command; returns the input
    /// as typed after confirmation, or std::nullopt.
    std::optional<QString> AskUserName(const QString &title, const QString &button,
                                       const QString &prefill);
    /// The add and delete commands: asks for a name, changes the list (a
    /// refusal shows the name and the refusal text) and the session's list.
    using ListChange = bool (ContactListModel::*)(const QString &);
    using SessionChange = void (client::ChatClient::*)(const QString &);
    void ChangeContacts(const QString &title, const QString &button, const QString &prefill,
                        ListChange change, const char *refusal, SessionChange request);
    /// A request of the core for a user name.
    using UserRequest = int (client::ChatClient::*)(const QString &);
    /// Shows the user-name dialog and, when it is confirmed with a name,
    /// sends the request for that name (the core checks that the account is
    /// still logged on).
    void AskUserAndRequest(const QString &title, const QString &button, const QString &name,
                           UserRequest request);

    client::ChatClient &FClient;
    const TFormQuorMainControls &FUi;
    TalkWindowRegistry &FTalkWindows;
    ContactListModel &FContacts;
    EventLines &FLines;
    DialogHost FHost;
};

} // namespace hbquor::main
