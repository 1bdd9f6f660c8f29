#include "MainCommands.h"

#include "EventLines.h"
#include "FillFields.h"
#include "NameText.h"
#include "UnitAddChannel.h"
#include "UnitAddUser.h"
#include "UnitInviteUser.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "UnitQuorMain.h"
#include "UnitQuorMainEvents.h"

#include "hbQuorClasses.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

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

TQuorMainCommands::TQuorMainCommands(TFormQuorMain &window, EventLines &lines)
    : FWindow(window), FLines(lines) {
    const TFormQuorMainControls &ui = window.ui;
    const std::initializer_list<std::pair<QAction *, void (TQuorMainCommands::*)()>> items{
        {ui.mnuAddContact1, &TQuorMainCommands::mnuAddContact1Click},
        {ui.mnuDeleteContact1, &TQuorMainCommands::mnuDeleteContact1Click},
        {ui.mnuOpenChat, &TQuorMainCommands::mnuOpenChatClick},
        {ui.mnuPingUser, &TQuorMainCommands::mnuPingUserClick},
        {ui.mnuPingUser1, &TQuorMainCommands::mnuPingUser1Click},
        {ui.mnuUserStatus, &TQuorMainCommands::mnuUserStatusClick},
        {ui.mnuUserStatus1, &TQuorMainCommands::mnuUserStatus1Click},
        {ui.mnuJoinChannel, &TQuorMainCommands::mnuJoinChannelClick},
        {ui.mnuJoinChannel2, &TQuorMainCommands::mnuJoinChannelClick},
        {ui.mnuListChannels, &TQuorMainCommands::mnuListChannelsClick},
        {ui.mnuInviteUser1, &TQuorMainCommands::mnuInviteUser1Click},
        {ui.mnuInviteUser2, &TQuorMainCommands::mnuInviteUser2Click},
        {ui.mnuInviteUser3, &TQuorMainCommands::mnuInviteUser2Click},
    };
    for (const auto &[item, handler] : items)
        QObject::connect(item, &QAction::triggered, &window,
                         [this, handler] { (this->*handler)(); });
    QObject::connect(ui.ListView1, &QTreeWidget::itemDoubleClicked, &window,
                     [this] { ListView1DblClick(); });
    QObject::connect(ui.ListView2, &QTreeWidget::itemDoubleClicked, &window,
                     [this] { ListView2DblClick(); });
}

hbquor::ThbQuorCentral &TQuorMainCommands::Central() {
    return *FWindow.Central();
}

std::optional<QString> TQuorMainCommands::AskUserName(const QString &title, const QString &button,
                                                      const QString &prefill) {
    TFormAddUser dialog(&FWindow);
    FWindow.CenterOnMainWindow(&dialog);
    dialog.setWindowTitle(title);
    dialog.lbAddUser->setText(QStringLiteral("Quor user"));
    dialog.inpAddUser->setText(prefill);
    dialog.btnAddDelete->setText(button);
    if (FWindow.ExecDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.inpAddUser->text();
}

// ---- Contacts pane ----

void TQuorMainCommands::SendContactList(const QString &account) {
    std::vector<std::string> names;
    for (const QString &name : FWindow.Contacts().Names())
        names.push_back(S(name));
    Central().AddContacts(S(account), names);
}

void TQuorMainCommands::mnuAddContact1Click() {
    ChangeContacts(QStringLiteral("Add Quor Contact"), QStringLiteral("Add"), QString(),
                   &ContactListModel::Add, " is already on the list.",
                   &hbquor::ThbQuorCentral::AddContact);
}

void TQuorMainCommands::mnuDeleteContact1Click() {
    ChangeContacts(QStringLiteral("Delete Quor Contact"), QStringLiteral("Delete"),
                   SelectedCaption(FWindow.ui.ListView1), &ContactListModel::Remove,
                   " is not on the list.", &hbquor::ThbQuorCentral::DelContact);
}

void TQuorMainCommands::ChangeContacts(const QString &title, const QString &button,
                                       const QString &prefill, ListChange change,
                                       const char *refusal, SessionChange request) {
    const QString name = AskUserName(title, button, prefill).value_or(QString()).trimmed();
    if (name.isEmpty())
        return;
    if (!(FWindow.Contacts().*change)(name)) {
        FWindow.ShowMessage(name + QLatin1String(refusal));
        return;
    }
    // A session that is logging on or logged on learns of it at once; any
    // other at the next logon, when it gets the whole list.
    const std::string login = S(FWindow.GetLoginName());
    if (Central().HasLogin(login) && !Central().IsIdle(login))
        (Central().*request)(login, S(name));
}

// ---- Conversations ----

void TQuorMainCommands::mnuOpenChatClick() {
    const QString name = SelectedCaption(FWindow.ui.ListView1);
    if (!Same(name, FWindow.GetLoginName()) && FWindow.LoginSessionConnected())
        OpenChatDialog(name);
}

void TQuorMainCommands::OpenChatDialog(const QString &name) {
    if (Same(name, FWindow.GetLoginName()) && !name.isEmpty())
        return;
    const std::optional<QString> typed =
        AskUserName(QStringLiteral("Open Quor Chat"), QStringLiteral("Open"), name);
    const QString peer = typed.value_or(QString()).trimmed();
    if (peer.isEmpty() || Same(peer, FWindow.GetLoginName()))
        return;
    if (TFormQuorChat *window = FWindow.TalkWindows().CreateChatWindow(peer))
        window->ShowInFront(true);
}

void TQuorMainCommands::ListView1DblClick() {
    const QString name = SelectedCaption(FWindow.ui.ListView1);
    if (name.isEmpty())
        return;
    if (TFormQuorChat *window = FWindow.TalkWindows().FindChatWindow(name))
        window->ShowInFront(true);
    else if (FWindow.LoginSessionConnected())
        if (TFormQuorChat *created = FWindow.TalkWindows().CreateChatWindow(name))
            created->ShowInFront(false);
}

bool TQuorMainCommands::ChatWindowSend(QString &own, QString &peer, const QString &text) {
    if (own.isEmpty())
        own = FWindow.GetLoginName();
    if (!SendAllowed(own, peer))
        return false;
    if (Central().SendText(S(own), S(peer), S(text)) != 0)
        return false;
    FLines.PrivateText(own, peer, text);
    // The window adds the line itself once this returns.
    FWindow.ConversationLine(peer, own + QStringLiteral(": \t") + text, false);
    return true;
}

bool TQuorMainCommands::SendAllowed(const QString &own, const QString &target) {
    if (!Central().IsConnected(S(own)))
        FWindow.LogNotSent(SendRefusal::NotLoggedOn, target);
    else if (Same(own, target))
        FWindow.LogNotSent(SendRefusal::OwnName, target);
    else
        return true;
    return false;
}

// ---- Ping and online status ----

void TQuorMainCommands::mnuPingUserClick() {
    if (FWindow.LoginSessionConnected())
        PingDialog(FWindow.GetLoginName(), QString());
}

void TQuorMainCommands::mnuPingUser1Click() {
    if (FWindow.LoginSessionConnected())
        PingDialog(FWindow.GetLoginName(), SelectedCaption(FWindow.ui.ListView1));
}

void TQuorMainCommands::mnuUserStatusClick() {
    if (FWindow.LoginSessionConnected())
        StatusDialog(FWindow.GetLoginName(), QString());
}

void TQuorMainCommands::mnuUserStatus1Click() {
    if (FWindow.LoginSessionConnected())
        StatusDialog(FWindow.GetLoginName(), SelectedCaption(FWindow.ui.ListView1));
}

void TQuorMainCommands::PingDialog(const QString &account, const QString &name) {
    AskUserAndRequest(QStringLiteral("Ping User"), QStringLiteral("Ping"), account, name,
                      &hbquor::ThbQuorCentral::PingUser);
}

void TQuorMainCommands::StatusDialog(const QString &account, const QString &name) {
    AskUserAndRequest(QStringLiteral("Query User Online Status"), QStringLiteral("Query"), account,
                      name, &hbquor::ThbQuorCentral::IsOnline);
}

void TQuorMainCommands::AskUserAndRequest(const QString &title, const QString &button,
                                          const QString &account, const QString &name,
                                          UserRequest request) {
    // The name goes to the server as typed; the session may have gone
    // while the dialog was open.
    const std::optional<QString> typed = AskUserName(title, button, name);
    if (typed && !typed->isEmpty() && Central().IsConnected(S(account)))
        (Central().*request)(S(account), S(*typed));
}

// ---- Channels ----

void TQuorMainCommands::mnuJoinChannelClick() {
    if (!FWindow.LoginSessionConnected())
        return;
    TFormAddChannel dialog(&FWindow);
    dialog.inpQuorChannel->clear();
    dialog.inpPassword->clear();
    if (FWindow.ExecDialog(dialog) != QDialog::Accepted)
        return;
    QString channel = dialog.inpQuorChannel->text().trimmed();
    if (channel.isEmpty())
        return;
    channel = WithChannelMark(channel);
    OpenAndJoinChannel(channel, dialog.ChannelTypeIndex(), dialog.inpPassword->text().trimmed());
}

void TQuorMainCommands::OpenAndJoinChannel(const QString &channel, int type,
                                           const QString &password) {
    TFormQuorChannel *window = FWindow.TalkWindows().FindChannelWindow(channel);
    if (window == nullptr)
        window = FWindow.TalkWindows().CreateChannelWindow(FWindow.GetLoginName(), channel, type);
    if (window == nullptr)
        return;
    window->ShowInFront(true);
    if (Central().JoinChannel(S(FWindow.GetLoginName()), S(channel), type, S(password)) != 0)
        window->close();
    else
        FWindow.Reconnection().Channels().Remember({channel, type, password});
}

bool TQuorMainCommands::ChannelWindowSend(QString &own, QString &channel, const QString &text) {
    if (own.isEmpty())
        own = FWindow.GetLoginName();
    if (!SendAllowed(own, channel))
        return false;
    if (Central().SendText(S(own), S(channel), S(text)) != 0)
        return false;
    FLines.ChannelText(channel, own, text);
    return true;
}

void TQuorMainCommands::ListView2DblClick() {
    const QString channel = SelectedCaption(FWindow.ui.ListView2);
    if (channel.isEmpty())
        return;
    if (TFormQuorChannel *window = FWindow.TalkWindows().FindChannelWindow(channel))
        window->ShowInFront(true);
}

void TQuorMainCommands::mnuListChannelsClick() {
    FWindow.SessionEvents().StartChannelListing();
    if (FWindow.LoginSessionConnected())
        Central().RequestChannelList(S(FWindow.GetLoginName()));
}

// ---- Invitations ----

void TQuorMainCommands::mnuInviteUser1Click() {
    InviteDialog(QString(), QString());
}

void TQuorMainCommands::mnuInviteUser2Click() {
    InviteDialog(SelectedCaption(FWindow.ui.ListView1), SelectedCaption(FWindow.ui.ListView2));
}

void TQuorMainCommands::InviteDialog(const QString &user, const QString &channel) {
    if (!FWindow.LoginSessionConnected())
        return;
    TFormInviteUser dialog(&FWindow);
    dialog.ShowMessage = [this](const QString &text) { FWindow.ShowMessage(text); };
    dialog.inpUser->setText(user);
    dialog.inpChannel->setText(channel);
    if (FWindow.ExecDialog(dialog) != QDialog::Accepted)
        return;
    const QString invited = dialog.inpUser->text();
    const QString target = WithChannelMark(dialog.inpChannel->text());
    const int result = Central().InviteUser(S(FWindow.GetLoginName()), S(target), S(invited));
    if (result != 0)
        FWindow.ShowMessage(FillFields(
            "Invitation to %s FAILED\rReason %d: %s",
            {invited, QString::number(result), QString::fromStdString(hbquor::ErrorText(result))}));
    FWindow.Invitations().Remember(invited, target);
}

// ---- Dragging onto the target input ----

bool TQuorMainCommands::inpTargetDragOver(const QObject *source) const {
    return source == FWindow.ui.ListView1 || source == FWindow.ui.ListView2;
}

void TQuorMainCommands::inpTargetDragDrop(QObject *source) {
    const QString caption = SelectedCaption(static_cast<QTreeWidget *>(source));
    if (!caption.isEmpty())
        FWindow.ui.inpTarget->setText(caption);
}
