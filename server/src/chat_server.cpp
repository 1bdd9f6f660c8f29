// SPDX-License-Identifier: MIT
#include "chat_server.h"

#include "log_text.h"
#include "names.h"
#include "server_log.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace quord {

using namespace quor::wire;
using quor::QuorMessage;

ChatServer::ChatServer(Transport &network, AccountStore &store, Outbox &outbox,
                       PasswordWorkers &workers, LoginThrottle &throttle, ChatSettings settings)
    : network_(network), store_(store), outbox_(outbox), workers_(workers), throttle_(throttle),
      settings_(std::move(settings)),
      decoyHash_(HashPassword(GeneratePassword(), settings_.hashCost)), logonAddresses_(store),
      lineBudget_(settings_.logLines) {}

void ChatServer::OnOpened(ConnectionId connection, const std::string &peerAddress, bool quiet) {
    Session &session = sessions_[connection];
    session.connection = connection;
    session.peer = peerAddress;
    session.quiet = quiet;
}

template <typename Step> void ChatServer::Guarded(ConnectionId connection, Step &&step) {
    try {
        step();
    } catch (const std::exception &e) {
        auto it = sessions_.find(connection);
        LogLine("internal error on " +
                (it != sessions_.end() ? Describe(it->second)
                                       : "connection " + std::to_string(connection)) +
                ": " + e.what());
        network_.Drop(connection, "internal error");
    }
}

void ChatServer::OnRecord(ConnectionId connection, const QuorMessage &record) {
    auto it = sessions_.find(connection);
    if (it == sessions_.end()) {
        return;
    }
    Session &session = it->second;
    if (session.awaiting != 0) {
        if (session.held.size() >= kMaxHeldRecords) {
            network_.Drop(connection, "too many records while its password work runs");
            return;
        }
        session.held.push_back(record);
        return;
    }
    Guarded(connection, [&] { Dispatch(session, record); });
}

void ChatServer::FinishPasswordWork() {
    for (FinishedWork &done : workers_.TakeFinished()) {
        auto it = pending_.find(done.ticket);
        if (it == pending_.end()) {
            continue;
        }
        PendingWork pending = std::move(it->second);
        pending_.erase(it);
        Guarded(pending.connection, [&] { FinishWork(pending, done.outcome); });
        auto session = sessions_.find(pending.connection);
        if (session != sessions_.end()) {
            ReleaseHeld(session->second);
        }
    }
    ResumeWaitingLogins();
}

void ChatServer::FinishWork(PendingWork &pending, const PasswordOutcome &outcome) {
    auto it = sessions_.find(pending.connection);
    Session *session = it != sessions_.end() ? &it->second : nullptr;
    if (session != nullptr) {
        session->awaiting = 0;
    }
    if (pending.kind == WorkKind::Login) {
        FinishLogin(session, pending, outcome);
        return;
    }
    if (session == nullptr) {
        return; // closed meanwhile: nothing is changed, nothing is mailed
    }
    if (outcome.newHash.empty()) {
        throw std::runtime_error("no password hash was made");
    }
    switch (pending.kind) {
    case WorkKind::CreateAccount:
        FinishCreateAccount(*session, pending, outcome.newHash);
        break;
    case WorkKind::RequestPassword:
        FinishRequestPassword(*session, pending, outcome.newHash);
        break;
    case WorkKind::ChangeEmail:
        FinishChangeEmail(*session, pending, outcome.newHash);
        break;
    case WorkKind::ChangeProfile:
        if (std::optional<Account> account = store_.Find(pending.account.name)) {
            ApplyProfileChange(*session, *account, pending.account, outcome.newHash);
        } else {
            Refuse(*session, kErrNoSuchUser, kProfile, pending.account.name);
        }
        break;
    case WorkKind::Login:
        break;
    }
}

bool ChatServer::StartPasswordWork(Session &session, std::int32_t request, PasswordTask task,
                                   PendingWork pending) {
    task.cost = settings_.hashCost;
    const WorkTicket ticket = nextTicket_++;
    if (!workers_.Submit(ticket, std::move(task))) {
        Refuse(session, kBusyRefusal, request, pending.account.name,
               "busy: the password work queue is full");
        return false;
    }
    pending.connection = session.connection;
    pending.peer = session.peer;
    pending_.emplace(ticket, std::move(pending));
    session.awaiting = ticket;
    return true;
}

void ChatServer::ReleaseHeld(Session &session) {
    while (!session.held.empty() && session.awaiting == 0) {
        const QuorMessage record = session.held.front();
        session.held.pop_front();
        Guarded(session.connection, [&] { Dispatch(session, record); });
    }
}

void ChatServer::Dispatch(Session &session, const QuorMessage &record) {
    if (session.phase == Phase::LoggedOn) {
        DispatchLoggedOn(session, record);
        return;
    }
    if (session.phase == Phase::Closing) {
        return;
    }
    const std::int32_t id = record.id();
    if (id == kLoginRequest || id == kCreateAccountRequest || id == kPasswordRequest) {
        network_.OpeningReceived(session.connection);
    }
    switch (id) {
    case kLoginRequest:
        Login(session, record);
        break;
    case kCreateAccountRequest:
        CreateAccount(session, record);
        break;
    case kPasswordRequest:
        RequestPassword(session, record);
        break;
    default:
        // Nothing but an opening request has any meaning before logging on,
        // and answering more would let anyone fill the log without an
        // account.
        session.phase = Phase::Closing;
        network_.Drop(session.connection,
                      "record " + std::to_string(id) + " before an opening request");
    }
}

void ChatServer::DispatchLoggedOn(Session &session, const QuorMessage &record) {
    switch (record.id()) {
    case kText:
        RelayText(session, record);
        break;
    case kChannelListRequest:
        SendChannelList(session);
        break;
    case kChannelRequest:
        ChannelRequest(session, record);
        break;
    case kProfileRequest:
        SendProfile(session, record);
        break;
    case kIsOnlineRequest:
        AnswerIsOnline(session, record);
        break;
    case kContactsRequest:
        ReceiveContacts(session, record);
        break;
    case kInviteRequest:
        Invite(session, record);
        break;
    case kChangeEmailRequest:
        ChangeEmail(session, record);
        break;
    case kProfile:
        ModifyProfile(session, record);
        break;
    case kPing:
        RelayPing(session, record);
        break;
    case kPingReply:
        RelayPingReply(session, record);
        break;
    default:
        Note(session,
             "ignored record " + std::to_string(record.id()) + " from " + Describe(session));
    }
}

void ChatServer::OnClosed(ConnectionId connection) {
    auto it = sessions_.find(connection);
    if (it == sessions_.end()) {
        return;
    }
    if (!it->second.user.empty()) {
        LogOff(it->second);
    }
    if (const auto leftOut = lineBudget_.Forget(connection)) {
        LogLine(LeftOutReport(it->second, *leftOut));
    }
    sessions_.erase(it);
}

int ChatServer::OnTimer() {
    Housekeep();
    const auto now = static_cast<std::int32_t>(std::time(nullptr));
    // Each tick earns the pings of its share of the interval; fractions
    // add up over the ticks, so that few clients are pinged as seldom as
    // many.
    const int interval = std::max(settings_.pingIntervalMs, kMinPingTickMs);
    pingCredit_ += static_cast<double>(pingRotation_.size()) * pingTickMs_ / interval;
    const auto due = static_cast<std::size_t>(pingCredit_);
    pingCredit_ -= static_cast<double>(due);
    for (std::size_t i = 0; i < due && !pingRotation_.empty(); ++i) {
        const ConnectionId connection = pingRotation_.front();
        pingRotation_.pop_front();
        auto it = sessions_.find(connection);
        if (it != sessions_.end() && it->second.phase == Phase::LoggedOn &&
            PingOrClose(it->second, now)) {
            pingRotation_.push_back(connection);
        }
    }
    const std::size_t clients = std::max<std::size_t>(pingRotation_.size(), 1);
    pingTickMs_ = static_cast<int>(std::clamp<std::size_t>(interval * kPingsPerTick / clients,
                                                           kMinPingTickMs, kMaxPingTickMs));
    return pingTickMs_;
}

bool ChatServer::PingOrClose(Session &session, std::int32_t now) {
    // Its input held back, its answer may be waiting unread behind it.
    if (!network_.InputHeldBack(session.connection) && !session.pingAnswered &&
        ++session.missedPings >= kMissedPingsToClose) {
        network_.Drop(session.connection, "answered none of the last " +
                                              std::to_string(session.missedPings) + " pings");
        return false;
    }
    session.pingAnswered = false;
    Reply(session, kPing, "d", {now});
    return true;
}

QuorMessage ChatServer::ServerRecord(const Session &session, std::int32_t id,
                                     std::string_view signature,
                                     const std::vector<quor::FieldValue> &values) const {
    QuorMessage record;
    record.setSender(kServerName);
    record.setRecipient(session.user);
    quor::PackFields(record, id, 1, signature, values);
    return record;
}

namespace {

QuorMessage Stamped(QuorMessage record) {
    if (record.time() == 0) {
        record.setTime(static_cast<std::int32_t>(std::time(nullptr)));
    }
    return record;
}

} // namespace

void ChatServer::Send(ConnectionId connection, QuorMessage record) {
    network_.Send(connection, Stamped(std::move(record)));
}

void ChatServer::Relay(const Session &from, ConnectionId to, QuorMessage record) {
    network_.Relay(from.connection, to, Stamped(std::move(record)));
}

void ChatServer::SendUnlessCongested(ConnectionId connection, QuorMessage record) {
    network_.SendUnlessCongested(connection, Stamped(std::move(record)));
}

void ChatServer::Reply(const Session &session, std::int32_t id, std::string_view signature,
                       const std::vector<quor::FieldValue> &values) {
    Send(session.connection, ServerRecord(session, id, signature, values));
}

void ChatServer::ReplyList(const Session &session, std::int32_t id,
                           const std::vector<std::string> &items) {
    quor::ListBuilder builder(id, session.user);
    for (const std::string &item : items) {
        builder.add(item);
    }
    for (QuorMessage &part : builder.finish()) {
        part.setSender(kServerName);
        Send(session.connection, part);
    }
}

void ChatServer::Refuse(const Session &session, std::int32_t error, std::int32_t request,
                        std::string_view name, std::string_view why, Logging logging) {
    Note(session,
         "refused request " + std::to_string(request) + " of " + Describe(session) + " with " +
             std::to_string(error) + " (" + LogText(name) + ")" +
             (why.empty() ? "" : ": " + std::string(why)),
         logging);
    Reply(session, error, "ds", {request, name});
}

void ChatServer::Note(const Session &session, const std::string &text, Logging logging) {
    if (logging == Logging::Always || (!session.quiet && lineBudget_.Admit(session.connection))) {
        LogLine(text);
    }
}

void ChatServer::AnswerAndClose(Session &session) {
    session.phase = Phase::Closing;
    network_.CloseAfterSending(session.connection);
}

ChatServer::Session *ChatServer::OnlineSession(std::string_view name) {
    auto it = online_.find(quor::FoldedName(name));
    if (it == online_.end()) {
        return nullptr;
    }
    auto session = sessions_.find(it->second);
    return session == sessions_.end() ? nullptr : &session->second;
}

std::uint8_t ChatServer::StatusOf(std::string_view name) {
    if (const Session *online = OnlineSession(name)) {
        return online->onlineStatus();
    }
    return store_.Find(name) ? kStatusOffline : kStatusUnregistered;
}

std::string ChatServer::Describe(const Session &session) const {
    std::string text = "connection " + std::to_string(session.connection);
    if (!session.user.empty()) {
        text += " (" + LogText(session.user) + ")";
    }
    return text;
}

} // namespace quord
