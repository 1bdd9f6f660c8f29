// The main window's start-up, composition, looks and closing.
#include "UnitQuorMain.h"

#include "AccountEventRouter.h"
#include "FreedesktopNotifier.h"
#include "LibraryDriver.h"
#include "NameText.h"
#include "NormalFrame.h"
#include "TlsSetup.h"
#include "MainCommands.h"
#include "UnitQuorMainEvents.h"
#include "WindowPlacement.h"

#include "InviteDialogEvent.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace {

/// A window's corner is kept at least this far from the right and bottom
/// screen edges at start-up.
constexpr int StartEdgeMargin = 16;
/// A centred window is kept at least this far from those edges.
constexpr int CentreEdgeMargin = 50;

const QColor DisconnectedColour(255, 255, 221);
const QColor ConnectingColour(221, 255, 255);
const QColor ConnectedColour(255, 255, 255);

/// The options with a working default for everything left unset.
TFormQuorMainOptions WithDefaults(TFormQuorMainOptions options, QWidget *window) {
    if (!options.ShowMessage)
        options.ShowMessage = [window](const QString &text) { ShowMessageBox(window, text); };
    if (!options.AskYesNo)
        options.AskYesNo = [window](const QString &text) { return AskYesNoBox(window, text); };
    if (!options.OpenUrl)
        options.OpenUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    if (!options.Notifier)
        options.Notifier = std::make_shared<FreedesktopNotifier>(QStringLiteral("HB Quor"),
                                                                 QStringLiteral("hbquor"));
    return options;
}

bool IsKey(const QEvent *event) {
    return event->type() == QEvent::KeyPress;
}

bool IsDrag(const QEvent *event) {
    return event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
}

} // namespace

TFormQuorMain::TFormQuorMain(TFormQuorMainOptions options, QWidget *parent)
    : QMainWindow(parent), ui(BuildMainWindowControls(*this)),
      FOptions(WithDefaults(std::move(options), this)), FContactsView(ui.ListView1, FContacts),
      FClock(ui.pnVRT, FOptions.VrtClock),
      FLog({ui.RichEdit1, ui.spbScrolling, ui.mnuLogChat}, FOptions.Files.ChatLogFile,
           FClock.Source(), FOptions.ShowMessage),
      FLines(FLog), FTalkWindows(ui.ListView2, TalkWindowHooks()),
      FAlerts(std::make_unique<TextAlerts>(*FOptions.Notifier, this, FOptions.AlertHooks)),
      FCommands(std::make_unique<TQuorMainCommands>(*this, FLines)) {
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
    hooks.OwnName = [this] { return LoginSessionConnected() ? GetLoginName() : QString(); };
    hooks.SendToUser = [this](QString &own, QString &peer, const QString &text) {
        return FCommands->ChatWindowSend(own, peer, text);
    };
    hooks.SendToChannel = [this](QString &own, QString &channel, const QString &text) {
        return FCommands->ChannelWindowSend(own, channel, text);
    };
    hooks.ChannelOpened = [this](const QString &own, const QString &channel) {
        FLines.ChannelOpened(own, channel);
    };
    hooks.ChannelClosed = [this](const QString &channel) {
        // Leaving is asked for connected or not; the lines only while
        // connected. Windows closed by a lost connection stay among the
        // channels to rejoin.
        const QString login = GetLoginName();
        if (LoginSessionConnected()) {
            FLines.ChannelClosed(login, channel);
            FReconnect->Channels().Forget(channel);
        }
        if (FCentral)
            FCentral->LeaveChannel(login.toStdString(), channel.toStdString());
    };
    hooks.SaidLineForm = [this](const QString &line) { return FLines.PaneLine(line); };
    hooks.ChatOpened = [this](TFormQuorChat &window, const QString &peer) {
        ReplayConversation(window, peer);
    };
    hooks.CannotSendToChannel = [this](const QString &channel) {
        LogNotSent(SendRefusal::AloneInChannel, channel);
    };
    hooks.InviteDialogTarget = this;
    hooks.ShowMessage = [this](const QString &text) { ShowMessage(text); };
    return hooks;
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
        {ui.mnuExit, &TFormQuorMain::mnuExitClick},
        {ui.mnuUserProfile, &TFormQuorMain::mnuUserProfileClick},
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
}

void TFormQuorMain::FormCreate() {
    // Number texts always use "." whatever the user's locale says.
    QLocale::setDefault(QLocale::c());
    ReadSettings();
    ApplyAttentionSettings();
    FTitle = QStringLiteral("  HB Quor Client ");

    ui.PageControl1->setCurrentWidget(ui.TabSheet1);
    FContacts.Load(FOptions.Files.ContactsFile);
    FLog.Clear();
    ui.inpPassword->clear();
    ui.inpTarget->clear();
    ui.inpSayThis->clear();

    ShowDisconnected();

    // The library takes its TLS settings before it starts.
    FTls = std::make_unique<TlsSetup>(FSettings.Connection, Server());
    if (!FTls->Problem().isEmpty())
        FLog.AddLine(lsError, FTls->Problem());
    FReconnect = std::make_unique<Reconnector>(ReconnectHooks(), Server().Text(),
                                               ReconnectBackoff(FOptions.ReconnectRandom),
                                               FOptions.ReconnectClock);
    FReconnect->SetEnabled(FSettings.Connection.AutoReconnect);

    FCentral = std::make_unique<hbquor::ThbQuorCentral>();
    hbquor::SetServer(FSettings.QuorHost.toStdString(), FSettings.QuorPort);
    if (FCentral->Init() != 0)
        ShowMessage(QStringLiteral("could not initialise QuorApi"));
    else
        FLibraryDriver = std::make_unique<LibraryDriver>();
    FEvents = std::make_unique<TQuorMainEvents>(*this, *FCentral, FLines);
    FAccountEvents = std::make_unique<hbquor::account::TAccountEventRouter>(
        *FCentral, [this](const QString &text) { QueueMessage(text); });
    FAccountEvents->SetOnProfileLoaded([this](const QString &name) {
        if (hbquor::SameNameIgnoringCase(name, GetLoginName()))
            ui.mnuUserProfile->setEnabled(true);
    });
    FCentral->SetTimeMode(hbquor::kTimeModeVrt);

    if (FSettings.LogChat)
        FLog.OpenChatLog();
    ui.Timer1->start();
}

void TFormQuorMain::ReadSettings() {
    FSettings = MainSettings::Read(FOptions.Files.SettingsFile);
    ui.inpUserName->setText(FSettings.LoginName);
    const QSize room = Screens().value(0).size();
    FTalkSizes = std::make_unique<TalkWindowSizes>(FSettings.Sizes.Chat, FSettings.Sizes.Channel,
                                                   [this] { return Screens().value(0).size(); });
    // The window opens with the size it had, never smaller than its layout
    // nor larger than the screen.
    resize(FitWindowSize(FSettings.Sizes.Main, minimumSizeHint(), room));
    // The frame goes where the user left it; without a stored place, or with
    // one on no screen, it is centred on the primary screen.
    FPlacement = new FramePlacement(this, [this](const QSize &frame) {
        return StartFramePosition(FSettings.Frame, frame, Screens(), StartEdgeMargin);
    });
    FPlacement->Apply();
    FNormalFrame = new NormalFrame(this);
    if (FSettings.Sizes.MainMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

QList<QRect> TFormQuorMain::Screens() const {
    return FOptions.ScreenSize ? QList<QRect>{QRect(QPoint(0, 0), *FOptions.ScreenSize)}
                               : ScreenAreas();
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

void TFormQuorMain::mnuExitClick() {
    close();
}

void TFormQuorMain::closeEvent(QCloseEvent *event) {
    if (!FClosed && FormCloseQuery())
        FormClose();
    event->setAccepted(FClosed);
}

void TFormQuorMain::CloseWithoutAsking() {
    FormClose();
}

bool TFormQuorMain::FormCloseQuery() {
    return FOptions.AskYesNo(QStringLiteral("Do you wish to exit?"));
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
    FSettings.Write(FOptions.Files.SettingsFile);
    FLog.CloseChatLog();
    FContacts.Save(FOptions.Files.ContactsFile);
    FClosed = true;
}

void TFormQuorMain::FormDestroy() {
    // Windows still open end with the program; their close handlers point
    // here, so they are unhooked first.
    FTalkWindows.CloseAll();
    // The session manager ends every session; no event may reach the window
    // while it is being taken apart.
    FLibraryDriver.reset();
    FCentral.reset();
    FAccountEvents.reset();
    FEvents.reset();
}

QString TFormQuorMain::GetLoginName() const {
    return ui.inpUserName->text().trimmed();
}

QString TFormQuorMain::GetPassword() const {
    return ui.inpPassword->text().trimmed();
}

QString TFormQuorMain::GetTarget() const {
    return ui.inpTarget->text().trimmed();
}

bool TFormQuorMain::LoginSessionConnected() const {
    return FCentral && FCentral->IsConnected(GetLoginName().toStdString());
}

void TFormQuorMain::ShowMessage(const QString &text) {
    FOptions.ShowMessage(text);
}

void TFormQuorMain::QueueMessage(const QString &text) {
    QTimer::singleShot(0, this, [this, text] { ShowMessage(text); });
}

int TFormQuorMain::ExecDialog(QDialog &dialog) {
    return FOptions.ExecDialog ? FOptions.ExecDialog(dialog) : dialog.exec();
}

void TFormQuorMain::CenterOnMainWindow(QWidget *form) const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    CenterOnWindow(form, this, FOptions.ScreenSize.value_or(screen ? screen->size() : size()),
                   CentreEdgeMargin);
}

// ---- Looks ----

void TFormQuorMain::ShowDisconnected() {
    ui.pnLoginData->show();
    ui.spbLogon->setEnabled(true);
    ui.spbLogoff->setEnabled(false);
    ui.inpTarget->setEnabled(false);
    ui.inpSayThis->setEnabled(false);
    SetPaneColour(ui, DisconnectedColour);
    setWindowTitle(FTitle + QStringLiteral(" - disconnected"));
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
    SetPaneColour(ui, ConnectingColour);
    setWindowTitle(FTitle + QStringLiteral(" - ") + GetLoginName());
}

void TFormQuorMain::ShowConnected() {
    ui.inpTarget->setEnabled(true);
    ui.inpSayThis->setEnabled(true);
    SetPaneColour(ui, ConnectedColour);
    EnableSessionCommands(ui, true);
}
