// SPDX-License-Identifier: MIT
// TalkWindowRegistry: the main window's open conversation windows (by user
// name) and channel windows (by channel name), looked up ignoring the case
// of A to Z, first match. The windows belong to the application and free
// themselves when closed; the registry only refers to them and drops a
// window's entry in its close handler. Every registered channel window has
// one item in the channels pane with its name, in the order they opened.
#pragma once

#include "MessageBoxes.h"
#include "TalkWindow.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>

#include <functional>

class PaneZoom;
class QObject;
class QTreeWidget;
class QWidget;
class TFormQuorChannel;
class TFormQuorChat;

class TalkWindowRegistry {
public:
    /// What the main window gives the windows the registry makes.
    struct Hooks {
        /// Sizes and places a new window before it shows (centred over the
        /// main window).
        std::function<void(TQuorTalkWindow *window)> Place;
        /// The own name of a new conversation window.
        std::function<QString()> OwnName;
        /// The send handlers of conversation and channel windows.
        TQuorTalkWindow::SendTextHandler SendToUser;
        TQuorTalkWindow::SendTextHandler SendToChannel;
        /// A channel window was made, and one closed (its entry and pane item
        /// already gone).
        std::function<void(const QString &own, const QString &channel)> ChannelOpened;
        std::function<void(const QString &channel)> ChannelClosed;
        /// How the windows show the lines the user says in them.
        TQuorTalkWindow::SaidLineForm SaidLineForm;
        /// A conversation window for a peer, or a channel window, was made
        /// and registered under name.
        std::function<void(TQuorTalkWindow &window, const QString &name)> WindowOpened;
        /// The names Tab completes in channel windows besides the members.
        TQuorTalkWindow::NameSource KnownNames;
        /// Enter in a channel window found nobody else to send to.
        std::function<void(const QString &channel)> CannotSendToChannel;
        /// Where channel windows post their requests for the invite dialog.
        QObject *InviteDialogTarget = nullptr;
        /// The zoom every window's pane follows, when set.
        PaneZoom *Zoom = nullptr;
        /// Tells the user why a window could not be made.
        ShowMessageFunction ShowMessage;
    };

    /// channelsPane must outlive the registry.
    TalkWindowRegistry(QTreeWidget *channelsPane, Hooks hooks);
    /// Closes the windows still open (CloseAll).
    ~TalkWindowRegistry();
    TalkWindowRegistry(const TalkWindowRegistry &) = delete;
    TalkWindowRegistry &operator=(const TalkWindowRegistry &) = delete;

    TFormQuorChat *FindChatWindow(const QString &name) const;
    TFormQuorChannel *FindChannelWindow(const QString &channel) const;

    /// Registers windows made elsewhere, with the registry's close handler.
    void RegisterChatWindow(const QString &name, TFormQuorChat *window);
    void RegisterChannelWindow(const QString &channel, TFormQuorChannel *window);

    /// The registered window, or a new one made with the hooks and
    /// registered; nullptr (the user told why) when it could not be made.
    TFormQuorChat *CreateChatWindow(const QString &name);
    TFormQuorChannel *CreateChannelWindow(const QString &own, const QString &channel, int type);

    /// Closes every channel window (each close drops it); conversations stay.
    void CloseAllChannelWindows();
    /// Closes every window without running its close handler, as the
    /// program ends, and forgets them all.
    void CloseAll();

private:
    /// The close handlers of the two kinds of window.
    void ForgetChatWindow(TFormQuorChat &window);
    void ChannelWindowClosed(TFormQuorChannel &window);

    QTreeWidget *FChannelsPane;
    Hooks FHooks;
    QList<QPair<QString, QPointer<TFormQuorChat>>> FChatWindows;
    QList<QPair<QString, QPointer<TFormQuorChannel>>> FChannelWindows;
};
