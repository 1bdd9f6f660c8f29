// SPDX-License-Identifier: MIT
// The client core's state, start-up and commands; the session events it
// handles are in ChatClientEvents.cpp.
#include "ChatClient.h"

#include "LibraryDriver.h"
#include "NameText.h"
#include "ProxySetup.h"
#include "TlsSetup.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"

namespace hbquor::client {

namespace {

std::string S(const QString &text) {
    return text.toStdString();
}

} // namespace

ChatClient::ChatClient(Options options, QObject *parent)
    : QObject(parent),
      FNow(options.VrtClock ? std::move(options.VrtClock) : [] { return hbquor::VrtNow(); }),
      FCentral(std::make_unique<ThbQuorCentral>()) {
    FReconnect = std::make_unique<Reconnector>(ReconnectHooks(), FServer.Text(),
                                               ReconnectBackoff(options.ReconnectRandom),
                                               options.ReconnectClock);
    // Server times reach the listeners as VRT values, which they show in
    // the time base the user chose.
    FCentral->SetTimeMode(kTimeModeVrt);
    HandleSessionEvents();
}

ChatClient::~ChatClient() {
    // Ending the sessions reports failures; nobody is told any more.
    blockSignals(true);
    FDriver.reset();
    FCentral.reset();
}

void ChatClient::SetConnectionSettings(const ConnectionSettings &settings) {
    FServer = settings.Server;
    FTls = std::make_unique<TlsSetup>(settings);
    if (!FTls->Problem().isEmpty())
        emit ConnectionWarning(FTls->Problem());
    FProxy = std::make_unique<ProxySetup>(settings.Proxy);
    if (!FProxy->Problem().isEmpty())
        emit ConnectionWarning(FProxy->Problem());
    FReconnect->SetServer(FServer.Text());
    FReconnect->SetEnabled(settings.AutoReconnect);
    hbquor::SetServer(S(FServer.Host), FServer.Port);
}

bool ChatClient::Init() {
    if (FCentral->Init() != 0)
        return false;
    FDriver = std::make_unique<LibraryDriver>();
    return true;
}

bool ChatClient::Initialised() const {
    return FCentral->Initialised();
}

bool ChatClient::IsLoggedOn() const {
    return FCentral->IsConnected(S(FAccount));
}

bool ChatClient::SessionBusy() const {
    return FCentral->HasLogin(S(FAccount)) && !FCentral->IsIdle(S(FAccount));
}

Reconnector::Hooks ChatClient::ReconnectHooks() {
    Reconnector::Hooks hooks;
    hooks.Log = [this](const QString &line) { emit ReconnectProgress(line); };
    hooks.LogOn = [this](const QString &name, const QString &password) {
        return FCentral->AddLogin(S(name), S(password)) ? LogOnAddedSession(name, password) : -1;
    };
    hooks.ShowRetrying = [this] { emit Retrying(); };
    hooks.Rejoin = [this](const JoinedChannel &channel) { emit RejoinDue(channel); };
    return hooks;
}

// ---- Logging on and off ----

bool ChatClient::LogOn(const QString &name, const QString &password) {
    FAccount = name;
    // The user's logon ends any retries and is the one later ones repeat.
    FReconnect->LoggingOn(name, password);
    // At most one account at a time: every earlier session is dropped.
    FCentral->ClearLoggins();
    if (!FCentral->AddLogin(S(name), S(password)))
        return false;
    // Without connection settings the library connects as it is set up.
    for (const QString &line :
         {FTls ? FTls->LogonLine() : QString(), FProxy ? FProxy->LogonLine() : QString()})
        if (!line.isEmpty())
            emit ConnectionWarning(line);
    LogOnAddedSession(name, password);
    return true;
}

bool ChatClient::ConnectionUsable() const {
    return (!FTls || FTls->Usable()) && (!FProxy || FProxy->Usable());
}

int ChatClient::LogOnAddedSession(const QString &name, const QString &password) {
    // Retries are held back too: neither may go past TLS or a proxy that
    // could not be set up.
    if (!ConnectionUsable())
        return hbquor::kResultBadRequest;
    FCentral->DelAllContacts(S(name));
    std::vector<std::string> contacts;
    if (FContactNames)
        for (const QString &contact : FContactNames())
            contacts.push_back(S(contact));
    FCentral->AddContacts(S(name), contacts);
    return FCentral->Login(S(name), S(password));
}

bool ChatClient::LogOff() {
    FReconnect->LoggingOff();
    return FCentral->Logout(S(FAccount)) == 0;
}

// ---- Texts ----

std::optional<SendRefusal> ChatClient::Refusal(const QString &own, const QString &target) const {
    if (target.isEmpty())
        return SendRefusal::NoRecipient;
    if (!FCentral->IsConnected(S(own)))
        return SendRefusal::NotLoggedOn;
    if (hbquor::SameNameIgnoringCase(own, target))
        return SendRefusal::OwnName;
    return std::nullopt;
}

void ChatClient::ReportNotSent(const QString &target, SendRefusal reason) {
    emit TextNotSent({target, reason});
}

bool ChatClient::SendText(const QString &own, const QString &target, const QString &text) {
    if (const std::optional<SendRefusal> refusal = Refusal(own, target)) {
        ReportNotSent(target, *refusal);
        return false;
    }
    // A failure here is reported by the session layer itself.
    if (FCentral->SendText(S(own), S(target), S(text)) != 0)
        return false;
    emit TextSent({own, target, text, Now()});
    return true;
}

// ---- Commands for the account's session ----

void ChatClient::AddContact(const QString &name) {
    if (SessionBusy())
        FCentral->AddContact(S(FAccount), S(name));
}

void ChatClient::DelContact(const QString &name) {
    if (SessionBusy())
        FCentral->DelContact(S(FAccount), S(name));
}

int ChatClient::PingUser(const QString &user) {
    return IsLoggedOn() ? FCentral->PingUser(S(FAccount), S(user)) : -1;
}

int ChatClient::QueryUserStatus(const QString &user) {
    return IsLoggedOn() ? FCentral->IsOnline(S(FAccount), S(user)) : -1;
}

int ChatClient::JoinChannel(const QString &channel, int type, const QString &password) {
    const int result = FCentral->JoinChannel(S(FAccount), S(channel), type, S(password));
    if (result == 0)
        FReconnect->Channels().Remember({channel, type, password});
    return result;
}

void ChatClient::LeaveChannel(const QString &channel) {
    // Leaving is asked for logged on or not; channels whose windows a lost
    // connection closed stay among those to rejoin.
    if (IsLoggedOn())
        FReconnect->Channels().Forget(channel);
    FCentral->LeaveChannel(S(FAccount), S(channel));
}

void ChatClient::RequestChannelList() {
    FChannelCount = 0;
    if (IsLoggedOn())
        FCentral->RequestChannelList(S(FAccount));
}

int ChatClient::InviteUser(const QString &channel, const QString &user) {
    const int result = FCentral->InviteUser(S(FAccount), S(channel), S(user));
    FInvitations.Remember(user, channel);
    return result;
}

} // namespace hbquor::client
