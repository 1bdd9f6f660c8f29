// SPDX-License-Identifier: MIT
// The main window's controls and menus, as a designer would lay them out:
// every control at its place in a 540 by 368 client area (the smallest the
// window gets; a larger one gives the log, the panes and the inputs the extra
// room), the three menus and the two panes' context menus, all reachable from
// the keyboard. The window holds them in one struct and reaches them by the
// names its handlers use (ui.spbLogon).
#pragma once

class QAction;
class QColor;
class QString;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QTabWidget;
class QTextEdit;
class QTimer;
class QToolButton;
class QTreeWidget;
class QWidget;

/// The controls and menu items of the main window; the window owns them
/// (they are its Qt children).
///
/// The controls keep the designer's numbered names. Legend: Label1 "Talk /
/// telegram to", Label2 "user name", Label3 "password", Label4 "say";
/// PageControl1 the two tabs, TabSheet1 the "Contacts" tab (its list
/// ListView1, the contacts pane) and Channels the "Channels" tab (ListView2,
/// the channels pane); RichEdit1 the log pane; Timer1 the clock's tick;
/// PopupMenu1 and PopupMenu2 the context menus of the two panes.
struct TFormQuorMainControls {
    // ---- Controls ----
    QToolButton *spbLogon = nullptr;
    QToolButton *spbLogoff = nullptr;
    QWidget *pnLoginData = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *inpUserName = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *inpPassword = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QWidget *Channels = nullptr;
    QTreeWidget *ListView2 = nullptr;
    QTextEdit *RichEdit1 = nullptr;
    QToolButton *spbScrolling = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *inpTarget = nullptr;
    QLabel *pnVRT = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *inpSayThis = nullptr;
    QTimer *Timer1 = nullptr;

    // ---- Menus ----
    QAction *mnuCreateaQuoraccount = nullptr;
    QAction *mnuReqPassword = nullptr;
    QAction *mnuLogChat = nullptr;
    QAction *mnuSettings = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuJoinChannel = nullptr;
    QAction *mnuInviteUser1 = nullptr;
    QAction *mnuListChannels = nullptr;
    QAction *mnuPingUser = nullptr;
    QAction *mnuUserStatus = nullptr;
    QAction *mnuUserProfile = nullptr;
    QAction *mnuSearchHistory = nullptr;
    QAction *mnuQuorSDK = nullptr;
    QAction *mnuQuorDelphi = nullptr;
    QAction *mnuContactAuthor = nullptr;
    QAction *mnuAbout = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *mnuOpenChat = nullptr;
    QAction *mnuPingUser1 = nullptr;
    QAction *mnuUserStatus1 = nullptr;
    QAction *mnuInviteUser3 = nullptr;
    QAction *mnuAddContact1 = nullptr;
    QAction *mnuDeleteContact1 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    QAction *mnuJoinChannel2 = nullptr;
    QAction *mnuInviteUser2 = nullptr;
};

/// Builds every control and menu inside window: a client area of at least
/// 540 by 368 whose controls follow its edges, Arial 8, the keyboard focus
/// order of the login inputs, the target, the say input, the tabs and their
/// panes, the log and the buttons, access keys on every menu and item,
/// Ctrl+Q for "Exit", and the context menus opening on a right click, the
/// Menu key or Shift+F10 in their panes. Nothing is connected to the
/// window's handlers.
TFormQuorMainControls BuildMainWindowControls(QMainWindow &window);

/// Enables or disables the commands that need a connected session (both
/// join items, list, both status and ping items, the Communicate menu's
/// invite item and "Open Chat ...").
void EnableSessionCommands(const TFormQuorMainControls &ui, bool enabled);

/// The caption of the selected item of a pane, empty when none is selected.
QString SelectedCaption(const QTreeWidget *pane);

/// Sets the background of the log pane and the contacts pane.
void SetPaneColour(const TFormQuorMainControls &ui, const QColor &colour);
