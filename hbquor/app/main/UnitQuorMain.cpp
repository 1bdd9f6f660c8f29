// SPDX-License-Identifier: MIT
// The main window: its composition, start-up, looks, handlers and closing.
#include "UnitQuorMain.h"

#include "AccountCommands.h"
#include "AccountEventRouter.h"
#include "AlertListener.h"
#include "ChatClient.h"
#include "ClientConnection.h"
#include "ColorLooks.h"
#include "ComfortSettingsPage.h"
#include "ContactStateListener.h"
#include "DisplayText.h"
#include "EventLogListener.h"
#include "FreedesktopNotifier.h"
#include "HistorySearchCommand.h"
#include "HistorySettingsPage.h"
#include "InviteDialogEvent.h"
#include "KeychainPasswordStore.h"
#include "LineInputKeys.h"
#include "LongTextGuard.h"
#include "MainCommands.h"
#include "MessageListener.h"
#include "NameText.h"
#include "NormalFrame.h"
#include "PaneZoom.h"
#include "ProfileCommand.h"
#include "ProgramHistory.h"
#include "RememberedLogon.h"
#include "SettingsCommand.h"
#include "SettingsDialog.h"
#include "TalkWindowHistory.h"
#include "TalkWindowListener.h"
#include "TextSender.h"
#include "TrayIcon.h"
#include "UnitQuorAbout.h"
#include "UnitQuorChat.h"
#include "UnreadListener.h"
#include "WindowPlacement.h"

#include "hbQuorApi.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

using hbquor::client::ChatClient;

namespace {

/// A window's corner is kept at least this far from the right and bottom
/// screen edges at start-up.
constexpr int StartEdgeMargin = 16;
/// A centred window is kept at least this far from those edges.
constexpr int CentreEdgeMargin = 50;

/// The options with a working default for everything left unset.
TFormQuorMainOptions WithDefaults(TFormQuorMainOptions options, QWidget *window) {
    if (!options.ShowMessage)
        options.ShowMessage = [window](const QString &text) { ShowMessageBox(window, text); };
    if (!options.AskYesNo)
        options.AskYesNo = [window](const QString &text) { return AskYesNoBox(window, text); };
    if (!options.OpenUrl)
        options.OpenUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    if (!options.TrayAvailable)
        options.TrayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    if (!options.ExecDialog)
        options.ExecDialog = [](QDialog &dialog) { return dialog.exec(); };
    if (!options.Passwords)
        options.Passwords = std::make_shared<hbquor::settings::KeychainPasswordStore>();
    if (!options.Notifier)
        options.Notifier = std::make_shared<FreedesktopNotifier>(QStringLiteral("HB Quor"),
                                                                 QStringLiteral("hbquor"));
    return options;
}

/// The areas of the screens windows may use, the primary screen first.
QList<QRect> Screens(const TFormQuorMainOptions &options) {
    return options.ScreenSize ? QList<QRect>{QRect(QPoint(0, 0), *options.ScreenSize)}
                              : ScreenAreas();
}

/// The general message box as the account windows take it.
hbquor::account::MessageHook AccountMessages(const ShowMessageFunction &showMessage) {
    return [showMessage](QWidget *, const QString &text) { showMessage(text); };
}

/// Shows the message when the client's library is not initialised;
/// returns whether it is.
bool CheckInitialised(const ChatClient &client, const ShowMessageFunction &showMessage) {
    if (client.Initialised())
        return true;
    showMessage(TFormQuorMain::tr("QuorCentral has not been initialised"));
    return false;
}

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsKey(const QEvent *event) {
    return event->type() == QEvent::KeyPress;
}

bool IsDrag(const QEvent *event) {
    return event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
}

/// Enter in one of the login inputs: logs on when both are filled,
/// otherwise moves to the other input when this one is filled.
void LoginInputEnter(TFormQuorMain &window, QLineEdit *input, QLineEdit *other) {
    if (!window.GetLoginName().isEmpty() && !window.GetPassword().isEmpty())
        window.spbLogonClick();
    else if (!input->text().trimmed().isEmpty())
        other->setFocus();
}

} // namespace

TFormQuorMain::TFormQuorMain(ChatClient &client, TFormQuorMainOptions options, QWidget *parent)
    : QMainWindow(parent), ui(BuildMainWindowControls(*this)), FClient(client),
      FOptions(WithDefaults(std::move(options), this)),
      FZoom(new PaneZoom(ComfortSettings::MinZoom, ComfortSettings::MaxZoom, this)),
      FContactsView(ui.ListView1, FContacts), FClock(ui.pnVRT, [&client] { return client.Now(); }),
      FLog({ui.RichEdit1, ui.spbScrolling, ui.mnuLogChat}, FOptions.Files.ChatLogFile,
           FClock.Source(), FOptions.ShowMessage),
      FLines(FLog), FHistory(std::make_unique<hbquor::historyrecord::ProgramHistory>(client)),
      FTalkWindows(ui.ListView2, TalkWindowHooks()),
      FAlerts(std::make_unique<TextAlerts>(*FOptions.Notifier, this, FOptions.AlertHooks)),
      FSender(std::make_unique<hbquor::main::TextSender>(client, FTalkWindows, FLines)),
      FCommands(std::make_unique<hbquor::main::MainCommands>(
          client, ui, FTalkWindows, FContacts, FLines,
          hbquor::main::DialogHost{this, [this](QWidget *window) { CenterOnMainWindow(window); },
                                   FOptions.ExecDialog, FOptions.ShowMessage})),
      FHistorySearch(
          std::make_unique<hbquor::main::HistorySearchCommand>(this, *FHistory, FTalkWindows)),
      FAccountEvents(std::make_unique<hbquor::account::AccountEventRouter>(
          client, hbquor::main::QueuedMessages(FOptions.ShowMessage, this))) {
    ConnectCommands();
    FormCreate();
}

TFormQuorMain::~TFormQuorMain() {
    FormDestroy();
}

TalkWindowRegistry::Hooks TFormQuorMain::TalkWindowHooks() {
    TalkWindowRegistry::Hooks hooks;
    hooks.Place = [this](TQuorTalkWindow *window) {
        FTalkSizes->Apply(window);
        CenterOnMainWindow(window);
    };
    hooks.OwnName = [this] { return FClient.IsLoggedOn() ? FClient.Account() : QString(); };
    hooks.SendToUser = [this](QString &own, QString &peer, const QString &text) {
        return FSender->ChatWindowSend(own, peer, text);
    };
    hooks.SendToChannel = [this](QString &own, QString &channel, const QString &text) {
        return FSender->ChannelWindowSend(own, channel, text);
    };
    hooks.ChannelOpened = [this](const QString &own, const QString &channel) {
        FLines.ChannelOpened(own, channel);
    };
    hooks.ChannelClosed = [this](const QString &channel) {
        FCommands->ChannelWindowClosed(channel);
    };
    hooks.SaidLineForm = [this](const QString &line) { return FLines.PaneLine(line); };
    hooks.WindowOpened = [this](TQuorTalkWindow &window, const QString &name) {
        hbquor::main::FollowUnread(FClient.Unread(), window, name);
        hbquor::historyview::AttachHistory(window, FHistory->Store(), FHistory->CurrentAccount(),
                                           name, [this](const hbquor::history::Line &line) {
                                               return FLines.PaneLine(
                                                   hbquor::SaidLine(line.Sender, line.Text),
                                                   hbquor::history::VrtFromUtcMs(line.AtMs));
                                           });
    };
    hooks.KnownNames = [this] { return KnownNames(); };
    hooks.CannotSendToChannel = [this](const QString &channel) {
        FClient.ReportNotSent(channel, hbquor::client::SendRefusal::AloneInChannel);
    };
    hooks.InviteDialogTarget = this;
    hooks.Zoom = FZoom;
    hooks.ShowMessage = [this](const QString &text) { FOptions.ShowMessage(text); };
    return hooks;
}

void TFormQuorMain::ApplyComfortSettings(const ComfortSettings &comfort) {
    FSettings.Comfort = comfort;
    FZoom->SetPoints(comfort.TextZoom);
    if (FTray != nullptr)
        FTray->SetCloseToTray(comfort.CloseToTray);
}

QStringList TFormQuorMain::KnownNames() const {
    return FContacts.Names() + (FHeard ? FHeard->Names() : QStringList());
}

void TFormQuorMain::ConnectCommands() {
    connect(ui.spbScrolling, &QToolButton::clicked, this, &TFormQuorMain::spbScrollingClick);
    connect(ui.Timer1, &QTimer::timeout, this, &TFormQuorMain::Timer1Timer);
    connect(ui.spbLogon, &QAbstractButton::clicked, this, &TFormQuorMain::spbLogonClick);
    connect(ui.spbLogoff, &QAbstractButton::clicked, this, &TFormQuorMain::spbLogoffClick);
    const std::initializer_list<std::pair<QAction *, void (TFormQuorMain::*)()>> items{
        {ui.mnuCreateaQuoraccount, &TFormQuorMain::mnuCreateaQuoraccountClick},
        {ui.mnuReqPassword, &TFormQuorMain::mnuReqPasswordClick},
        {ui.mnuLogChat, &TFormQuorMain::mnuLogChatClick},
        {ui.mnuSettings, &TFormQuorMain::mnuSettingsClick},
        {ui.mnuExit, &TFormQuorMain::mnuExitClick},
        {ui.mnuUserProfile, &TFormQuorMain::mnuUserProfileClick},
        {ui.mnuSearchHistory, &TFormQuorMain::mnuSearchHistoryClick},
        {ui.mnuQuorSDK, &TFormQuorMain::mnuQuorSDKClick},
        {ui.mnuQuorDelphi, &TFormQuorMain::mnuQuorDelphiClick},
        {ui.mnuContactAuthor, &TFormQuorMain::mnuContactAuthorClick},
        {ui.mnuAbout, &TFormQuorMain::mnuAboutClick},
    };
    for (const auto &[item, handler] : items)
        connect(item, &QAction::triggered, this, handler);
    for (QLineEdit *input : {ui.inpUserName, ui.inpPassword, ui.inpSayThis, ui.inpTarget})
        input->installEventFilter(this);
    ui.inpTarget->setAcceptDrops(true);
    FHeard = new hbquor::client::HeardNames(FClient, this);
    // After the window's own filters, so that they see the keys first.
    for (QLineEdit *input : {ui.inpSayThis, ui.inpTarget})
        new LineInputKeys(input, [this] { return KnownNames(); });
    new LongTextGuard(
        ui.inpSayThis, [this] { return GetTarget(); },
        [this](const QString &line) { return FSender->Say(GetTarget(), line); });

    // The looks first: a lost connection closes the channel windows (and
    // reports what leaving them does) before the log says it was lost.
    connect(&FClient, &ChatClient::Connecting, this, &TFormQuorMain::ShowConnecting);
    connect(&FClient, &ChatClient::Retrying, this, &TFormQuorMain::ShowConnecting);
    connect(&FClient, &ChatClient::Connected, this, &TFormQuorMain::ShowConnected);
    connect(&FClient, &ChatClient::Disconnected, this, &TFormQuorMain::ShowDisconnected);
    connect(&FClient, &ChatClient::LoginFailed, this, &TFormQuorMain::ShowDisconnected);
    connect(&FClient, &ChatClient::UserProfileReceived, this,
            [this](const hbquor::client::UserProfile &profile) {
                if (profile.Code == 0 && hbquor::SameNameIgnoringCase(profile.Name, GetLoginName()))
                    ui.mnuUserProfile->setEnabled(true);
            });
    hbquor::main::ShowInEventLog(FClient, FLines, FLog, this);
    hbquor::main::ShowInTalkWindows(FClient, FTalkWindows, FLines, this);
    hbquor::main::ShowInAlerts(FClient, *FAlerts, FTalkWindows, this);
    hbquor::main::ShowInContactList(FClient, FContacts, this);
    hbquor::main::ShowUnreadInTalkWindows(FClient.Unread(), FTalkWindows, this);
    hbquor::main::MarkUnreadInBold(ui.ListView1, FClient.Unread());
    hbquor::main::MarkUnreadInBold(ui.ListView2, FClient.Unread());
    hbquor::main::ShowInMessageBoxes(FClient, FTalkWindows, FOptions.ShowMessage, this);
}

void TFormQuorMain::FormCreate() {
    // Number texts always use "." whatever the user's locale says.
    QLocale::setDefault(QLocale::c());
    ReadSettings();
    ApplySettings();
    FZoom->SetPoints(FSettings.Comfort.TextZoom);
    const bool dark = hbquor::main::ApplyColorScheme(FSettings.Comfort.Scheme);
    FPaneColours = hbquor::main::PaneColoursFor(dark, QApplication::palette());
    FLog.SetLooks(dark ? LogLooks::Dark : LogLooks::Light, FPaneColours.Lightest());
    FZoom->Attach(this, FLog.Pane());
    if (FOptions.TrayAvailable()) {
        FTray =
            new hbquor::main::TrayIcon(FClient, FClient.Unread(), this, FOptions.Notifier,
                                       {[this] { spbLogoffClick(); }, [this] { mnuExitClick(); }});
        FTray->SetCloseToTray(FSettings.Comfort.CloseToTray);
    }
    FTitle = tr("  HB Quor Client ");

    ui.PageControl1->setCurrentWidget(ui.TabSheet1);
    FContacts.Load(FOptions.Files.ContactsFile);
    FLog.Clear();
    ui.inpPassword->clear();
    ui.inpTarget->clear();
    ui.inpSayThis->clear();

    ShowDisconnected();

    // Every logon hands the server the contacts pane's list; the library
    // takes the server and TLS before it starts.
    FClient.SetContactSource([this] { return FContacts.Names(); });
    FClient.SetConnectionSettings(hbquor::settings::ClientConnection(FSettings));
    for (const QString &key : FSettings.FaultyKeys)
        FLines.FaultySetting(key);
    if (!FClient.Init())
        FOptions.ShowMessage(tr("could not initialise QuorApi"));

    if (FSettings.LogChat)
        FLog.OpenChatLog();
    // The history's faults come from its own thread, one line each.
    connect(FHistory.get(), &hbquor::historyrecord::ProgramHistory::Fault, this,
            [this](const QString &line) { FLog.AddLine(lsError, line); });
    FHistory->Open(FOptions.Files.HistoryFile, FSettings.History.Keep, FSettings.History.Days);
    ui.Timer1->start();
    RestoreRemembered();
}

void TFormQuorMain::RestoreRemembered() {
    hbquor::settings::RememberedLogon::Hooks hooks;
    hooks.Settings = [this]() -> const MainSettings & { return FSettings; };
    hooks.UserName = [this] { return GetLoginName(); };
    hooks.Password = [this] { return GetPassword(); };
    hooks.FillPassword = [this](const QString &password) { ui.inpPassword->setText(password); };
    hooks.FillProxyPassword = [this](const QString &password) {
        FSettings.Connection.ProxyPassword = password;
        FClient.SetConnectionSettings(hbquor::settings::ClientConnection(FSettings));
    };
    hooks.LogOn = [this] { spbLogonClick(); };
    hooks.Report = [this](const QString &line) { FLog.AddLine(lsError, line); };
    FRemembered = std::make_unique<hbquor::settings::RememberedLogon>(FClient, *FOptions.Passwords,
                                                                      std::move(hooks));
}

void TFormQuorMain::ReadSettings() {
    FSettings = MainSettings::Read(FOptions.Files.SettingsFile);
    ui.inpUserName->setText(FSettings.LoginName);
    const QSize room = Screens(FOptions).value(0).size();
    FTalkSizes =
        std::make_unique<TalkWindowSizes>(FSettings.Sizes.Chat, FSettings.Sizes.Channel,
                                          [this] { return Screens(FOptions).value(0).size(); });
    // The window opens with the size it had, never smaller than its layout
    // nor larger than the screen.
    resize(FitWindowSize(FSettings.Sizes.Main, minimumSizeHint(), room));
    // The frame goes where the user left it; without a stored place, or with
    // one on no screen, it is centred on the primary screen.
    FPlacement = new FramePlacement(this, [this](const QSize &frame) {
        return StartFramePosition(FSettings.Frame, frame, Screens(FOptions), StartEdgeMargin);
    });
    FPlacement->Apply();
    FNormalFrame = new NormalFrame(this);
    if (FSettings.Sizes.MainMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TFormQuorMain::ApplySettings() {
    const TimeText times(FSettings.TimeMode);
    FClock.SetTimeText(times);
    FLog.SetTimeText(times);
    FLines.SetChatTimes(FSettings.ChatTimes);
    FAlerts->SetEnabled(FSettings.Notify);
}

void TFormQuorMain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    // The window paints right after it is first shown; the window manager
    // frames it about then, and the frame is placed again by its real size.
    if (!FFirstPaintDone) {
        QTimer::singleShot(0, this, &TFormQuorMain::FormPaint);
        FPlacement->Shown();
    }
}

void TFormQuorMain::FormPaint() {
    if (FFirstPaintDone)
        return;
    FFirstPaintDone = true;
    // Typing starts in the login input still to be filled, never on a button.
    if (GetLoginName().isEmpty())
        ui.inpUserName->setFocus();
    else if (ui.inpPassword->text().isEmpty())
        ui.inpPassword->setFocus();
}

bool TFormQuorMain::event(QEvent *event) {
    if (event->type() == TInviteDialogEvent::EventType()) {
        const auto *request = static_cast<TInviteDialogEvent *>(event);
        FCommands->InviteDialog(request->PendingInviteUser(), request->PendingInviteChannel());
        return true;
    }
    return QMainWindow::event(event);
}

bool TFormQuorMain::eventFilter(QObject *watched, QEvent *event) {
    if (IsKey(event)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == ui.inpSayThis)
            return inpSayThisKeyDown(key);
        if (watched == ui.inpUserName)
            inpUserNameKeyDown(key);
        else if (watched == ui.inpPassword)
            inpPasswordKeyDown(key);
    } else if (watched == ui.inpTarget && IsDrag(event)) {
        auto *drag = static_cast<QDropEvent *>(event);
        drag->setAccepted(FCommands->inpTargetDragOver(drag->source()));
        return true;
    } else if (watched == ui.inpTarget && event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        if (FCommands->inpTargetDragOver(drop->source())) {
            FCommands->inpTargetDragDrop(drop->source());
            drop->acceptProposedAction();
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Closing ----

void TFormQuorMain::mnuExitClick() {
    FExitChosen = true;
    close();
}

void TFormQuorMain::closeEvent(QCloseEvent *event) {
    if (!FClosed && !std::exchange(FExitChosen, false) && FTray != nullptr &&
        FTray->HideOnClose()) {
        event->ignore();
        return;
    }
    if (!FClosed && FormCloseQuery())
        FormClose();
    if (FClosed && FTray != nullptr)
        FTray->WindowClosed();
    event->setAccepted(FClosed);
}

void TFormQuorMain::CloseWithoutAsking() {
    FormClose();
}

bool TFormQuorMain::FormCloseQuery() {
    return FOptions.AskYesNo(tr("Do you wish to exit?"));
}

void TFormQuorMain::FormClose() {
    // Saved once: the session may end while the exit question is open.
    if (FClosed)
        return;
    ui.Timer1->stop();
    // The frame's corner, the same kind of position start-up applies, and
    // the size, both as they are in the normal state when the window is
    // maximised. A failure is ignored: the contacts are still saved.
    if (const std::optional<QPoint> corner = FNormalFrame->Corner())
        FSettings.Frame = corner;
    FSettings.Sizes.Main = normalGeometry().size();
    FSettings.Sizes.MainMaximized = isMaximized();
    FSettings.Sizes.Chat = FTalkSizes->Chat();
    FSettings.Sizes.Channel = FTalkSizes->Channel();
    FSettings.LoginName = GetLoginName();
    FSettings.LogChat = FLog.ChatLogOpen();
    FSettings.Comfort.TextZoom = FZoom->Points();
    FSettings.Write(FOptions.Files.SettingsFile);
    FLog.CloseChatLog();
    FContacts.Save(FOptions.Files.ContactsFile);
    FClosed = true;
}

void TFormQuorMain::FormDestroy() {
    // The client outlives the window: nothing it announces may reach the
    // window's parts while they are taken apart.
    disconnect(&FClient, nullptr, this, nullptr);
    FRemembered.reset();
    // Windows still open end with the program; their close handlers point
    // here, so they are unhooked first.
    FTalkWindows.CloseAll();
}

// ---- Inputs and looks ----

QString TFormQuorMain::GetLoginName() const {
    return ui.inpUserName->text().trimmed();
}

QString TFormQuorMain::GetPassword() const {
    return ui.inpPassword->text().trimmed();
}

QString TFormQuorMain::GetTarget() const {
    return ui.inpTarget->text().trimmed();
}

void TFormQuorMain::CenterOnMainWindow(QWidget *form) const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    CenterOnWindow(form, this, FOptions.ScreenSize.value_or(screen ? screen->size() : size()),
                   CentreEdgeMargin);
}

void TFormQuorMain::ShowDisconnected() {
    ui.pnLoginData->show();
    ui.spbLogon->setEnabled(true);
    ui.spbLogoff->setEnabled(false);
    ui.inpTarget->setEnabled(false);
    ui.inpSayThis->setEnabled(false);
    SetPaneColour(ui, FPaneColours.Disconnected);
    setWindowTitle(FTitle + tr(" - disconnected"));
    setAccessibleDescription(tr("Disconnected: log on with your user name and password"));
    EnableSessionCommands(ui, false);
    ui.mnuUserProfile->setEnabled(false);
    FContacts.ClearStates();
    FTalkWindows.CloseAllChannelWindows();
}

void TFormQuorMain::ShowConnecting() {
    ui.pnLoginData->hide();
    ui.spbLogon->setEnabled(false);
    ui.spbLogoff->setEnabled(true);
    ui.inpTarget->setEnabled(false);
    ui.inpSayThis->setEnabled(false);
    SetPaneColour(ui, FPaneColours.Connecting);
    setWindowTitle(FTitle + QStringLiteral(" - ") + GetLoginName());
    setAccessibleDescription(tr("Connecting: waiting for the Quor server"));
}

void TFormQuorMain::ShowConnected() {
    ui.inpTarget->setEnabled(true);
    ui.inpSayThis->setEnabled(true);
    SetPaneColour(ui, FPaneColours.Connected);
    setAccessibleDescription(tr("Connected: you can talk and send telegrams"));
    EnableSessionCommands(ui, true);
}

// ---- Logon, logoff, the say input and the account commands ----

void TFormQuorMain::spbLogonClick() {
    if (CheckInitialised(FClient, FOptions.ShowMessage) &&
        !FClient.LogOn(GetLoginName(), GetPassword()))
        FOptions.ShowMessage(tr("check user name and password"));
}

void TFormQuorMain::spbLogoffClick() {
    if (CheckInitialised(FClient, FOptions.ShowMessage) && !FClient.LogOff())
        FOptions.ShowMessage(tr("Cannot logoff."));
}

void TFormQuorMain::inpUserNameKeyDown(int key) {
    if (IsEnterKey(key))
        LoginInputEnter(*this, ui.inpUserName, ui.inpPassword);
}

void TFormQuorMain::inpPasswordKeyDown(int key) {
    if (IsEnterKey(key))
        LoginInputEnter(*this, ui.inpPassword, ui.inpUserName);
}

bool TFormQuorMain::inpSayThisKeyDown(int key) {
    if (!CheckInitialised(FClient, FOptions.ShowMessage))
        return true;
    if (!IsEnterKey(key))
        return false;
    if (FSender->Say(GetTarget(), ui.inpSayThis->text()))
        ui.inpSayThis->clear();
    return true;
}

void TFormQuorMain::mnuCreateaQuoraccountClick() {
    hbquor::account::RunCreateAccount(this, FClient.Central(),
                                      AccountMessages(FOptions.ShowMessage));
}

void TFormQuorMain::mnuReqPasswordClick() {
    hbquor::account::RunRequestPassword(this, FClient.Central(), GetLoginName(),
                                        AccountMessages(FOptions.ShowMessage));
}

void TFormQuorMain::mnuSearchHistoryClick() {
    FHistorySearch->Show(TimeText(FSettings.TimeMode));
}

void TFormQuorMain::mnuUserProfileClick() {
    hbquor::account::RunUserProfile(this, FClient, FSettings.UserTypes, FLog.Times(),
                                    *FAccountEvents, FOptions.ExecDialog,
                                    AccountMessages(FOptions.ShowMessage));
}

// ---- The log, the clock and the Help menu ----

void TFormQuorMain::mnuLogChatClick() {
    FLog.ToggleChatLog();
}

void TFormQuorMain::mnuSettingsClick() {
    MainSettings current = FSettings;
    current.LogChat = FLog.ChatLogOpen();
    const auto addMorePages = [this](hbquor::settings::SettingsDialog &dialog) {
        dialog.AddPage(new hbquor::historyview::HistorySettingsPage(
            *FHistory, {FOptions.AskYesNo, FOptions.ShowMessage, {}}));
        dialog.AddPage(new hbquor::dialogs::ComfortSettingsPage(FTray != nullptr));
    };
    const std::optional<MainSettings> changed = hbquor::settings::EditSettings(
        FClient, current,
        {this, FOptions.ExecDialog, FOptions.OpenUrl, FOptions.ShowMessage,
         FOptions.Files.SettingsFile, FOptions.Files.ChatLogFile, FRemembered.get(), addMorePages});
    if (!changed)
        return;
    FSettings = *changed;
    ApplySettings();
    FHistory->SetKeep(FSettings.History.Keep);
    ApplyComfortSettings(FSettings.Comfort);
    FClock.Tick();
    if (FSettings.LogChat != FLog.ChatLogOpen())
        FLog.ToggleChatLog();
}

void TFormQuorMain::spbScrollingClick() {
    FLog.SetFrozen(!FLog.IsFrozen());
}

void TFormQuorMain::Timer1Timer() {
    FClock.Tick();
}

void TFormQuorMain::mnuQuorSDKClick() {
    FOptions.OpenUrl(QUrl(FSettings.UrlQuorSdk));
}

void TFormQuorMain::mnuQuorDelphiClick() {
    FOptions.OpenUrl(QUrl(FSettings.UrlQuorDelphi));
}

void TFormQuorMain::mnuContactAuthorClick() {
    FOptions.OpenUrl(QUrl(FSettings.ContactAuthorLink(), QUrl::TolerantMode));
}

void TFormQuorMain::SetAboutBox(TFormQuorAbout *about) {
    FAboutBox = about;
}

void TFormQuorMain::mnuAboutClick() {
    if (!FAboutBox)
        return;
    FAboutBox->SetText(TFormQuorAbout::AboutText(hbquor::kQuorApiBuild));
    CenterOnMainWindow(FAboutBox);
    FAboutBox->exec();
}
