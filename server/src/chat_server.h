// The chat service on top of the network loop: sessions and logins,
// accounts and profiles, texts (private, offline, channel, broadcast),
// pings, online status, contact notices and channels. Every record a client
// sends is checked before it is used; anything malformed is ignored or
// refused with an error reply and logged.
#pragma once

#include "account_store.h"
#include "channel_registry.h"
#include "network.h"
#include "outbox.h"
#include "quor_wire/record.h"

#include <cstdint>
#include <ctime>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quord {

struct ChatSettings {
    bool registrationOpen = true;
    std::string welcomeText = "Welcome to quord.";
};

// Limits the service enforces.
inline constexpr int kMaxOfflineTexts = 50;
inline constexpr std::size_t kMaxChannelsPerUser = 20;
inline constexpr int kMaxAccountsPerEmail = 3;
inline constexpr int kMaxAccountsPerAddressPerHour = 5;
inline constexpr std::time_t kPasswordMailPause = 5 * 60;
inline constexpr std::time_t kOpeningTimeout = 60;
inline constexpr std::size_t kMaxContacts = 1000;
inline constexpr std::size_t kMinPasswordLength = 4;
inline constexpr std::size_t kMaxPasswordLength = 128;

class ChatServer : public NetworkHandler {
public:
    ChatServer(Network &network, AccountStore &store, Outbox &outbox, ChatSettings settings);

    void OnOpened(ConnectionId connection, const std::string &peerAddress) override;
    void OnRecord(ConnectionId connection, const quor::QuorMessage &record) override;
    void OnClosed(ConnectionId connection) override;
    // Pings every logged-on client and drops connections that never sent
    // their opening request.
    void OnTimer() override;

private:
    enum class Phase { Opening, LoggedOn, Closing };

    struct Session {
        ConnectionId connection = 0;
        std::string peer; // the client's address, for the creation limit
        std::time_t opened = 0;
        Phase phase = Phase::Opening;
        std::string user; // the account name as registered, once logged on
        int userType = kUserTypeUser;
        std::vector<std::string> contacts;         // as the client wrote them
        std::vector<std::string> incomingContacts; // parts of a list still arriving
        bool receivingContacts = false;
        std::set<std::string> channels; // name keys

        bool administrator() const { return userType == kUserTypeAdministrator; }
    };

    // chat_server.cpp: dispatch and the helpers every request uses.
    void Dispatch(Session &session, const quor::QuorMessage &record);
    void DispatchLoggedOn(Session &session, const quor::QuorMessage &record);
    // A record from the server to the session's user, fields packed.
    quor::QuorMessage ServerRecord(const Session &session, std::int32_t id,
                                   std::string_view signature = "",
                                   const std::vector<quor::FieldValue> &values = {}) const;
    void Send(ConnectionId connection, quor::QuorMessage record);
    void Reply(const Session &session, std::int32_t id, std::string_view signature = "",
               const std::vector<quor::FieldValue> &values = {});
    void ReplyList(const Session &session, std::int32_t id, const std::vector<std::string> &items);
    // Error reply (request id, the name concerned), logged as refused.
    void Refuse(const Session &session, std::int32_t error, std::int32_t request,
                std::string_view name);
    // Answers a connection's single opening request and closes it.
    void AnswerAndClose(Session &session);
    Session *OnlineSession(std::string_view name);
    std::uint8_t StatusOf(std::string_view name);
    std::string Describe(const Session &session) const;

    // account_requests.cpp
    void Login(Session &session, const quor::QuorMessage &record);
    void DeliverOfflineTexts(const Session &session);
    void CreateAccount(Session &session, const quor::QuorMessage &record);
    std::int32_t CheckNewAccount(const Session &session, const std::string &name,
                                 const std::string &email);
    void RequestPassword(Session &session, const quor::QuorMessage &record);
    void SendProfile(Session &session, const quor::QuorMessage &record);
    void ModifyProfile(Session &session, const quor::QuorMessage &record);
    void ChangeEmail(Session &session, const quor::QuorMessage &record);
    void LogOff(Session &session);

    // message_requests.cpp
    void RelayText(Session &session, const quor::QuorMessage &record);
    void RelayChannelText(Session &session, quor::QuorMessage text);
    void StoreOfflineText(Session &session, const quor::QuorMessage &record);
    void RelayPing(Session &session, const quor::QuorMessage &record);
    void RelayPingReply(Session &session, const quor::QuorMessage &record);
    void AnswerIsOnline(Session &session, const quor::QuorMessage &record);
    void ReceiveContacts(Session &session, const quor::QuorMessage &part);
    void AnswerContacts(Session &session);
    void ForgetContacts(Session &session);
    // 408 to every online user whose contact list holds the name.
    void NotifyWatchers(std::string_view name, std::uint8_t status);

    // channel_requests.cpp
    void ChannelRequest(Session &session, const quor::QuorMessage &record);
    void JoinChannel(Session &session, const std::string &name, std::int32_t inviteOnly,
                     const std::string &password);
    void LeaveChannel(Session &session, const std::string &name);
    void LeaveAllChannels(Session &session);
    void SendChannelList(Session &session);
    void Invite(Session &session, const quor::QuorMessage &record);
    void SendToMembers(const Channel &channel, const quor::QuorMessage &record,
                       ConnectionId except);

    Network &network_;
    AccountStore &store_;
    Outbox &outbox_;
    ChatSettings settings_;
    std::unordered_map<ConnectionId, Session> sessions_;
    std::unordered_map<std::string, ConnectionId> online_; // by name key
    // name key -> the sessions whose contact list holds it, with their spelling
    std::unordered_map<std::string, std::unordered_map<ConnectionId, std::string>> watchers_;
    ChannelRegistry channels_;
};

} // namespace quord
