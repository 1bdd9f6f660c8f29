// SPDX-License-Identifier: MIT
#include "MainCommands.h"

#include "ChatClient.h"
#include "ContactListModel.h"
#include "EventLines.h"
#include "FillFields.h"
#include "MainWindowControls.h"
#include "NameText.h"
#include "TalkWindowRegistry.h"
#include "UnitAddChannel.h"
#include "UnitAddUser.h"
#include "UnitInviteUser.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include "hbQuorErrors.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace hbquor::main {

namespace {

bool Same(const QString &a, const QString &b) {
    return hbquor::SameNameIgnoringCase(a, b);
}

QString WithChannelMark(const QString &channel) {
    return channel.startsWith(QLatin1Char('#')) ? channel : QStringLiteral("#") + channel;
}

} // namespace

MainCommands::MainCommands(client::ChatClient &client, const TFormQuorMainControls &ui,
                           TalkWindowRegistry &talkWindows, ContactListModel &contacts,
                           EventLines &lines, DialogHost host)
    : FClient(client), FUi(ui), FTalkWindows(talkWindows), FContacts(contacts), FLines(lines),
      FHost(std::move(host)) {
    const std::initializer_list<std::pair<QAction *, void (MainCommands::*)()>> items{
        {ui.mnuAddContact1, &MainCommands::mnuAddContact1Click},
        {ui.mnuDeleteContact1, &MainCommands::mnuDeleteContact1Click},
        {ui.mnuOpenChat, &MainCommands::mnuOpenChatClick},
        {ui.mnuPingUser, &MainCommands::mnuPingUserClick},
        {ui.mnuPingUser1, &MainCommands::mnuPingUser1Click},
        {ui.mnuUserStatus, &MainCommands::mnuUserStatusClick},
        {ui.mnuUserStatus1, &MainCommands::mnuUserStatus1Click},
        {ui.mnuJoinChannel, &MainCommands::mnuJoinChannelClick},
        {ui.mnuJoinChannel2, &MainCommands::mnuJoinChannelClick},
        {ui.mnuListChannels, &MainCommands::mnuListChannelsClick},
        {ui.mnuInviteUser1, &MainCommands::mnuInviteUser1Click},
        {ui.mnuInviteUser2, &MainCommands::mnuInviteUser2Click},
        {ui.mnuInviteUser3, &MainCommands::mnuInviteUser2Click},
    };
    QObject *context = FHost.Parent;
    for (const auto &[item, handler] : items)
        QObject::connect(item, &QAction::triggered, context,
                         [this, handler] { (this->*handler)(); });
    QObject::connect(ui.ListView1, &QTreeWidget::itemDoubleClicked, context,
                     [this] { ListView1DblClick(); });
    QObject::connect(ui.ListView2, &QTreeWidget::itemDoubleClicked, context,
                     [this] { ListView2DblClick(); });
    QObject::connect(&client, &client::ChatClient::RejoinDue, context,
                     [this](const client::JoinedChannel &channel) {
                         OpenAndJoinChannel(channel.Name, channel.Type, channel.Password);
                     });
}

std::optional<QString> MainCommands::AskUserName(const QString &title, const QString &button,
                                                 const QString &prefill) {
    TFormAddUser dialog(FHost.Parent);
    FHost.Center(&dialog);
    dialog.setWindowTitle(title);
    dialog.lbAddUser->setText(tr("Quor user"));
    dialog.inpAddUser->setText(prefill);
    dialog.btnAddDelete->setText(button);
    if (FHost.Exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.inpAddUser->text();
}

// ---- Contacts pane ----

void MainCommands::mnuAddContact1Click() {
    ChangeContacts(tr("Add Quor Contact"), tr("Add"), QString(), &ContactListModel::Add,
                   QT_TR_NOOP(" is already on the list."), &client::ChatClient::AddContact);
}

void MainCommands::mnuDeleteContact1Click() {
    ChangeContacts(tr("Delete Quor Contact"), tr("Delete"), SelectedCaption(FUi.ListView1),
                   &ContactListModel::Remove, QT_TR_NOOP(" is not on the list."),
                   &client::ChatClient::DelContact);
}

void MainCommands::ChangeContacts(const QString &title, const QString &button,
                                  const QString &prefill, ListChange change, const char *refusal,
                                  SessionChange request) {
    const QString name = AskUserName(title, button, prefill).value_or(QString()).trimmed();
    if (name.isEmpty())
        return;
    if (!(FContacts.*change)(name)) {
        FHost.ShowMessage(name + tr(refusal));
        return;
    }
    (FClient.*request)(name);
}

// ---- Conversations ----

void MainCommands::mnuOpenChatClick() {
    const QString name = SelectedCaption(FUi.ListView1);
    if (!Same(name, FClient.Account()) && FClient.IsLoggedOn())
        OpenChatDialog(name);
}

void MainCommands::OpenChatDialog(const QString &name) {
    if (Same(name, FClient.Account()) && !name.isEmpty())
        return;
    const std::optional<QString> typed = AskUserName(tr("Open Quor Chat"), tr("Open"), name);
    const QString peer = typed.value_or(QString()).trimmed();
    if (peer.isEmpty() || Same(peer, FClient.Account()))
        return;
    if (TFormQuorChat *window = FTalkWindows.CreateChatWindow(peer))
        window->ShowInFront(true);
}

void MainCommands::ListView1DblClick() {
    const QString name = SelectedCaption(FUi.ListView1);
    if (name.isEmpty())
        return;
    if (TFormQuorChat *window = FTalkWindows.FindChatWindow(name))
        window->ShowInFront(true);
    else if (FClient.IsLoggedOn())
        if (TFormQuorChat *created = FTalkWindows.CreateChatWindow(name))
            created->ShowInFront(false);
}

// ---- Ping and online status ----

void MainCommands::mnuPingUserClick() {
    if (FClient.IsLoggedOn())
        PingDialog(QString());
}

void MainCommands::mnuPingUser1Click() {
    if (FClient.IsLoggedOn())
        PingDialog(SelectedCaption(FUi.ListView1));
}

void MainCommands::mnuUserStatusClick() {
    if (FClient.IsLoggedOn())
        StatusDialog(QString());
}

void MainCommands::mnuUserStatus1Click() {
    if (FClient.IsLoggedOn())
        StatusDialog(SelectedCaption(FUi.ListView1));
}

void MainCommands::PingDialog(const QString &name) {
    AskUserAndRequest(tr("Ping User"), tr("Ping"), name, &client::ChatClient::PingUser);
}

void MainCommands::StatusDialog(const QString &name) {
    AskUserAndRequest(tr("Query User Online Status"), tr("Query"), name,
                      &client::ChatClient::QueryUserStatus);
}

void MainCommands::AskUserAndRequest(const QString &title, const QString &button,
                                     const QString &name, UserRequest request) {
    // The name goes to the server as typed; the session may have gone
    // while the dialog was open.
    const std::optional<QString> typed = AskUserName(title, button, name);
    if (typed && !typed->isEmpty())
        (FClient.*request)(*typed);
}

// ---- Channels ----

void MainCommands::mnuJoinChannelClick() {
    if (!FClient.IsLoggedOn())
        return;
    TFormAddChannel dialog(FHost.Parent);
    dialog.inpQuorChannel->clear();
    dialog.inpPassword->clear();
    if (FHost.Exec(dialog) != QDialog::Accepted)
        return;
    QString channel = dialog.inpQuorChannel->text().trimmed();
    if (channel.isEmpty())
        return;
    channel = WithChannelMark(channel);
    OpenAndJoinChannel(channel, dialog.ChannelTypeIndex(), dialog.inpPassword->text().trimmed());
}

void MainCommands::OpenAndJoinChannel(const QString &channel, int type, const QString &password) {
    TFormQuorChannel *window = FTalkWindows.FindChannelWindow(channel);
    if (window == nullptr)
        window = FTalkWindows.CreateChannelWindow(FClient.Account(), channel, type);
    if (window == nullptr)
        return;
    window->ShowInFront(true);
    if (FClient.JoinChannel(channel, type, password) != 0)
        window->close();
}

void MainCommands::ChannelWindowClosed(const QString &channel) {
    if (FClient.IsLoggedOn())
        FLines.ChannelClosed(FClient.Account(), channel);
    FClient.LeaveChannel(channel);
}

void MainCommands::ListView2DblClick() {
    const QString channel = SelectedCaption(FUi.ListView2);
    if (channel.isEmpty())
        return;
    if (TFormQuorChannel *window = FTalkWindows.FindChannelWindow(channel))
        window->ShowInFront(true);
}

void MainCommands::mnuListChannelsClick() {
    FClient.RequestChannelList();
}

// ---- Invitations ----

void MainCommands::mnuInviteUser1Click() {
    InviteDialog(QString(), QString());
}

void MainCommands::mnuInviteUser2Click() {
    InviteDialog(SelectedCaption(FUi.ListView1), SelectedCaption(FUi.ListView2));
}

void MainCommands::InviteDialog(const QString &user, const QString &channel) {
    if (!FClient.IsLoggedOn())
        return;
    TFormInviteUser dialog(FHost.Parent);
    dialog.ShowMessage = FHost.ShowMessage;
    dialog.inpUser->setText(user);
    dialog.inpChannel->setText(channel);
    if (FHost.Exec(dialog) != QDialog::Accepted)
        return;
    const QString invited = dialog.inpUser->text();
    const QString target = WithChannelMark(dialog.inpChannel->text());
    const int result = FClient.InviteUser(target, invited);
    if (result != 0)
        FHost.ShowMessage(FillFields(
            tr("Invitation to %s FAILED\rReason %d: %s"),
            {invited, QString::number(result), QString::fromStdString(hbquor::ErrorText(result))}));
}

// ---- Dragging onto the target input ----

bool MainCommands::inpTargetDragOver(const QObject *source) const {
    return source == FUi.ListView1 || source == FUi.ListView2;
}

void MainCommands::inpTargetDragDrop(QObject *source) {
    const QString caption = SelectedCaption(static_cast<QTreeWidget *>(source));
    if (!caption.isEmpty())
        FUi.inpTarget->setText(caption);
}

} // namespace hbquor::main
