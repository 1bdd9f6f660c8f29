// SPDX-License-Identifier: MIT
// One library session for a server test, with everything its callbacks
// report recorded in order. Several clients live in one process: the
// library's single callback table routes each event to its client by
// handle.
#pragma once

#include "pump_until.h"
#include "quor.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quord::testing {

struct ProfileEvent {
    int result = -1;
    std::string name;
    std::string password;
    std::string email;
    int userType = 0;
    int created = 0;
    int lastLogin = 0;
    int selfCreated = 0;
    int disabled = 0;
};

struct ChannelInfoEvent {
    std::string channel;
    int type = -1;
    std::string owner;
    std::string members;
};

struct ChannelListEntry {
    std::string name;
    int type = 0;
    int users = 0;
};

// A pair of names or a name and a number, in callback argument order.
struct NamePair {
    std::string first;
    std::string second;
    bool operator==(const NamePair &) const = default;
};
struct NameCode {
    std::string name;
    int code = 0;
    bool operator==(const NameCode &) const = default;
};

class TestClient {
public:
    // Initialises the library on first use and creates a session.
    TestClient();
    ~TestClient();
    TestClient(const TestClient &) = delete;
    TestClient &operator=(const TestClient &) = delete;

    QUORHANDLE handle() const { return handle_; }

    // Each starts the request on this (new) session and pumps until its
    // outcome callback; the result, or -1 when none came within 5 s.
    int Login(const std::string &user, const std::string &password);
    int CreateAccount(const std::string &user, const std::string &email);
    int RequestPassword(const std::string &user, const std::string &email);

    // Pumps until the list has more than `count` entries; false on time-out.
    template <typename List> bool WaitForMore(const List &list, std::size_t count, int ms = 3000);

    std::optional<int> loginResult, createResult, passwordResult, changeEmailResult;
    bool disconnected = false;
    std::vector<std::string> welcomes;
    std::vector<NamePair> texts;                        // sender, text
    std::vector<std::vector<std::string>> channelTexts; // sender, channel, text
    std::vector<std::vector<std::string>> offlineTexts; // sender, sent time, text
    std::vector<NamePair> broadcasts;                   // sender, text
    std::vector<NameCode> textErrors;                   // name, code
    std::vector<NameCode> channelErrors;                // name, code
    std::vector<NamePair> joins;                        // channel, user
    std::vector<NamePair> leaves;                       // channel, user
    std::vector<std::vector<std::string>> contactLists; // each completed name list
    std::vector<NameCode> contactStatus;                // name, status
    std::vector<NameCode> onlineStatus;                 // name, status
    std::vector<std::string> pingReplies;               // sender
    std::vector<ChannelInfoEvent> channelInfos;
    std::vector<NameCode> inviteResults; // name, result
    std::vector<NamePair> invitations;   // inviter, channel
    std::vector<ProfileEvent> profiles;
    std::vector<NameCode> modifyResults; // name, result
    std::vector<std::vector<ChannelListEntry>> channelLists;

    // Parts of lists still being reported.
    std::vector<std::string> pendingNames;
    std::vector<ChannelListEntry> pendingChannels;

private:
    int AwaitResult(const std::optional<int> &result);
    QUORHANDLE handle_ = nullptr;
};

// Tests wait by pumping the library until their condition holds.
using quor::testing::PumpUntil;

template <typename List> bool TestClient::WaitForMore(const List &list, std::size_t count, int ms) {
    return PumpUntil([&] { return list.size() > count; }, ms);
}

} // namespace quord::testing
