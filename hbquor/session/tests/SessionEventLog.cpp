// SPDX-License-Identifier: MIT
#include "SessionEventLog.h"

#include <algorithm>
#include <cstdio>

namespace hbquor::testing {

namespace {

std::string Join(std::initializer_list<std::string> parts) {
    std::string line;
    for (const std::string &part : parts) {
        if (!line.empty())
            line += ' ';
        line += part;
    }
    return line;
}

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    return buffer;
}

std::string Status(QuorUserStatus status) {
    return std::to_string(static_cast<int>(status));
}

} // namespace

std::string NameOf(const ThbQuorUnit *session) {
    return session ? session->Name() : "-";
}

bool EventLog::Has(const std::string &line) const {
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

void EventLog::Clear() {
    lines_.clear();
    errors_.clear();
}

void EventLog::Attach(ThbQuorCentral &central) {
    using S = ThbQuorUnit *;
    using T = const std::string &;
    central.SetOnError([this](S s, T where, T what, int code, T errText) {
        errors_.push_back({s, where, what, code, errText});
        Add(Join({"Error", NameOf(s), std::to_string(code)}));
    });
    central.SetOnConnecting([this](S s) { Add(Join({"Connecting", NameOf(s)})); });
    central.SetOnConnected([this](S s) { Add(Join({"Connected", NameOf(s)})); });
    central.SetOnLoginFailed([this](S s, T text, int code) {
        Add(Join({"LoginFailed", NameOf(s), std::to_string(code), text}));
    });
    central.SetOnDisconnected([this](S s) { Add(Join({"Disconnected", NameOf(s)})); });
    central.SetOnUserStatus([this](S s, T name, QuorUserStatus st) {
        Add(Join({"UserStatus", NameOf(s), name, Status(st)}));
    });
    central.SetOnContactStatus([this](S s, T name, QuorUserStatus st) {
        Add(Join({"ContactStatus", NameOf(s), name, Status(st)}));
    });
    central.SetOnText([this](S s, T from, T text) { Add(Join({"Text", NameOf(s), from, text})); });
    central.SetOnTextFailed([this](S s, T text, int code, T to) {
        Add(Join({"TextFailed", NameOf(s), std::to_string(code), to, text}));
    });
    central.SetOnWelcome([this](S s, T text) { Add(Join({"Welcome", NameOf(s), text})); });
    central.SetOnPingReply([this](S s, T name, int seconds) {
        Add(Join({"PingReply", NameOf(s), name, std::to_string(seconds)}));
    });
    central.SetOnChannelError([this](S s, T channel, T text, int code) {
        Add(Join({"ChannelError", NameOf(s), channel, std::to_string(code), text}));
    });
    central.SetOnChannelJoined([this](S s, T channel, T user) {
        Add(Join({"ChannelJoined", NameOf(s), channel, user}));
    });
    central.SetOnChannelLeft([this](S s, T channel, T user) {
        Add(Join({"ChannelLeft", NameOf(s), channel, user}));
    });
    central.SetOnChannelText([this](S s, T channel, T from, T text) {
        Add(Join({"ChannelText", NameOf(s), channel, from, text}));
    });
    central.SetOnContactListEntry([this](S s, T name) {
        Add(Join({"ContactListEntry", NameOf(s), "[" + name + "]"}));
    });
    central.SetOnOfflineText([this](S s, T from, T text, TDateTime sent) {
        Add(Join({"OfflineText", NameOf(s), from, text, Number(sent)}));
    });
    central.SetOnBroadcast([this](S s, T from, T text) {
        Add(Join({"Broadcast", NameOf(s), from, text}));
    });
    central.SetOnEmailChanged([this](S s, T text, int code) {
        Add(Join({"EmailChanged", NameOf(s), std::to_string(code), text}));
    });
    central.SetOnPasswordRequestResult([this](T text, int code, T name, T email) {
        Add(Join({"PasswordRequestResult", std::to_string(code), name, email, text}));
    });
    central.SetOnCreateUserResult([this](T text, int code, T name, T email) {
        Add(Join({"CreateUserResult", std::to_string(code), name, email, text}));
    });
    central.SetOnAccountRequestLost(
        [this](AccountRequestKind kind, T text, int code, T name, T email) {
            const char *request =
                kind == AccountRequestKind::CreateUser ? "CreateUser" : "RequestPassword";
            Add(Join({"AccountRequestLost", request, std::to_string(code), name, email, text}));
        });
    central.SetOnChannelInfo([this](S s, T channel, std::uint8_t type, T info1, T info2) {
        Add(Join({"ChannelInfo", NameOf(s), channel, std::to_string(type), info1, info2}));
    });
    central.SetOnUserProfile([this](S s, T text, int code, T name, T password, T email,
                                    int userType, TDateTime created, TDateTime lastLogin,
                                    int selfCreated, int disabled) {
        Add(Join({"UserProfile", NameOf(s), std::to_string(code), text, name, password, email,
                  std::to_string(userType), Number(created), Number(lastLogin),
                  std::to_string(selfCreated), std::to_string(disabled)}));
    });
    central.SetOnProfileChanged([this](S s, T text, int code, T name) {
        Add(Join({"ProfileChanged", NameOf(s), std::to_string(code), name, text}));
    });
    central.SetOnInviteResult([this](S s, T text, int code, T name) {
        Add(Join({"InviteResult", NameOf(s), std::to_string(code), name, text}));
    });
    central.SetOnInvitation([this](S s, T inviter, T channel) {
        Add(Join({"Invitation", NameOf(s), inviter, channel}));
    });
    central.SetOnChannelListEntry([this](S s, T channel, std::uint8_t type, int users) {
        Add(Join({"ChannelListEntry", NameOf(s), "[" + channel + "]", std::to_string(type),
                  std::to_string(users)}));
    });
}

} // namespace hbquor::testing
