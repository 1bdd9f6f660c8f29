// The main window's layout, start-up, settings, contacts pane, looks, clock
// and closing.
#include "UnitQuorMain.h"

#include "LibraryDriver.h"
#include "UnitQuorAbout.h"
#include "VrtText.h"
#include "WindowPlacement.h"

#include "NameText.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "UnitUserProfile.h"

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

} // namespace

TFormQuorMain::TFormQuorMain(TFormQuorMainOptions options, QWidget *parent)
    : QMainWindow(parent), ui(BuildMainWindowControls(*this)), FOptions(std::move(options)),
      FContactsView(ui.ListView1, FContacts) {
    if (!FOptions.ShowMessage)
        FOptions.ShowMessage = [this](const QString &text) { ShowMessageBox(this, text); };
    if (!FOptions.AskYesNo)
        FOptions.AskYesNo = [this](const QString &text) { return AskYesNoBox(this, text); };
    if (!FOptions.OpenUrl)
        FOptions.OpenUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    if (!FOptions.VrtClock)
        FOptions.VrtClock = [] { return hbquor::VrtNow(); };
    FLogPane = std::make_unique<LinePane>(ui.RichEdit1);
    ConnectCommands();
    FormCreate();
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
    FLogPane->Clear();
    ui.inpPassword->clear();
    ui.inpTarget->clear();
    ui.inpSayThis->clear();

    ShowDisconnected();
    SetFrozen(false);

    FCentral = std::make_unique<hbquor::ThbQuorCentral>();
    hbquor::SetServer(FSettings.QuorHost.toStdString(), FSettings.QuorPort);
    if (FCentral->Init() != 0)
        FOptions.ShowMessage(QStringLiteral("could not initialise QuorApi"));
    else
        FLibraryDriver = std::make_unique<LibraryDriver>();
    SubscribeEvents();
    FCentral->SetTimeMode(hbquor::kTimeModeVrt);

    if (FSettings.LogChat)
        OpenChatLog();
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
    FSettings.LogChat = FChatLog.IsOpen();
    FSettings.Write(FOptions.Files.SettingsFile);
    CloseChatLog();
    FContacts.Save(FOptions.Files.ContactsFile);
    FClosed = true;
}

void TFormQuorMain::FormDestroy() {
    // Windows still open end with the program; their close handlers point
    // here, so they are unhooked first.
    auto closeUnhooked = [](auto &registry) {
        for (const auto &entry : registry)
            if (entry.second) {
                entry.second->SetOnClose({});
                entry.second->close();
            }
        registry.clear();
    };
    closeUnhooked(FChatWindows);
    closeUnhooked(FChannelWindows);
    // The session manager ends every session; no event may reach the window
    // while it is being taken apart.
    FLibraryDriver.reset();
    FCentral.reset();
    FChatLog.Close();
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

double TFormQuorMain::VrtTime() const {
    return FOptions.VrtClock();
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
    CloseAllChannelWindows();
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
    const double now = VrtTime();
    const QString caption = FormatVrtHourMinute(now);
    if (ui.pnVRT->text() != caption)
        ui.pnVRT->setText(caption);
    const QString hint = QStringLiteral("Virtual Reality Time:\n") + FormatVrtDate(now);
    if (ui.pnVRT->toolTip() != hint)
        ui.pnVRT->setToolTip(hint);
}

// ---- Registries ----

TFormQuorChat *TFormQuorMain::FindChatWindow(const QString &name) const {
    for (const auto &[key, window] : FChatWindows)
        if (window && hbquor::SameNameIgnoringCase(key, name))
            return window;
    return nullptr;
}

TFormQuorChannel *TFormQuorMain::FindChannelWindow(const QString &channel) const {
    for (const auto &[key, window] : FChannelWindows)
        if (window && hbquor::SameNameIgnoringCase(key, channel))
            return window;
    return nullptr;
}

void TFormQuorMain::RegisterChatWindow(const QString &name, TFormQuorChat *window) {
    FChatWindows.append({name, window});
    window->SetOnClose([this](TFormQuorChat &closing) { ForgetChatWindow(closing); });
}

void TFormQuorMain::RegisterChannelWindow(const QString &channel, TFormQuorChannel *window) {
    FChannelWindows.append({channel, window});
    new QTreeWidgetItem(ui.ListView2, {channel});
    window->SetOnClose([this](TFormQuorChannel &closing) { ChannelWindowClosed(closing); });
}

void TFormQuorMain::ForgetChatWindow(TFormQuorChat &window) {
    const std::string peer = window.GetPeerName().toStdString();
    for (qsizetype i = 0; i < FChatWindows.size(); ++i)
        if (quor::SameNameIgnoringCase(FChatWindows[i].first.toStdString(), peer)) {
            FChatWindows.removeAt(i);
            return;
        }
}

void TFormQuorMain::ChannelWindowClosed(TFormQuorChannel &window) {
    const QString channel = window.GetChannelName();
    qsizetype entry = -1;
    for (qsizetype i = 0; i < FChannelWindows.size() && entry < 0; ++i)
        if (hbquor::SameNameIgnoringCase(FChannelWindows[i].first, channel))
            entry = i;
    if (entry < 0)
        return;
    const QString login = GetLoginName();
    if (FCentral && FCentral->IsConnected(login.toStdString())) {
        const QString stamp = TimeStamp();
        AddLogLine(lsConnection, login + QStringLiteral(" left channel ") + channel);
        WriteChatLog(QStringLiteral("%1 VRT: %2 left channel %3").arg(stamp, login, channel));
        AddLogLine(lsConnection, login + QStringLiteral(" closed channel ") + channel);
        WriteChatLog(QStringLiteral("%1 VRT: %2 closed channel %3").arg(stamp, login, channel));
    }
    FChannelWindows.removeAt(entry);
    for (int i = 0; i < ui.ListView2->topLevelItemCount(); ++i)
        if (quor::SameNameIgnoringCase(ui.ListView2->topLevelItem(i)->text(0).toStdString(),
                                       channel.toStdString())) {
            delete ui.ListView2->takeTopLevelItem(i);
            break;
        }
    if (FCentral)
        FCentral->LeaveChannel(login.toStdString(), channel.toStdString());
}

void TFormQuorMain::CloseAllChannelWindows() {
    QStringList names;
    for (const auto &entry : FChannelWindows)
        names << entry.first;
    for (const QString &name : names)
        if (TFormQuorChannel *window = FindChannelWindow(name))
            window->close();
}

void TFormQuorMain::SetLastInvitation(const QString &user, const QString &channel) {
    FInviteUser = user;
    FInviteChannel = channel;
}

void TFormQuorMain::SetUserProfileWindow(hbquor::account::TFormUserProfile *window) {
    FUserProfile = window;
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
