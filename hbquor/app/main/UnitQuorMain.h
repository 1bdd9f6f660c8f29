// SPDX-License-Identifier: MIT
// TFormQuorMain: the program's main window, a view of the client core. It
// shows what the core announces and forwards what the user does: its
// controls (built by MainWindowControls), the three looks, its place and
// size, closing, and the parts that show the session, each listening to
// the core's signals itself:
// - the log pane and chat log (EventLog, worded by EventLines);
// - the contact list (ContactListModel), shown by the contacts pane;
// - the open conversation and channel windows (TalkWindowRegistry) and the
//   sizes new ones open with (TalkWindowSizes);
// - the alerts for what arrives while the user works elsewhere
//   (TextAlerts), the message boxes of the events, the clock (VrtClock);
// - the account windows (AccountEventRouter).
// Its handlers call the core, the commands on users and channels
// (MainCommands), the sending of texts (TextSender) or the account
// commands. The settings are read at start-up, handed to the core as far as
// it needs them, and written at close.
//
// The window opens with the size and state (maximised or not) it had at the
// last close, never smaller than its layout (NormalFrame keeps the place a
// maximised window is restored to).
//
// The window has three looks: disconnected (login inputs shown, pale
// yellow), connecting (pale cyan, caption with the login name) and connected
// (white, the commands that need a session enabled).
#pragma once

#include "AppFiles.h"
#include "ColorLooks.h"
#include "ContactListModel.h"
#include "ContactPaneView.h"
#include "DesktopNotifier.h"
#include "EventLines.h"
#include "EventLog.h"
#include "HeardNames.h"
#include "MainSettings.h"
#include "MainWindowControls.h"
#include "MessageBoxes.h"
#include "TalkWindowRegistry.h"
#include "TalkWindowSizes.h"
#include "TextAlerts.h"
#include "UnreadCounts.h"
#include "VrtClock.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class FramePlacement;
class NormalFrame;
class PaneZoom;
class QDialog;
class QUrl;
class TFormQuorAbout;

namespace hbquor {
namespace account {
class AccountEventRouter;
}
namespace client {
class ChatClient;
}
namespace historyrecord {
class ProgramHistory;
}
namespace main {
class HistorySearchCommand;
class MainCommands;
class TextSender;
class TrayIcon;
} // namespace main
namespace settings {
class PasswordStore;
class RememberedLogon;
} // namespace settings
} // namespace hbquor

/// What the window takes from outside; everything has a working default.
struct TFormQuorMainOptions {
    /// The settings, contacts and chat log files.
    AppFiles Files;
    /// The general message box; replaced by tests to record the texts.
    ShowMessageFunction ShowMessage;
    /// The exit confirmation; replaced by tests.
    AskYesNoFunction AskYesNo;
    /// Whether the desktop shows a tray; QSystemTrayIcon's answer when not
    /// set.
    std::function<bool()> TrayAvailable;
    /// Opens a web or mail address with the user's default program.
    std::function<void(const QUrl &)> OpenUrl;
    /// The screen size used to keep windows on the screen; the primary
    /// screen's when not set.
    std::optional<QSize> ScreenSize;
    /// Runs a modal dialog and returns its result; QDialog::exec when not
    /// set. Tests fill the dialog and answer instead.
    std::function<int(QDialog &)> ExecDialog;
    /// Shows desktop notifications; the session bus's notification service
    /// when not set.
    std::shared_ptr<DesktopNotifier> Notifier;
    /// How the alerts see the active window and mark a window urgent; the
    /// application's when not set.
    TextAlerts::Hooks AlertHooks;
    /// Where remembered passwords are kept; the desktop's secret store when
    /// not set.
    std::shared_ptr<hbquor::settings::PasswordStore> Passwords;
};

class TFormQuorMain : public QMainWindow {
    Q_OBJECT

public:
    /// Builds the window for client (which must outlive it) and runs
    /// FormCreate, which initialises the client's library.
    TFormQuorMain(hbquor::client::ChatClient &client, TFormQuorMainOptions options,
                  QWidget *parent = nullptr);
    /// Runs FormDestroy.
    ~TFormQuorMain() override;

    /// The controls and menu items, reached by their names (ui.spbLogon).
    const TFormQuorMainControls ui;

    // ---- The parts the window shows ----
    const MainSettings &Settings() const { return FSettings; }
    /// Takes the tray, zoom and colour choices of the settings page: the
    /// first two at once, the colour scheme from the next start; all are
    /// written at close.
    void ApplyComfortSettings(const ComfortSettings &comfort);
    ContactListModel &Contacts() { return FContacts; }
    EventLog &Log() { return FLog; }
    TalkWindowRegistry &TalkWindows() { return FTalkWindows; }
    hbquor::main::MainCommands &Commands() { return *FCommands; }
    /// The history of the run, for the History settings page and search.
    hbquor::historyrecord::ProgramHistory &History() { return *FHistory; }
    hbquor::main::HistorySearchCommand &HistorySearch() { return *FHistorySearch; }

    /// The trimmed texts of the user name, password and target inputs.
    QString GetLoginName() const;
    QString GetPassword() const;
    QString GetTarget() const;

    // ---- Looks ----
    // Each look is also told in words, as the window's accessible
    // description, for those who do not see the colours.
    void ShowDisconnected();
    void ShowConnecting();
    void ShowConnected();

    /// Places form centred over this window, kept on the screen.
    void CenterOnMainWindow(QWidget *form) const;

    /// The about box the "About" command shows (created by the program entry).
    void SetAboutBox(TFormQuorAbout *about);

    /// Saves settings, contacts and the chat log as closing the window does,
    /// without the exit question; used when the desktop session ends. Later
    /// closing does not save again.
    void CloseWithoutAsking();

public slots:
    void Timer1Timer();
    // Logon, logoff, the say input and the account commands.
    void spbLogonClick();
    void spbLogoffClick();
    void inpUserNameKeyDown(int key);
    void inpPasswordKeyDown(int key);
    /// Returns true when the key was acted on (the input does not see it).
    bool inpSayThisKeyDown(int key);
    void mnuCreateaQuoraccountClick();
    void mnuReqPasswordClick();
    void mnuUserProfileClick();
    void mnuSearchHistoryClick();
    // The log, the File menu and the Help menu.
    void spbScrollingClick();
    void mnuLogChatClick();
    void mnuSettingsClick();
    void mnuExitClick();
    void mnuQuorSDKClick();
    void mnuQuorDelphiClick();
    void mnuContactAuthorClick();
    void mnuAboutClick();

protected:
    /// Runs the invite dialog a channel window asks for.
    bool event(QEvent *event) override;
    /// Keys in the login and say inputs, drops on the target input.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    /// Reads the settings and sizes and places the window as they say.
    void ReadSettings();
    /// Puts the times, the said lines' stamps and the notifications of
    /// FSettings into effect.
    void ApplySettings();
    /// Reads the remembered passwords back and logs on by itself when the
    /// settings say so.
    void RestoreRemembered();
    void FormPaint();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    /// Connects the window's own handlers to their controls, and its looks
    /// and its parts to the client core's signals.
    void ConnectCommands();
    /// What the conversation and channel windows get from this window.
    TalkWindowRegistry::Hooks TalkWindowHooks();
    /// The names Tab completes: the contacts, then the users heard from.
    QStringList KnownNames() const;

    hbquor::client::ChatClient &FClient;
    TFormQuorMainOptions FOptions;
    MainSettings FSettings;
    /// The text size of the log pane and every talk window's pane.
    PaneZoom *FZoom;
    /// The panes' colours by connection state, light or dark.
    hbquor::main::PaneColours FPaneColours;
    ContactListModel FContacts;
    ContactPaneView FContactsView;
    VrtClock FClock;
    EventLog FLog;
    EventLines FLines;
    /// Declared before the windows that show it.
    std::unique_ptr<hbquor::historyrecord::ProgramHistory> FHistory;
    TalkWindowRegistry FTalkWindows;
    std::unique_ptr<TextAlerts> FAlerts;
    std::unique_ptr<hbquor::main::TextSender> FSender;
    std::unique_ptr<hbquor::main::MainCommands> FCommands;
    std::unique_ptr<hbquor::main::HistorySearchCommand> FHistorySearch;
    std::unique_ptr<hbquor::account::AccountEventRouter> FAccountEvents;
    std::unique_ptr<hbquor::settings::RememberedLogon> FRemembered;
    /// The users heard from this run, for name completion.
    hbquor::client::HeardNames *FHeard = nullptr;
    /// The tray icon (none without a tray).
    hbquor::main::TrayIcon *FTray = nullptr;
    /// Exit was chosen: the close asks, whatever CloseToTray says.
    bool FExitChosen = false;
    /// The fixed title text the captions start with.
    QString FTitle;
    bool FFirstPaintDone = false;
    /// The window has been through FormClose.
    bool FClosed = false;
    FramePlacement *FPlacement = nullptr;
    NormalFrame *FNormalFrame = nullptr;
    /// The sizes new conversation and channel windows open with.
    std::unique_ptr<TalkWindowSizes> FTalkSizes;
    QPointer<TFormQuorAbout> FAboutBox;
};
