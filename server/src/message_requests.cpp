// SPDX-License-Identifier: MIT
// Texts, pings, online status and contact lists.
#include "chat_server.h"

#include "names.h"
#include "quor_wire/protocol_ids.h"
#include "server_log.h"

namespace quord {

using namespace quor::wire;
using quor::QuorMessage;

void ChatServer::RelayText(Session &session, const QuorMessage &record) {
    QuorMessage text = record;
    // The sender is always the logged-on account, whatever the client wrote.
    text.setSender(session.user);
    const std::string recipient = record.recipient();
    if (!recipient.empty() && recipient.front() == '#') {
        RelayChannelText(session, text);
    } else if (IsBroadcastName(recipient)) {
        if (!session.administrator()) {
            Refuse(session, kErrAccessDenied, kText, recipient);
            return;
        }
        for (const auto &[key, connection] : online_) {
            if (connection != session.connection) {
                SendUnlessCongested(connection, text);
            }
        }
    } else if (const Session *target = OnlineSession(recipient)) {
        Relay(session, target->connection, text);
    } else {
        StoreOfflineText(session, record);
    }
}

void ChatServer::RelayChannelText(Session &session, QuorMessage text) {
    const std::string name = text.recipient();
    const Channel *channel = channels_.Find(name);
    if (channel == nullptr || !channel->HasMember(session.connection)) {
        Refuse(session, kErrNotJoined, kText, name);
        return;
    }
    text.setRecipient(channel->name);
    SendToMembers(*channel, text, session.connection);
}

void ChatServer::StoreOfflineText(Session &session, const QuorMessage &record) {
    const std::string recipient = record.recipient();
    const std::optional<Account> account =
        recipient.empty() || recipient.front() == '$' ? std::nullopt : store_.Find(recipient);
    if (!account) {
        Refuse(session, kErrUserUnavailable, kText, recipient);
        return;
    }
    if (store_.CountOfflineTexts(account->name) >= kMaxOfflineTexts) {
        Refuse(session, kErrOfflineQueueFull, kText, recipient);
        return;
    }
    // One sender's share is refused the same way as a full queue, the one
    // refusal the client knows for it.
    if (store_.CountOfflineTextsFrom(account->name, session.user) >= kMaxOfflineTextsPerSender) {
        Refuse(session, kErrOfflineQueueFull, kText, recipient,
               std::to_string(kMaxOfflineTextsPerSender) + " texts from the sender wait");
        return;
    }
    store_.StoreOfflineText(account->name, {session.user, std::time(nullptr), record.rawText()});
}

void ChatServer::RelayPing(Session &session, const QuorMessage &record) {
    const std::string recipient = record.recipient();
    if (quor::SameNameIgnoringCase(recipient, kServerName)) {
        std::int32_t stamp = 0;
        if (quor::ExpectFields(record, kPing, 1, "d", {&stamp})) {
            Reply(session, kPingReply, "d", {stamp});
        }
        return;
    }
    const Session *target = OnlineSession(recipient);
    if (target == nullptr) {
        Refuse(session, kErrUserUnavailable, kPing, recipient);
        return;
    }
    QuorMessage ping = record;
    ping.setSender(session.user);
    Relay(session, target->connection, ping);
}

void ChatServer::RelayPingReply(Session &session, const QuorMessage &record) {
    // Answers to the server's own pings end here; others go to the pinger.
    if (quor::SameNameIgnoringCase(record.recipient(), kServerName)) {
        session.pingAnswered = true;
        session.missedPings = 0;
    } else if (const Session *target = OnlineSession(record.recipient())) {
        QuorMessage reply = record;
        reply.setSender(session.user);
        Relay(session, target->connection, reply);
    }
}

void ChatServer::AnswerIsOnline(Session &session, const QuorMessage &record) {
    std::string name;
    if (!quor::ExpectFields(record, kIsOnlineRequest, 1, "s", {&name})) {
        return;
    }
    const std::optional<Account> account = store_.Find(name);
    Reply(session, kOnlineStatus, "sc", {account ? account->name : name, StatusOf(name)});
}

void ChatServer::ReceiveContacts(Session &session, const QuorMessage &part) {
    if (part.format() != 1) {
        return;
    }
    const std::uint8_t flags = quor::ListFlags(part);
    if (flags & quor::kListFirst) {
        session.incomingContacts.clear();
        session.incomingKeys.clear();
        session.receivingContacts = true;
    }
    if (!session.receivingContacts) {
        return; // a part without a first part: nothing to add it to
    }
    for (std::string &name : quor::ListItems(part)) {
        // A name written twice (in any case) is answered once, as first written.
        if (session.incomingContacts.size() < kMaxContacts && !name.empty() &&
            session.incomingKeys.insert(quor::FoldedName(name)).second) {
            session.incomingContacts.push_back(std::move(name));
        }
    }
    if (flags & quor::kListLast) {
        session.receivingContacts = false;
        ForgetContacts(session);
        session.contacts.swap(session.incomingContacts);
        session.incomingContacts.clear();
        std::unordered_set<std::string>().swap(session.incomingKeys);
        AnswerContacts(session);
    }
}

void ChatServer::AnswerContacts(Session &session) {
    network_.Charge(session.connection,
                    static_cast<double>(session.contacts.size()) / kContactsPerToken);
    // Online users are answered from memory, the others in one pass over the
    // store.
    std::vector<const Session *> online;
    std::vector<std::string> lookups;
    for (const std::string &name : session.contacts) {
        online.push_back(OnlineSession(name));
        if (online.back() == nullptr) {
            lookups.push_back(name);
        }
    }
    const std::vector<bool> registered = store_.AreRegistered(lookups);
    std::vector<std::string> unregistered;
    std::vector<std::pair<std::string, std::uint8_t>> statuses;
    std::size_t looked = 0;
    for (std::size_t i = 0; i < session.contacts.size(); ++i) {
        const std::string &name = session.contacts[i];
        if (online[i] == nullptr && !registered[looked++]) {
            unregistered.push_back(name);
            continue;
        }
        watchers_[quor::FoldedName(name)][session.connection] = name;
        statuses.emplace_back(name,
                              online[i] != nullptr ? online[i]->onlineStatus() : kStatusOffline);
    }
    ReplyList(session, kUnregisteredNames, unregistered);
    for (const auto &[name, status] : statuses) {
        Reply(session, kContactStatus, "sc", {name, status});
    }
}

void ChatServer::ForgetContacts(Session &session) {
    for (const std::string &name : session.contacts) {
        auto it = watchers_.find(quor::FoldedName(name));
        if (it != watchers_.end()) {
            it->second.erase(session.connection);
            if (it->second.empty()) {
                watchers_.erase(it);
            }
        }
    }
    session.contacts.clear();
}

void ChatServer::NotifyWatchers(std::string_view name, std::uint8_t status) {
    auto it = watchers_.find(quor::FoldedName(name));
    if (it == watchers_.end()) {
        return;
    }
    for (const auto &[connection, spelling] : it->second) {
        auto watcher = sessions_.find(connection);
        if (watcher != sessions_.end() && watcher->second.phase == Phase::LoggedOn) {
            Reply(watcher->second, kContactStatus, "sc", {spelling, status});
        }
    }
}

} // namespace quord
