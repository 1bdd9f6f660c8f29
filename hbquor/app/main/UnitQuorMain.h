// TFormQuorMain: the program's main window and the owner of the whole client
// session. It composes the objects that do the work and is the glue between
// them and the window's controls:
// - its controls (ui), built by MainWindowControls;
// - the settings (MainSettings), read at start-up and written at close;
// - the contact list (ContactListModel), shown by the contacts pane;
// - the log pane and chat log (EventLog), worded by EventLines;
// - the open conversation and channel windows (TalkWindowRegistry) and the
//   sizes new ones open with (TalkWindowSizes);
// - the last invitation sent (InvitationMemory) and the clock (VrtClock);
// - the conversations of this run (ConversationHistory) and the alerts for
//   what arrives while the user works elsewhere (TextAlerts);
// - the session manager, its window events (TQuorMainEvents), its account
//   events (TAccountEventRouter) and the library's driver;
// - the commands on users and channels (TQuorMainCommands);
// - the TLS settings (TlsSetup) and the retries after a lost connection
//   (Reconnector).
//
// The window itself keeps its lifecycle, its three looks, the logon and
// account commands, the say input, the Help menu and the log's handlers:
// UnitQuorMain.cpp (start-up, looks, closing), UnitQuorMainAccount.cpp
// (logon, logoff, the say input, account commands, Help menu),
// UnitQuorMainLog.cpp (the log's and the clock's handlers),
// UnitQuorMainAttention.cpp (conversation lines and their history) and
// UnitQuorMainConnection.cpp (the server, the retries' hooks, the lines on
// texts not sent).
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
#include "ContactListModel.h"
#include "ContactPaneView.h"
#include "ConversationHistory.h"
#include "DesktopNotifier.h"
#include "EventLines.h"
#include "EventLog.h"
#include "InvitationMemory.h"
#include "MainSettings.h"
#include "MainWindowControls.h"
#include "MessageBoxes.h"
#include "Reconnector.h"
#include "SendRefusal.h"
#include "ServerAddress.h"
#include "TalkWindowRegistry.h"
#include "TalkWindowSizes.h"
#include "TextAlerts.h"
#include "VrtClock.h"

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class FramePlacement;
class LibraryDriver;
class NormalFrame;
class QDialog;
class QLineEdit;
class QUrl;
class TFormQuorAbout;
class TFormQuorChat;
class TQuorMainCommands;
class TQuorMainEvents;
class TlsSetup;

namespace hbquor {
class ThbQuorCentral;
namespace account {
class TAccountEventRouter;
}
} // namespace hbquor

/// What the window takes from outside; everything has a working default.
struct TFormQuorMainOptions {
    /// The settings, contacts and chat log files.
    AppFiles Files;
    /// The general message box; replaced by tests to record the texts.
    ShowMessageFunction ShowMessage;
    /// The exit confirmation; replaced by tests.
    AskYesNoFunction AskYesNo;
    /// Opens a web or mail address with the user's default program.
    std::function<void(const QUrl &)> OpenUrl;
    /// The current VRT time as a day count; the session layer's clock when
    /// not set.
    std::function<double()> VrtClock;
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
    /// The clock and the random draw of the retries after a lost
    /// connection; the steady clock and a seeded generator when not set.
    Reconnector::Clock ReconnectClock;
    ReconnectBackoff::Random ReconnectRandom;
};

class TFormQuorMain : public QMainWindow {
    Q_OBJECT

public:
    /// Builds the window and runs FormCreate.
    explicit TFormQuorMain(TFormQuorMainOptions options, QWidget *parent = nullptr);
    /// Runs FormDestroy.
    ~TFormQuorMain() override;

    /// The controls and menu items, reached by their names (ui.spbLogon).
    const TFormQuorMainControls ui;

    // ---- The objects the window composes ----
    hbquor::ThbQuorCentral *Central() const { return FCentral.get(); }
    const MainSettings &Settings() const { return FSettings; }
    ContactListModel &Contacts() { return FContacts; }
    EventLog &Log() { return FLog; }
    TalkWindowRegistry &TalkWindows() { return FTalkWindows; }
    InvitationMemory &Invitations() { return FInvitations; }
    ConversationHistory &History() { return FHistory; }
    TextAlerts &Alerts() { return *FAlerts; }
    TQuorMainEvents &SessionEvents() { return *FEvents; }
    hbquor::account::TAccountEventRouter &AccountEvents() { return *FAccountEvents; }
    TQuorMainCommands &Commands() { return *FCommands; }
    Reconnector &Reconnection() { return *FReconnect; }

    /// The trimmed texts of the user name, password and target inputs.
    QString GetLoginName() const;
    QString GetPassword() const;
    QString GetTarget() const;
    /// Whether the session of the login name exists and is connected.
    bool LoginSessionConnected() const;
    /// The chat server the settings choose.
    ServerAddress Server() const;
    /// Logs why a text to target was not sent.
    void LogNotSent(SendRefusal reason, const QString &target);

    /// A line said now between the user and peer ("name: <tab>text"): kept
    /// for conversation windows opened later and, with toOpenWindow, added
    /// to peer's open conversation window (one that shows the line already
    /// passes false).
    void ConversationLine(const QString &peer, const QString &line, bool toOpenWindow);

    // ---- Looks ----
    void ShowDisconnected();
    void ShowConnecting();
    void ShowConnected();

    /// Places form centred over this window, kept on the screen.
    void CenterOnMainWindow(QWidget *form) const;
    /// The general message box.
    void ShowMessage(const QString &text);
    /// Shows a message box once control is back in the event loop, so that
    /// an event handler never blocks inside the library.
    void QueueMessage(const QString &text);
    /// Runs a modal dialog (as the options say) and returns its result.
    int ExecDialog(QDialog &dialog);

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
    // The log, the File menu and the Help menu.
    void spbScrollingClick();
    void mnuLogChatClick();
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
    /// The areas of the screens windows may use, the primary screen first.
    QList<QRect> Screens() const;
    void FormPaint();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    /// Connects the window's own handlers to their controls.
    void ConnectCommands();
    /// Puts the settings of times and alerts into effect.
    void ApplyAttentionSettings();
    /// Shows the lines kept for peer in its newly made conversation window.
    void ReplayConversation(TFormQuorChat &window, const QString &peer);
    /// What the conversation and channel windows get from this window.
    TalkWindowRegistry::Hooks TalkWindowHooks();
    /// Enter in one of the login inputs: logs on when both are filled,
    /// otherwise moves to the other input when this one is filled.
    void LoginInputEnter(QLineEdit *input, QLineEdit *other);
    /// Hands the contact list to the session AddLogin made for login and
    /// logs it on; returns the session manager's Login result.
    int LogOnAddedSession(const QString &login, const QString &password);
    /// What the retries after a lost connection do through this window.
    Reconnector::Hooks ReconnectHooks();
    /// Shows the message when the session manager is not initialised;
    /// returns whether it is.
    bool CheckInitialised();

    TFormQuorMainOptions FOptions;
    MainSettings FSettings;
    ContactListModel FContacts;
    ContactPaneView FContactsView;
    VrtClock FClock;
    EventLog FLog;
    EventLines FLines;
    TalkWindowRegistry FTalkWindows;
    InvitationMemory FInvitations;
    ConversationHistory FHistory;
    std::unique_ptr<TextAlerts> FAlerts;
    std::unique_ptr<TQuorMainCommands> FCommands;
    // Declared before the session manager, so they outlive the manager's
    // handlers that point to them.
    std::unique_ptr<TQuorMainEvents> FEvents;
    std::unique_ptr<hbquor::account::TAccountEventRouter> FAccountEvents;
    std::unique_ptr<hbquor::ThbQuorCentral> FCentral;
    std::unique_ptr<LibraryDriver> FLibraryDriver;
    std::unique_ptr<TlsSetup> FTls;
    std::unique_ptr<Reconnector> FReconnect;
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
