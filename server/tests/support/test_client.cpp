// SPDX-License-Identifier: MIT
#include "test_client.h"

#include <map>

namespace quord::testing {

namespace {

std::map<QUORHANDLE, TestClient *> &Clients() {
    static std::map<QUORHANDLE, TestClient *> clients;
    return clients;
}

TestClient *Of(QUORHANDLE h) {
    auto it = Clients().find(h);
    return it == Clients().end() ? nullptr : it->second;
}

std::string Str(const char *s) {
    return s == nullptr ? std::string() : std::string(s);
}

// Records an event for the client the handle belongs to.
template <typename Fn> void On(QUORHANDLE h, Fn fn) {
    if (TestClient *client = Of(h)) {
        fn(*client);
    }
}

void OnLogin(QUORHANDLE h, int result) {
    On(h, [&](TestClient &c) { c.loginResult = result; });
}
void OnDisconnect(QUORHANDLE h) {
    On(h, [&](TestClient &c) { c.disconnected = true; });
}
void OnText(QUORHANDLE h, const char *sender, const char *text) {
    On(h, [&](TestClient &c) { c.texts.push_back({Str(sender), Str(text)}); });
}
void OnIsOnline(QUORHANDLE h, const char *name, int status) {
    On(h, [&](TestClient &c) { c.onlineStatus.push_back({Str(name), status}); });
}
void OnWelcome(QUORHANDLE h, const char *text) {
    On(h, [&](TestClient &c) { c.welcomes.push_back(Str(text)); });
}
void OnPingReply(QUORHANDLE h, const char *sender, int) {
    On(h, [&](TestClient &c) { c.pingReplies.push_back(Str(sender)); });
}
void OnTextError(QUORHANDLE h, int code, const char *name) {
    On(h, [&](TestClient &c) { c.textErrors.push_back({Str(name), code}); });
}
void OnChannelError(QUORHANDLE h, const char *name, int code) {
    On(h, [&](TestClient &c) { c.channelErrors.push_back({Str(name), code}); });
}
void OnChannelJoin(QUORHANDLE h, const char *channel, const char *user) {
    On(h, [&](TestClient &c) { c.joins.push_back({Str(channel), Str(user)}); });
}
void OnChannelLeave(QUORHANDLE h, const char *channel, const char *user) {
    On(h, [&](TestClient &c) { c.leaves.push_back({Str(channel), Str(user)}); });
}
void OnContactList(QUORHANDLE h, const char *name) {
    On(h, [&](TestClient &c) {
        if (name != nullptr) {
            c.pendingNames.push_back(name);
        } else {
            c.contactLists.push_back(std::move(c.pendingNames));
            c.pendingNames.clear();
        }
    });
}
void OnContactStatus(QUORHANDLE h, const char *name, int status) {
    On(h, [&](TestClient &c) { c.contactStatus.push_back({Str(name), status}); });
}
void OnChannelText(QUORHANDLE h, const char *sender, const char *channel, const char *text) {
    On(h, [&](TestClient &c) { c.channelTexts.push_back({Str(sender), Str(channel), Str(text)}); });
}
void OnOfflineText(QUORHANDLE h, const char *sender, int sent, const char *text) {
    On(h, [&](TestClient &c) {
        c.offlineTexts.push_back({Str(sender), std::to_string(sent), Str(text)});
    });
}
void OnBroadcast(QUORHANDLE h, const char *sender, const char *text) {
    On(h, [&](TestClient &c) { c.broadcasts.push_back({Str(sender), Str(text)}); });
}
void OnCreateUser(QUORHANDLE h, int result) {
    On(h, [&](TestClient &c) { c.createResult = result; });
}
void OnRequestPassword(QUORHANDLE h, int result) {
    On(h, [&](TestClient &c) { c.passwordResult = result; });
}
void OnChannelInfo(QUORHANDLE h, const char *channel, int type, const char *info1,
                   const char *info2) {
    On(h, [&](TestClient &c) {
        c.channelInfos.push_back({Str(channel), type, Str(info1), Str(info2)});
    });
}
void OnInviteUser(QUORHANDLE h, const char *name, int result) {
    On(h, [&](TestClient &c) { c.inviteResults.push_back({Str(name), result}); });
}
void OnUserProfile(QUORHANDLE h, int result, const char *name, const char *password,
                   const char *email, int userType, int created, int lastLogin, int selfCreated,
                   int disabled) {
    On(h, [&](TestClient &c) {
        c.profiles.push_back({result, Str(name), Str(password), Str(email), userType, created,
                              lastLogin, selfCreated, disabled});
    });
}
void OnModifyUserProfile(QUORHANDLE h, int result, const char *name) {
    On(h, [&](TestClient &c) { c.modifyResults.push_back({Str(name), result}); });
}
void OnChangeEmail(QUORHANDLE h, int result) {
    On(h, [&](TestClient &c) { c.changeEmailResult = result; });
}
void OnChannelList(QUORHANDLE h, const char *name, int type, int users) {
    On(h, [&](TestClient &c) {
        if (name != nullptr) {
            c.pendingChannels.push_back({name, type, users});
        } else {
            c.channelLists.push_back(std::move(c.pendingChannels));
            c.pendingChannels.clear();
        }
    });
}
void OnInvitation(QUORHANDLE h, const char *inviter, const char *channel) {
    On(h, [&](TestClient &c) { c.invitations.push_back({Str(inviter), Str(channel)}); });
}

void StartLibrary() {
    static bool started = false;
    if (started) {
        return;
    }
    started = true;
    quor_init(QUOR_API_BUILD);
    const std::pair<int, QUORCALLBACK> table[] = {
        {QUOR_CB_LOGIN, reinterpret_cast<QUORCALLBACK>(OnLogin)},
        {QUOR_CB_DISCONNECT, reinterpret_cast<QUORCALLBACK>(OnDisconnect)},
        {QUOR_CB_TEXT, reinterpret_cast<QUORCALLBACK>(OnText)},
        {QUOR_CB_ISONLINE, reinterpret_cast<QUORCALLBACK>(OnIsOnline)},
        {QUOR_CB_WELCOME, reinterpret_cast<QUORCALLBACK>(OnWelcome)},
        {QUOR_CB_PINGREPLY, reinterpret_cast<QUORCALLBACK>(OnPingReply)},
        {QUOR_CB_TEXTERROR, reinterpret_cast<QUORCALLBACK>(OnTextError)},
        {QUOR_CB_CHANNELERROR, reinterpret_cast<QUORCALLBACK>(OnChannelError)},
        {QUOR_CB_CHANNELJOIN, reinterpret_cast<QUORCALLBACK>(OnChannelJoin)},
        {QUOR_CB_CHANNELLEAVE, reinterpret_cast<QUORCALLBACK>(OnChannelLeave)},
        {QUOR_CB_CONTACTLIST, reinterpret_cast<QUORCALLBACK>(OnContactList)},
        {QUOR_CB_CONTACTSTATUS, reinterpret_cast<QUORCALLBACK>(OnContactStatus)},
        {QUOR_CB_CHANNELTEXT, reinterpret_cast<QUORCALLBACK>(OnChannelText)},
        {QUOR_CB_OFFLINETEXT, reinterpret_cast<QUORCALLBACK>(OnOfflineText)},
        {QUOR_CB_BROADCAST, reinterpret_cast<QUORCALLBACK>(OnBroadcast)},
        {QUOR_CB_CREATEUSER, reinterpret_cast<QUORCALLBACK>(OnCreateUser)},
        {QUOR_CB_REQPASSWORD, reinterpret_cast<QUORCALLBACK>(OnRequestPassword)},
        {QUOR_CB_CHANNELINFO, reinterpret_cast<QUORCALLBACK>(OnChannelInfo)},
        {QUOR_CB_INVITEUSER, reinterpret_cast<QUORCALLBACK>(OnInviteUser)},
        {QUOR_CB_USERPROFILE, reinterpret_cast<QUORCALLBACK>(OnUserProfile)},
        {QUOR_CB_MODIFYUSERPROFILE, reinterpret_cast<QUORCALLBACK>(OnModifyUserProfile)},
        {QUOR_CB_CHANGEEMAIL, reinterpret_cast<QUORCALLBACK>(OnChangeEmail)},
        {QUOR_CB_CHANNELLIST, reinterpret_cast<QUORCALLBACK>(OnChannelList)},
        {QUOR_CB_INVITATION, reinterpret_cast<QUORCALLBACK>(OnInvitation)},
    };
    for (const auto &[slot, fn] : table) {
        quor_setcallback(slot, fn);
    }
}

} // namespace

TestClient::TestClient() {
    StartLibrary();
    handle_ = quor_create();
    Clients()[handle_] = this;
}

TestClient::~TestClient() {
    Clients().erase(handle_);
    quor_destroy(handle_);
}

int TestClient::AwaitResult(const std::optional<int> &result) {
    PumpUntil([&] { return result.has_value(); }, 5000);
    return result.value_or(-1);
}

int TestClient::Login(const std::string &user, const std::string &password) {
    if (quor_login(handle_, user.c_str(), password.c_str()) != 0) {
        return -1;
    }
    return AwaitResult(loginResult);
}

int TestClient::CreateAccount(const std::string &user, const std::string &email) {
    if (quor_createuser(handle_, user.c_str(), email.c_str()) != 0) {
        return -1;
    }
    return AwaitResult(createResult);
}

int TestClient::RequestPassword(const std::string &user, const std::string &email) {
    if (quor_reqpassword(handle_, user.c_str(), email.c_str()) != 0) {
        return -1;
    }
    return AwaitResult(passwordResult);
}

} // namespace quord::testing
