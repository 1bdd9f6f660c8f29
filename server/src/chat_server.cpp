#include "chat_server.h"

#include "names.h"
#include "quor_wire/protocol_ids.h"
#include "server_log.h"

#include <exception>

namespace quord {

using namespace quor::wire;
using quor::QuorMessage;

ChatServer::ChatServer(Network &network, AccountStore &store, Outbox &outbox, ChatSettings settings)
    : network_(network), store_(store), outbox_(outbox), settings_(std::move(settings)) {}

void ChatServer::OnOpened(ConnectionId connection, const std::string &peerAddress) {
    Session &session = sessions_[connection];
    session.connection = connection;
    session.peer = peerAddress;
    session.opened = std::time(nullptr);
}

void ChatServer::OnRecord(ConnectionId connection, const QuorMessage &record) {
    auto it = sessions_.find(connection);
    if (it == sessions_.end()) {
        return;
    }
    try {
        Dispatch(it->second, record);
    } catch (const std::exception &e) {
        // A failing database or mail folder must not take the service
        // down; the client that hit it loses its connection.
        LogLine("internal error on " + Describe(it->second) + ": " + e.what());
        network_.Drop(connection, "internal error");
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
    switch (record.id()) {
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
        LogLine("ignored record " + std::to_string(record.id()) + " before login on " +
                Describe(session));
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
        LogLine("ignored record " + std::to_string(record.id()) + " from " + Describe(session));
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
    sessions_.erase(it);
}

void ChatServer::OnTimer() {
    const std::time_t now = std::time(nullptr);
    for (auto &[connection, session] : sessions_) {
        if (session.phase == Phase::LoggedOn) {
            Reply(session, kPing, "d", {static_cast<std::int32_t>(now)});
        } else if (session.phase == Phase::Opening && now - session.opened > kOpeningTimeout) {
            network_.Drop(connection,
                          "no opening request within " + std::to_string(kOpeningTimeout) + " s");
        }
    }
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

void ChatServer::Send(ConnectionId connection, QuorMessage record) {
    if (record.time() == 0) {
        record.setTime(static_cast<std::int32_t>(std::time(nullptr)));
    }
    network_.Send(connection, record);
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
                        std::string_view name) {
    LogLine("refused request " + std::to_string(request) + " of " + Describe(session) + " with " +
            std::to_string(error) + " (" + std::string(name) + ")");
    Reply(session, error, "ds", {request, name});
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
        return online->administrator() ? kStatusOnlineAdministrator : kStatusOnlineUser;
    }
    return store_.Find(name) ? kStatusOffline : kStatusUnregistered;
}

std::string ChatServer::Describe(const Session &session) const {
    std::string text = "connection " + std::to_string(session.connection);
    if (!session.user.empty()) {
        text += " (" + session.user + ")";
    }
    return text;
}

} // namespace quord
