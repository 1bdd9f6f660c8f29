// SPDX-License-Identifier: MIT
// TFormQuorChannel: the window of one chat channel: the members present
// (ListView1, sorted, one entry per name whatever its letter case), the lines
// said while the window is open, and an input line for saying something to
// the channel (sent only when someone else is there to hear it). The member
// list grows with the window's height; Enter on a member opens the
// conversation as a double click does, and the Menu key its pop-up menu.
//
// The window knows nothing of the session layer. The main window creates it
// when the user joins the channel and installs its hooks:
// - SetOnSendText: sends a line to the channel;
// - SetOnClose: told when the window closes (the main window then leaves the
//   channel and drops the window from its registry);
// - SetChatWindowHooks: finds or creates the main window's conversation
//   window for a member, used by the member list's "Open Chat";
// - SetInviteDialogTarget: the object (the main window) to which "Invite User
//   to Channel ..." posts a TInviteDialogEvent with this window's channel.
// It feeds the window through MemberJoined, MemberLeft, AddLine and the
// channel information setters.
#pragma once

#include "TalkWindow.h"

#include <QPointer>
#include <QStringList>

class QAction;
class QMenu;
class QTreeWidget;
class TFormQuorChat;

class TFormQuorChannel : public TQuorTalkWindow {
    Q_OBJECT

public:
    using CloseHandler = std::function<void(TFormQuorChannel &window)>;
    /// Finds (or creates) the conversation window for a user name; nullptr
    /// when there is none (or it could not be made). May throw.
    using ChatWindowLookup = std::function<TFormQuorChat *(const QString &name)>;

    TFormQuorChannel();

    /// The size a channel window is designed for, its starting and minimum size.
    static QSize StartingSize();

    void SetChannelName(const QString &name);
    const QString &GetChannelName() const { return ChannelName; }
    /// 0 "Standard", 1 "Invite-only", 2 "Passworded", anything else "Unknown".
    void SetChannelType(int type);
    int GetChannelType() const { return ChannelType; }
    /// Shown in parentheses in the title when not empty.
    void SetChannelInfo(const QString &info);
    const QString &GetChannelInfo() const { return ChannelInfo; }
    /// Kept, not shown.
    void SetChannelInfoExtra(const QString &info);
    const QString &GetChannelInfoExtra() const { return ChannelInfoExtra; }

    /// The English name of a channel type, as the chat log file keeps it.
    static QString ChannelTypeName(int type);
    /// The same in the user's language, as the title shows it.
    static QString ShownChannelTypeName(int type);

    /// Adds "* <user> joined" and lists the user unless a name equal to it
    /// ignoring case is already listed; the list stays sorted.
    void MemberJoined(const QString &user);
    /// Adds "* <user> left" and removes the first listed name equal to it
    /// ignoring case, if any.
    void MemberLeft(const QString &user);
    /// The listed member names, in list order.
    QStringList MemberNames() const;
    int MemberCount() const;

    void SetOnClose(CloseHandler handler) { OnClose = std::move(handler); }
    void SetChatWindowHooks(ChatWindowLookup findChatWindow, ChatWindowLookup createChatWindow);
    void SetInviteDialogTarget(QObject *target) { FInviteDialogTarget = target; }

    /// The member list and its pop-up menu; the window owns them. Legend of
    /// the designer's numbered names: ListView1 the member list, PopupMenu1
    /// its pop-up menu, InviteUsertoChannel1 the menu's invite item.
    QTreeWidget *const ListView1;
    QMenu *const PopupMenu1;
    QAction *const mnuOpenChat;
    QAction *const InviteUsertoChannel1;

public slots:
    /// Shows the selected member's conversation window (restored if
    /// minimised), creating it when there is none; errors are swallowed.
    void ListView1DblClick();
    /// Shows the selected member's conversation window, creating it when
    /// there is none; errors are swallowed.
    void mnuOpenChatClick();
    /// Asks the main window for the invite dialog with this channel filled
    /// in and an empty user name.
    void InviteUsertoChannel1Click();

protected:
    /// Title: "<type> channel <name> [(<info>) ]- <own>".
    void UpdateCaption() override;
    QString &SendTarget() override { return ChannelName; }
    /// Saying something needs at least one other member listed.
    bool CanSend() const override { return MemberCount() >= 2; }
    /// The other members, then the names the main window knows.
    QStringList CompletionNames() const override;
    void NotifyClosed() override;

private:
    /// Caption of the selected member entry, empty when none is selected.
    QString SelectedMember() const;
    /// Index of the first entry whose caption equals name ignoring case, or -1.
    int FindMember(const QString &name) const;

    QString ChannelName;
    int ChannelType = 0;
    QString ChannelInfo;
    QString ChannelInfoExtra;

    CloseHandler OnClose;
    ChatWindowLookup FFindChatWindow;
    ChatWindowLookup FCreateChatWindow;
    QPointer<QObject> FInviteDialogTarget;
};
