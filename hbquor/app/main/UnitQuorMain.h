// TFormQuorMain: the program's main window and the owner of the whole client
// session. It creates the session manager, handles its events, keeps the
// settings file and the saved contacts, runs the VRT clock, writes the event
// log pane and the chat log file, and on closing saves settings and contacts.
//
// The window has three looks: disconnected (login inputs shown, pale
// yellow), connecting (pale cyan, caption with the login name) and connected
// (white, the commands that need a session enabled).
//
// The implementation is split by job: UnitQuorMain.cpp (layout, start-up,
// settings, contacts, looks, clock, closing), UnitQuorMainLog.cpp (log pane
// and chat log file) and UnitQuorMainEvents.cpp (the session events).
#pragma once

#include "AppFiles.h"
#include "ContactListModel.h"
#include "ContactPaneView.h"
#include "EventLines.h"
#include "EventLog.h"
#include "InvitationMemory.h"
#include "MainSettings.h"
#include "MainWindowControls.h"
#include "MessageBoxes.h"
#include "TalkWindowRegistry.h"
#include "VrtClock.h"

#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;
class QTextEdit;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;
class QWidget;
class FramePlacement;
class LibraryDriver;
class TFormQuorAbout;
class TFormQuorChannel;
class TFormQuorChat;

namespace hbquor {
class ThbQuorCentral;
class ThbQuorUnit;
enum class QuorUserStatus : std::uint8_t;
enum class AccountRequestKind : std::uint8_t;
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

    // ---- State others read ----
    hbquor::ThbQuorCentral *Central() const { return FCentral.get(); }
    /// The settings read at start-up.
    const MainSettings &Settings() const { return FSettings; }
    /// The contact list the contacts pane shows.
    ContactListModel &Contacts() { return FContacts; }
    /// The log pane and the chat log file.
    EventLog &Log() { return FLog; }
    /// The open conversation and channel windows.
    TalkWindowRegistry &TalkWindows() { return FTalkWindows; }
    /// The last invitation sent.
    InvitationMemory &Invitations() { return FInvitations; }
    /// Where the account events go.
    hbquor::account::TAccountEventRouter &AccountEvents() { return *FAccountEvents; }
    const QString &Title() const { return FTitle; }
    int ChannelCount() const { return FChannelCount; }

    /// The trimmed texts of the user name, password and target inputs.
    QString GetLoginName() const;
    QString GetPassword() const;
    QString GetTarget() const;

    // ---- Looks ----
    void ShowDisconnected();
    void ShowConnecting();
    void ShowConnected();

    /// Places form centred over main, kept at least 50 pixels inside the
    /// right and bottom screen edges and not above or left of the screen.
    static void CenterOnMainWindow(QWidget *form, const QWidget *main, const QSize &screen);
    /// The same over this window, with this window's screen size.
    void CenterOnMainWindow(QWidget *form) const;

    // ---- Commands on contacts, conversations and channels ----
    /// Hands the contacts pane's names to the session of account.
    void SendContactList(const QString &account);
    void OpenChatDialog(const QString &name);
    /// Send handlers of the two kinds of window: true when the text was sent.
    bool ChatWindowSend(QString &own, QString &peer, const QString &text);
    bool ChannelWindowSend(QString &own, QString &channel, const QString &text);
    void PingDialog(const QString &account, const QString &name);
    void StatusDialog(const QString &account, const QString &name);
    void InviteDialog(const QString &user, const QString &channel);
    /// A drop on the target input is accepted from the two panes only; it
    /// puts the caption of that pane's selected item into the input.
    bool inpTargetDragOver(QObject *source) const;
    void inpTargetDragDrop(QObject *source);

    /// The about box the "About" command shows (created by the program entry).
    void SetAboutBox(TFormQuorAbout *about);

    /// Saves settings, contacts and the chat log as closing the window does,
    /// without the exit question; used when the desktop session ends. Later
    /// closing does not save again.
    void CloseWithoutAsking();

public slots:
    void Timer1Timer();
    // Contacts and channels panes.
    void mnuAddContact1Click();
    void mnuDeleteContact1Click();
    void mnuOpenChatClick();
    void ListView1DblClick();
    void ListView2DblClick();
    void mnuPingUserClick();
    void mnuPingUser1Click();
    void mnuUserStatusClick();
    void mnuUserStatus1Click();
    void mnuJoinChannelClick();
    void mnuListChannelsClick();
    void mnuInviteUser1Click();
    void mnuInviteUser2Click();
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
    void spbScrollingClick();
    void mnuLogChatClick();
    void mnuExitClick();
    void mnuQuorSDKClick();
    void mnuQuorDelphiClick();
    void mnuContactAuthorClick();
    void mnuAboutClick();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // ---- Building (UnitQuorMain.cpp) ----
    void FormCreate();
    /// Reads the settings and places the window where they say.
    void ReadSettings();
    void FormPaint();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    /// The areas of the screens windows may use, the primary screen first.
    QList<QRect> ScreenAreas() const;
    /// Shows a message box once control is back in the event loop, so that
    /// an event handler never blocks inside the library.
    void QueueMessage(const QString &text);

    // ---- Commands (UnitQuorMainCommands.cpp, UnitQuorMainAccount.cpp) ----
    void ConnectCommands();
    /// Shows the user-name dialog set up for one command; returns the input
    /// as typed after confirmation, or std::nullopt.
    std::optional<QString> AskUserName(const QString &title, const QString &button,
                                       const QString &prefill);
    /// A request of the session manager for (account, user name).
    using UserRequest = int (hbquor::ThbQuorCentral::*)(std::string_view, std::string_view);
    /// Shows the user-name dialog and, when it is confirmed with a name and
    /// the account is still connected, sends the request for that name.
    void AskUserAndRequest(const QString &title, const QString &button, const QString &account,
                           const QString &name, UserRequest request);
    int ExecDialog(QDialog &dialog);
    bool LoginSessionConnected();
    /// What the conversation and channel windows get from this window.
    TalkWindowRegistry::Hooks TalkWindowHooks();
    /// Enter in one of the login inputs: logs on when both are filled,
    /// otherwise moves to the other input when this one is filled.
    void LoginInputEnter(QLineEdit *input, QLineEdit *other);
    /// Shows the message when the session manager is not initialised;
    /// returns whether it is.
    bool CheckInitialised();

    // ---- Session events (UnitQuorMainEvents.cpp) ----
    void SubscribeEvents();
    /// The account named in event lines: the session's name on the server.
    static QString Account(const hbquor::ThbQuorUnit *sender);
    void CentralContactListEntry(hbquor::ThbQuorUnit *sender, const std::string &name);
    void CentralChannelJoined(hbquor::ThbQuorUnit *sender, const std::string &channel,
                              const std::string &user);
    void CentralChannelLeft(hbquor::ThbQuorUnit *sender, const std::string &channel,
                            const std::string &user);
    void CentralChannelError(hbquor::ThbQuorUnit *sender, const std::string &channel,
                             const std::string &errText, int code);
    void CentralChannelText(hbquor::ThbQuorUnit *sender, const std::string &channel,
                            const std::string &from, const std::string &text);
    void CentralContactStatus(hbquor::ThbQuorUnit *sender, const std::string &name,
                              hbquor::QuorUserStatus status);
    void CentralOfflineText(hbquor::ThbQuorUnit *sender, const std::string &from,
                            const std::string &text, double sentTime);
    void CentralDisconnected(hbquor::ThbQuorUnit *sender);
    void CentralUserStatus(hbquor::ThbQuorUnit *sender, const std::string &name,
                           hbquor::QuorUserStatus status);
    void CentralConnected(hbquor::ThbQuorUnit *sender);
    void CentralLoginFailed(hbquor::ThbQuorUnit *sender, const std::string &errText, int code);
    void CentralPingReply(hbquor::ThbQuorUnit *sender, const std::string &name, int seconds);
    void CentralTextFailed(hbquor::ThbQuorUnit *sender, const std::string &errText, int code,
                           const std::string &target);
    void CentralText(hbquor::ThbQuorUnit *sender, const std::string &from, const std::string &text);
    void CentralWelcome(hbquor::ThbQuorUnit *sender, const std::string &message);
    void CentralBroadcast(hbquor::ThbQuorUnit *sender, const std::string &from,
                          const std::string &message);
    void CentralInviteResult(hbquor::ThbQuorUnit *sender, const std::string &errText, int code,
                             const std::string &name);
    void CentralChannelInfo(hbquor::ThbQuorUnit *sender, const std::string &channel,
                            std::uint8_t type, const std::string &text2, const std::string &text3);
    void CentralInvitation(hbquor::ThbQuorUnit *sender, const std::string &from,
                           const std::string &channel);
    void CentralChannelListEntry(hbquor::ThbQuorUnit *sender, const std::string &channel,
                                 std::uint8_t type, int userCount);
    void CentralError(hbquor::ThbQuorUnit *sender, const std::string &where,
                      const std::string &what, int code, const std::string &errText);
    void CentralConnecting(hbquor::ThbQuorUnit *sender);

    // ---- Fields ----
    TFormQuorMainOptions FOptions;
    MainSettings FSettings;
    ContactListModel FContacts;
    ContactPaneView FContactsView;
    VrtClock FClock;
    EventLog FLog;
    EventLines FLines;
    TalkWindowRegistry FTalkWindows;
    InvitationMemory FInvitations;
    /// Declared before the session manager, so it outlives the manager's
    /// handlers that point to it.
    std::unique_ptr<hbquor::account::TAccountEventRouter> FAccountEvents;
    std::unique_ptr<hbquor::ThbQuorCentral> FCentral;
    std::unique_ptr<LibraryDriver> FLibraryDriver;
    QString FTitle;
    int FChannelCount = 0;
    bool FFirstPaintDone = false;
    QPointer<TFormQuorAbout> FAboutBox;

    /// The window has been through FormClose.
    bool FClosed = false;
    FramePlacement *FPlacement = nullptr;
};
