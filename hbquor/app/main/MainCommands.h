// TQuorMainCommands: the main window's commands on users and channels: the
// contacts and channels panes and their context menus, the Communicate
// menu's join, list, ping, status and invite items, the user-name, join
// and invite dialogs, the send handlers of the conversation and channel
// windows, and dragging a pane's item onto the target input. Every request
// names the account by the login name.
#pragma once

#include <QString>

#include <optional>
#include <string_view>

class ContactListModel;
class EventLines;
class QObject;
class TFormQuorMain;

namespace hbquor {
class ThbQuorCentral;
}

class TQuorMainCommands {
public:
    /// Connects the panes and menu items of window to the handlers below.
    TQuorMainCommands(TFormQuorMain &window, EventLines &lines);

    // ---- Contacts ----
    void mnuAddContact1Click();
    void mnuDeleteContact1Click();
    /// Hands the contact list to the session of account.
    void SendContactList(const QString &account);

    // ---- Conversations ----
    void mnuOpenChatClick();
    void ListView1DblClick();
    void OpenChatDialog(const QString &name);
    /// Send handlers of the two kinds of window: true when the text was sent.
    bool ChatWindowSend(QString &own, QString &peer, const QString &text);
    bool ChannelWindowSend(QString &own, QString &channel, const QString &text);

    // ---- Ping and online status ----
    void mnuPingUserClick();
    void mnuPingUser1Click();
    void mnuUserStatusClick();
    void mnuUserStatus1Click();
    void PingDialog(const QString &account, const QString &name);
    void StatusDialog(const QString &account, const QString &name);

    // ---- Channels and invitations ----
    void mnuJoinChannelClick();
    /// Opens the channel's window (or shows the open one) and asks to join;
    /// a join handed to the server is remembered for rejoining after a
    /// lost connection, a refused one closes the window.
    void OpenAndJoinChannel(const QString &channel, int type, const QString &password);
    void ListView2DblClick();
    void mnuListChannelsClick();
    void mnuInviteUser1Click();
    void mnuInviteUser2Click();
    void InviteDialog(const QString &user, const QString &channel);

    /// A drop on the target input is accepted from the two panes only; it
    /// puts the caption of that pane's selected item into the input.
    bool inpTargetDragOver(const QObject *source) const;
    void inpTargetDragDrop(QObject *source);

private:
    hbquor::ThbQuorCentral &Central();
    /// Whether a window's text from own to target may go out; if not, the
    /// reason is logged.
    bool SendAllowed(const QString &own, const QString &target);
    /// Shows the user-name dialog set up for one command; returns the input
    /// as typed after confirmation, or std::nullopt.
    std::optional<QString> AskUserName(const QString &title, const QString &button,
                                       const QString &prefill);
    /// The add and delete commands: asks for a name, changes the list (a
    /// refusal shows the name and the refusal text) and the session's list.
    using ListChange = bool (ContactListModel::*)(const QString &);
    using SessionChange = bool (hbquor::ThbQuorCentral::*)(std::string_view, std::string_view);
    void ChangeContacts(const QString &title, const QString &button, const QString &prefill,
                        ListChange change, const char *refusal, SessionChange request);
    /// A request of the session manager for (account, user name).
    using UserRequest = int (hbquor::ThbQuorCentral::*)(std::string_view, std::string_view);
    /// Shows the user-name dialog and, when it is confirmed with a name and
    /// the account is still connected, sends the request for that name.
    void AskUserAndRequest(const QString &title, const QString &button, const QString &account,
                           const QString &name, UserRequest request);

    TFormQuorMain &FWindow;
    EventLines &FLines;
};
