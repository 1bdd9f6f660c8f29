// The main window's layout, start-up, settings, contacts pane, looks, clock
// and closing.
#include "UnitQuorMain.h"

#include "LibraryDriver.h"
#include "UnitQuorAbout.h"
#include "VrtText.h"
#include "WindowPlacement.h"

#include "AccountEventRouter.h"
#include "NameText.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

/// A window's corner is kept at least this far from the right and bottom
/// screen edges at start-up.
constexpr int StartEdgeMargin = 16;
/// A centred window is kept at least this far from those edges.
constexpr int CentreEdgeMargin = 50;

const QColor DisconnectedColour(255, 255, 221);
const QColor ConnectingColour(221, 255, 255);
const QColor ConnectedColour(255, 255, 255);

/// Keeps a coordinate within [0, limit].
int ClampToScreen(int value, int limit) {
    return std::max(0, std::min(limit, value));
}

/// The options with a working default for everything left unset.
TFormQuorMainOptions WithDefaults(TFormQuorMainOptions options, QWidget *window) {
    if (!options.ShowMessage)
        options.ShowMessage = [window](const QString &text) { ShowMessageBox(window, text); };
    if (!options.AskYesNo)
        options.AskYesNo = [window](const QString &text) { return AskYesNoBox(window, text); };
    if (!options.OpenUrl)
        options.OpenUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    return options;
}

} // namespace

TFormQuorMain::TFormQuorMain(TFormQuorMainOptions options, QWidget *parent)
    : QMainWindow(parent), ui(BuildMainWindowControls(*this)),
      FOptions(WithDefaults(std::move(options), this)), FContactsView(ui.ListView1, FContacts),
      FClock(ui.pnVRT, FOptions.VrtClock),
      FLog({ui.RichEdit1, ui.spbScrolling, ui.mnuLogChat}, FOptions.Files.ChatLogFile,
           FClock.Source(), FOptions.ShowMessage),
      FLines(FLog), FTalkWindows(ui.ListView2, TalkWindowHooks()) {
    ConnectCommands();
    FormCreate();
}

TalkWindowRegistry::Hooks TFormQuorMain::TalkWindowHooks() {
    TalkWindowRegistry::Hooks hooks;
    hooks.Place = [this](QWidget *window) { CenterOnMainWindow(window); };
    hooks.OwnName = [this] { return LoginSessionConnected() ? GetLoginName() : QString(); };
    hooks.SendToUser = [this](QString &own, QString &peer, const QString &text) {
        return ChatWindowSend(own, peer, text);
    };
    hooks.SendToChannel = [this](QString &own, QString &channel, const QString &text) {
        return ChannelWindowSend(own, channel, text);
    };
    hooks.ChannelOpened = [this](const QString &own, const QString &channel) {
        FLines.ChannelOpened(own, channel);
    };
    hooks.ChannelClosed = [this](const QString &channel) {
        const QString login = GetLoginName();
        if (FCentral && FCentral->IsConnected(login.toStdString()))
            FLines.ChannelClosed(login, channel);
        if (FCentral)
            FCentral->LeaveChannel(login.toStdString(), channel.toStdString());
    };
    hooks.InviteDialogTarget = this;
    hooks.ShowMessage = [this](const QString &text) { FOptions.ShowMessage(text); };
    return hooks;
}

TFormQuorMain::~TFormQuorMain() {
    FormDestroy();
}

void TFormQuorMain::FormCreate() {
    // Number texts always use "." whatever the user's locale says.
    QLocale::setDefault(QLocale::c());
    ReadSettings();
    FTitle = QStringLiteral("  HB Quor Client ");

    ui.PageControl1->setCurrentWidget(ui.TabSheet1);
    FContacts.Load(FOptions.Files.ContactsFile);
    FLog.Clear();
    ui.inpPassword->clear();
    ui.inpTarget->clear();
    ui.inpSayThis->clear();

    ShowDisconnected();

    FCentral = std::make_unique<hbquor::ThbQuorCentral>();
    hbquor::SetServer(FSettings.QuorHost.toStdString(), FSettings.QuorPort);
    if (FCentral->Init() != 0)
        FOptions.ShowMessage(QStringLiteral("could not initialise QuorApi"));
    else
        FLibraryDriver = std::make_unique<LibraryDriver>();
    SubscribeEvents();
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
    // The frame goes where the user left it; without a stored place, or with
    // one on no screen, it is centred on the primary screen.
    adjustSize(); // the size the window shows with, which the place depends on
    FPlacement = new FramePlacement(this, [this](const QSize &frame) {
        return StartFramePosition(FSettings.Frame, frame, ScreenAreas(), StartEdgeMargin);
    });
    FPlacement->Apply();
}

QList<QRect> TFormQuorMain::ScreenAreas() const {
    if (FOptions.ScreenSize)
        return {QRect(QPoint(0, 0), *FOptions.ScreenSize)};
    QList<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas << screen->availableGeometry();
    return areas;
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
    // The frame's corner, the same kind of position start-up applies. A
    // failure is ignored: the contacts are still saved.
    FSettings.Frame = frameGeometry().topLeft();
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

void TFormQuorMain::QueueMessage(const QString &text) {
    QTimer::singleShot(0, this, [this, text] { FOptions.ShowMessage(text); });
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

void TFormQuorMain::CenterOnMainWindow(QWidget *form, const QWidget *main, const QSize &screen) {
    if (form == nullptr || main == nullptr)
        return;
    const QRect mainFrame = main->frameGeometry();
    const QSize formSize = form->frameGeometry().size();
    const int left = mainFrame.left() + (mainFrame.width() - formSize.width()) / 2;
    const int top = mainFrame.top() + (mainFrame.height() - formSize.height()) / 2;
    form->move(ClampToScreen(left, screen.width() - CentreEdgeMargin),
               ClampToScreen(top, screen.height() - CentreEdgeMargin));
}

void TFormQuorMain::CenterOnMainWindow(QWidget *form) const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    CenterOnMainWindow(form, this, FOptions.ScreenSize.value_or(screen ? screen->size() : size()));
}

// ---- Clock ----

void TFormQuorMain::Timer1Timer() {
    FClock.Tick();
}

// ---- Help menu ----

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
