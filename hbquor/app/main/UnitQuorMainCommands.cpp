// The main window's commands on contacts, conversations and channels: the
// two panes' menus, the user-name, join and invite dialogs, the registries'
// window creation and send handlers, and dragging onto the target input.
#include "UnitQuorMain.h"

#include "NameText.h"

#include "UnitAddChannel.h"
#include "UnitAddUser.h"
#include "UnitInviteUser.h"

#include "InviteDialogEvent.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include "hbQuorClasses.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <exception>

namespace {

std::string S(const QString &text) {
    return text.toStdString();
}

bool Same(const QString &a, const QString &b) {
    return hbquor::SameNameIgnoringCase(a, b);
}

QString WithChannelMark(const QString &channel) {
    return channel.startsWith(QLatin1Char('#')) ? channel : QStringLiteral("#") + channel;
}

} // namespace

void TFormQuorMain::ConnectCommands() {
    connect(ui.spbScrolling, &QToolButton::clicked, this, &TFormQuorMain::spbScrollingClick);
    connect(ui.Timer1, &QTimer::timeout, this, &TFormQuorMain::Timer1Timer);
    connect(ui.mnuLogChat, &QAction::triggered, this, &TFormQuorMain::mnuLogChatClick);
    connect(ui.mnuExit, &QAction::triggered, this, &TFormQuorMain::mnuExitClick);
    connect(ui.mnuQuorSDK, &QAction::triggered, this, &TFormQuorMain::mnuQuorSDKClick);
    connect(ui.mnuQuorDelphi, &QAction::triggered, this, &TFormQuorMain::mnuQuorDelphiClick);
    connect(ui.mnuContactAuthor, &QAction::triggered, this, &TFormQuorMain::mnuContactAuthorClick);
    connect(ui.mnuAbout, &QAction::triggered, this, &TFormQuorMain::mnuAboutClick);
    connect(ui.mnuAddContact1, &QAction::triggered, this, &TFormQuorMain::mnuAddContact1Click);
    connect(ui.mnuDeleteContact1, &QAction::triggered, this,
            &TFormQuorMain::mnuDeleteContact1Click);
    connect(ui.mnuOpenChat, &QAction::triggered, this, &TFormQuorMain::mnuOpenChatClick);
    connect(ui.mnuPingUser, &QAction::triggered, this, &TFormQuorMain::mnuPingUserClick);
    connect(ui.mnuPingUser1, &QAction::triggered, this, &TFormQuorMain::mnuPingUser1Click);
    connect(ui.mnuUserStatus, &QAction::triggered, this, &TFormQuorMain::mnuUserStatusClick);
    connect(ui.mnuUserStatus1, &QAction::triggered, this, &TFormQuorMain::mnuUserStatus1Click);
    connect(ui.mnuJoinChannel, &QAction::triggered, this, &TFormQuorMain::mnuJoinChannelClick);
    connect(ui.mnuJoinChannel2, &QAction::triggered, this, &TFormQuorMain::mnuJoinChannelClick);
    connect(ui.mnuListChannels, &QAction::triggered, this, &TFormQuorMain::mnuListChannelsClick);
    connect(ui.mnuInviteUser1, &QAction::triggered, this, &TFormQuorMain::mnuInviteUser1Click);
    connect(ui.mnuInviteUser2, &QAction::triggered, this, &TFormQuorMain::mnuInviteUser2Click);
    connect(ui.mnuInviteUser3, &QAction::triggered, this, &TFormQuorMain::mnuInviteUser2Click);
    connect(ui.ListView1, &QTreeWidget::itemDoubleClicked, this, &TFormQuorMain::ListView1DblClick);
    connect(ui.ListView2, &QTreeWidget::itemDoubleClicked, this, &TFormQuorMain::ListView2DblClick);
    connect(ui.spbLogon, &QAbstractButton::clicked, this, &TFormQuorMain::spbLogonClick);
    connect(ui.spbLogoff, &QAbstractButton::clicked, this, &TFormQuorMain::spbLogoffClick);
    connect(ui.mnuCreateaQuoraccount, &QAction::triggered, this,
            &TFormQuorMain::mnuCreateaQuoraccountClick);
    connect(ui.mnuReqPassword, &QAction::triggered, this, &TFormQuorMain::mnuReqPasswordClick);
    connect(ui.mnuUserProfile, &QAction::triggered, this, &TFormQuorMain::mnuUserProfileClick);
    for (QObject *watched :
         {static_cast<QObject *>(ui.inpUserName), static_cast<QObject *>(ui.inpPassword),
          static_cast<QObject *>(ui.inpSayThis), static_cast<QObject *>(ui.inpTarget)})
        watched->installEventFilter(this);
    ui.inpTarget->setAcceptDrops(true);
}

bool TFormQuorMain::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == ui.inpSayThis)
            return inpSayThisKeyDown(key);
        if (watched == ui.inpUserName)
            inpUserNameKeyDown(key);
        else if (watched == ui.inpPassword)
            inpPasswordKeyDown(key);
    } else if (watched == ui.inpTarget &&
               (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
        auto *drag = static_cast<QDropEvent *>(event);
        drag->setAccepted(inpTargetDragOver(drag->source()));
        return true;
    } else if (watched == ui.inpTarget && event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        if (inpTargetDragOver(drop->source())) {
            inpTargetDragDrop(drop->source());
            drop->acceptProposedAction();
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFormQuorMain::event(QEvent *event) {
    if (event->type() == TInviteDialogEvent::EventType()) {
        const auto *request = static_cast<TInviteDialogEvent *>(event);
        InviteDialog(request->PendingInviteUser(), request->PendingInviteChannel());
        return true;
    }
    return QMainWindow::event(event);
}

int TFormQuorMain::ExecDialog(QDialog &dialog) {
    return FOptions.ExecDialog ? FOptions.ExecDialog(dialog) : dialog.exec();
}

bool TFormQuorMain::LoginSessionConnected() {
    return FCentral && FCentral->IsConnected(S(GetLoginName()));
}

std::optional<QString> TFormQuorMain::AskUserName(const QString &title, const QString &button,
                                                  const QString &prefill) {
    TFormAddUser dialog(this);
    CenterOnMainWindow(&dialog);
    dialog.setWindowTitle(title);
    dialog.lbAddUser->setText(QStringLiteral("Quor user"));
    dialog.inpAddUser->setText(prefill);
    dialog.btnAddDelete->setText(button);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.inpAddUser->text();
}

// ---- Contacts pane ----

void TFormQuorMain::SendContactList(const QString &account) {
    std::vector<std::string> names;
    for (const QString &name : FContacts.Names())
        names.push_back(S(name));
    FCentral->AddContacts(S(account), names);
}

void TFormQuorMain::mnuAddContact1Click() {
    const std::optional<QString> typed =
        AskUserName(QStringLiteral("Add Quor Contact"), QStringLiteral("Add"), QString());
    const QString name = typed.value_or(QString()).trimmed();
    if (name.isEmpty())
        return;
    if (!FContacts.Add(name)) {
        FOptions.ShowMessage(name + QStringLiteral(" is already on the list."));
        return;
    }
    const std::string login = S(GetLoginName());
    if (FCentral->HasLogin(login) && !FCentral->IsIdle(login))
        FCentral->AddContact(login, S(name));
}

void TFormQuorMain::mnuDeleteContact1Click() {
    const std::optional<QString> typed =
        AskUserName(QStringLiteral("Delete Quor Contact"), QStringLiteral("Delete"),
                    SelectedCaption(ui.ListView1));
    const QString name = typed.value_or(QString()).trimmed();
    if (name.isEmpty())
        return;
    if (!FContacts.Remove(name)) {
        FOptions.ShowMessage(name + QStringLiteral(" is not on the list."));
        return;
    }
    const std::string login = S(GetLoginName());
    if (FCentral->HasLogin(login) && !FCentral->IsIdle(login))
        FCentral->DelContact(login, S(name));
}

// ---- Conversations ----

void TFormQuorMain::mnuOpenChatClick() {
    const QString name = SelectedCaption(ui.ListView1);
    if (!Same(name, GetLoginName()) && LoginSessionConnected())
        OpenChatDialog(name);
}

void TFormQuorMain::OpenChatDialog(const QString &name) {
    if (Same(name, GetLoginName()) && !name.isEmpty())
        return;
    const std::optional<QString> typed =
        AskUserName(QStringLiteral("Open Quor Chat"), QStringLiteral("Open"), name);
    const QString peer = typed.value_or(QString()).trimmed();
    if (peer.isEmpty() || Same(peer, GetLoginName()))
        return;
    if (TFormQuorChat *window = FTalkWindows.CreateChatWindow(peer))
        window->ShowInFront(true);
}

void TFormQuorMain::ListView1DblClick() {
    const QString name = SelectedCaption(ui.ListView1);
    if (name.isEmpty())
        return;
    if (TFormQuorChat *window = FTalkWindows.FindChatWindow(name))
        window->ShowInFront(true);
    else if (LoginSessionConnected())
        if (TFormQuorChat *created = FTalkWindows.CreateChatWindow(name))
            created->ShowInFront(false);
}

bool TFormQuorMain::ChatWindowSend(QString &own, QString &peer, const QString &text) {
    if (own.isEmpty())
        own = GetLoginName();
    if (FCentral->SendText(S(own), S(peer), S(text)) != 0)
        return false;
    FLines.PrivateText(own, peer, text);
    return true;
}

// ---- Ping and online status ----

void TFormQuorMain::mnuPingUserClick() {
    if (LoginSessionConnected())
        PingDialog(GetLoginName(), QString());
}

void TFormQuorMain::mnuPingUser1Click() {
    if (LoginSessionConnected())
        PingDialog(GetLoginName(), SelectedCaption(ui.ListView1));
}

void TFormQuorMain::mnuUserStatusClick() {
    if (LoginSessionConnected())
        StatusDialog(GetLoginName(), QString());
}

void TFormQuorMain::mnuUserStatus1Click() {
    if (LoginSessionConnected())
        StatusDialog(GetLoginName(), SelectedCaption(ui.ListView1));
}

void TFormQuorMain::PingDialog(const QString &account, const QString &name) {
    AskUserAndRequest(QStringLiteral("Ping User"), QStringLiteral("Ping"), account, name,
                      &hbquor::ThbQuorCentral::PingUser);
}

void TFormQuorMain::StatusDialog(const QString &account, const QString &name) {
    AskUserAndRequest(QStringLiteral("Query User Online Status"), QStringLiteral("Query"), account,
                      name, &hbquor::ThbQuorCentral::IsOnline);
}

void TFormQuorMain::AskUserAndRequest(const QString &title, const QString &button,
                                      const QString &account, const QString &name,
                                      UserRequest request) {
    // The name goes to the server as typed; the session may have gone
    // while the dialog was open.
    const std::optional<QString> typed = AskUserName(title, button, name);
    if (typed && !typed->isEmpty() && FCentral->IsConnected(S(account)))
        ((*FCentral).*request)(S(account), S(*typed));
}

// ---- ui.Channels ----

void TFormQuorMain::mnuJoinChannelClick() {
    if (!LoginSessionConnected())
        return;
    TFormAddChannel dialog(this);
    dialog.inpQuorChannel->clear();
    dialog.inpPassword->clear();
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    QString channel = dialog.inpQuorChannel->text().trimmed();
    if (channel.isEmpty())
        return;
    channel = WithChannelMark(channel);
    const int type = dialog.ChannelTypeIndex();
    const QString password = dialog.inpPassword->text().trimmed();
    TFormQuorChannel *window = FTalkWindows.FindChannelWindow(channel);
    if (window == nullptr)
        window = FTalkWindows.CreateChannelWindow(GetLoginName(), channel, type);
    if (window == nullptr)
        return;
    window->ShowInFront(true);
    if (FCentral->JoinChannel(S(GetLoginName()), S(channel), type, S(password)) != 0)
        window->close();
}

bool TFormQuorMain::ChannelWindowSend(QString &own, QString &channel, const QString &text) {
    if (own.isEmpty())
        own = GetLoginName();
    if (FCentral->SendText(S(own), S(channel), S(text)) != 0)
        return false;
    FLines.ChannelText(channel, own, text);
    return true;
}

void TFormQuorMain::ListView2DblClick() {
    const QString channel = SelectedCaption(ui.ListView2);
    if (channel.isEmpty())
        return;
    if (TFormQuorChannel *window = FTalkWindows.FindChannelWindow(channel))
        window->ShowInFront(true);
}

void TFormQuorMain::mnuListChannelsClick() {
    FChannelCount = 0;
    if (LoginSessionConnected())
        FCentral->RequestChannelList(S(GetLoginName()));
}

// ---- Invitations ----

void TFormQuorMain::mnuInviteUser1Click() {
    InviteDialog(QString(), QString());
}

void TFormQuorMain::mnuInviteUser2Click() {
    InviteDialog(SelectedCaption(ui.ListView1), SelectedCaption(ui.ListView2));
}

void TFormQuorMain::InviteDialog(const QString &user, const QString &channel) {
    if (!LoginSessionConnected())
        return;
    TFormInviteUser dialog(this);
    dialog.ShowMessage = FOptions.ShowMessage;
    dialog.inpUser->setText(user);
    dialog.inpChannel->setText(channel);
    if (ExecDialog(dialog) != QDialog::Accepted)
        return;
    const QString invited = dialog.inpUser->text();
    const QString target = WithChannelMark(dialog.inpChannel->text());
    const int result = FCentral->InviteUser(S(GetLoginName()), S(target), S(invited));
    if (result != 0)
        FOptions.ShowMessage(QStringLiteral("Invitation to %1 FAILED\rReason %2: %3")
                                 .arg(invited, QString::number(result),
                                      QString::fromStdString(hbquor::ErrorText(result))));
    FInvitations.Remember(invited, target);
}

// ---- Dragging onto the target input ----

bool TFormQuorMain::inpTargetDragOver(QObject *source) const {
    return source == ui.ListView1 || source == ui.ListView2;
}

void TFormQuorMain::inpTargetDragDrop(QObject *source) {
    const QString caption = SelectedCaption(static_cast<QTreeWidget *>(source));
    if (!caption.isEmpty())
        ui.inpTarget->setText(caption);
}
