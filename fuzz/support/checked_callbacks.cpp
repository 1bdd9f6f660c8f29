// SPDX-License-Identifier: MIT
#include "checked_callbacks.h"

#include "fuzz_check.h"
#include "quor_wire/record.h"

#include <cstring>

namespace quor::fuzz {

namespace {

CallbackObserver g_observer = nullptr;
// Folds every string length in, so reading the strings cannot be optimised
// away.
volatile std::size_t g_consumed = 0;

// Names come from the 32-byte name fields of the record header.
constexpr std::size_t kNameLimit = kMaxNameLength;
// Strings from the data area: a raw text may fill all of it.
constexpr std::size_t kDataLimit = kDataSize;
// Items of a list part share the part with their ';' separators.
constexpr std::size_t kItemLimit = kListItemsRoom - 1;
constexpr int kHighestErrorCode = 39;

void Consume(const char *s, std::size_t limit) {
    FUZZ_CHECK(s != nullptr);
    const std::size_t length = std::strlen(s);
    FUZZ_CHECK(length <= limit);
    g_consumed = g_consumed + length;
}

void CheckByte(int value) {
    FUZZ_CHECK(value >= 0 && value <= 255);
}

void CheckErrorCode(int code) {
    FUZZ_CHECK(code >= 0 && code <= kHighestErrorCode);
}

void Report(QUORHANDLE h, int slot, const char *peer = nullptr, const char *channel = nullptr,
            int result = 0) {
    FUZZ_CHECK(h != nullptr);
    if (g_observer != nullptr) {
        g_observer({h, slot, peer, channel, result});
    }
}

void OnLogin(QUORHANDLE h, int result) {
    FUZZ_CHECK(result == 0 || result == QUOR_ERR_LOGIN_INVALID ||
               result == QUOR_ERR_ALREADY_ONLINE || result == QUOR_ERR_API_BUILD);
    Report(h, QUOR_CB_LOGIN, nullptr, nullptr, result);
}

void OnDisconnect(QUORHANDLE h) {
    Report(h, QUOR_CB_DISCONNECT);
}

// Slots 2 (private text) and 14 (broadcast) share one argument list.
template <int Slot> void OnSenderText(QUORHANDLE h, const char *sender, const char *text) {
    Consume(sender, kNameLimit);
    Consume(text, kDataLimit);
    Report(h, Slot, sender);
}

// Slots 3 (online answer) and 11 (contact status) share one argument list.
template <int Slot> void OnUserStatus(QUORHANDLE h, const char *name, int status) {
    Consume(name, kDataLimit);
    CheckByte(status);
    Report(h, Slot, name);
}

void OnWelcome(QUORHANDLE h, const char *text) {
    Consume(text, kDataLimit);
    Report(h, QUOR_CB_WELCOME);
}

void OnPingReply(QUORHANDLE h, const char *sender, int) {
    Consume(sender, kNameLimit);
    Report(h, QUOR_CB_PINGREPLY, sender);
}

void OnTextError(QUORHANDLE h, int code, const char *name) {
    FUZZ_CHECK(code == 10 || code == 26 || code == 27);
    Consume(name, kDataLimit);
    Report(h, QUOR_CB_TEXTERROR, name);
}

void OnChannelError(QUORHANDLE h, const char *name, int code) {
    Consume(name, kDataLimit);
    CheckErrorCode(code);
    Report(h, QUOR_CB_CHANNELERROR, nullptr, name);
}

// Slots 8 (join) and 9 (leave) share one argument list.
template <int Slot> void OnChannelMembership(QUORHANDLE h, const char *channel, const char *user) {
    Consume(channel, kDataLimit);
    Consume(user, kDataLimit);
    Report(h, Slot, user, channel);
}

void OnContactList(QUORHANDLE h, const char *name) {
    if (name != nullptr) {
        Consume(name, kItemLimit);
    }
    Report(h, QUOR_CB_CONTACTLIST, name);
}

void OnChannelText(QUORHANDLE h, const char *sender, const char *channel, const char *text) {
    Consume(sender, kNameLimit);
    Consume(channel, kNameLimit);
    FUZZ_CHECK(channel[0] == '#');
    Consume(text, kDataLimit);
    Report(h, QUOR_CB_CHANNELTEXT, sender, channel);
}

void OnOfflineText(QUORHANDLE h, const char *sender, int, const char *text) {
    Consume(sender, kNameLimit);
    Consume(text, kDataLimit);
    Report(h, QUOR_CB_OFFLINETEXT, sender);
}

void OnCreateUser(QUORHANDLE h, int result) {
    CheckErrorCode(result);
    Report(h, QUOR_CB_CREATEUSER, nullptr, nullptr, result);
}

void OnReqPassword(QUORHANDLE h, int result) {
    CheckErrorCode(result);
    Report(h, QUOR_CB_REQPASSWORD, nullptr, nullptr, result);
}

void OnChannelInfo(QUORHANDLE h, const char *channel, int type, const char *info1,
                   const char *info2) {
    Consume(channel, kDataLimit);
    CheckByte(type);
    Consume(info1, kDataLimit);
    Consume(info2, kDataLimit);
    Report(h, QUOR_CB_CHANNELINFO, nullptr, channel);
}

void OnInviteUser(QUORHANDLE h, const char *name, int result) {
    Consume(name, kDataLimit);
    CheckErrorCode(result);
    Report(h, QUOR_CB_INVITEUSER, name);
}

void OnUserProfile(QUORHANDLE h, int result, const char *name, const char *password,
                   const char *email, int, int, int, int, int) {
    CheckErrorCode(result);
    Consume(name, kDataLimit);
    Consume(password, kDataLimit);
    Consume(email, kDataLimit);
    Report(h, QUOR_CB_USERPROFILE, name);
}

void OnModifyUserProfile(QUORHANDLE h, int result, const char *name) {
    CheckErrorCode(result);
    Consume(name, kDataLimit);
    Report(h, QUOR_CB_MODIFYUSERPROFILE, name);
}

void OnChangeEmail(QUORHANDLE h, int result) {
    CheckErrorCode(result);
    Report(h, QUOR_CB_CHANGEEMAIL);
}

void OnChannelList(QUORHANDLE h, const char *name, int type, int users) {
    if (name == nullptr) {
        FUZZ_CHECK(type == 0 && users == 0);
    } else {
        Consume(name, kItemLimit);
        CheckByte(type);
    }
    Report(h, QUOR_CB_CHANNELLIST, nullptr, name);
}

void OnInvitation(QUORHANDLE h, const char *inviter, const char *channel) {
    Consume(inviter, kDataLimit);
    Consume(channel, kDataLimit);
    Report(h, QUOR_CB_INVITATION, inviter, channel);
}

std::uint32_t g_emptySlots = 0;

template <typename Fn> void Register(int slot, Fn fn) {
    const bool empty = (g_emptySlots & (1u << slot)) != 0;
    FUZZ_CHECK(quor_setcallback(slot, empty ? nullptr : reinterpret_cast<QUORCALLBACK>(fn)) == 0);
}

} // namespace

void RegisterCheckedCallbacks(CallbackObserver observer, std::uint32_t emptySlots) {
    g_observer = observer;
    g_emptySlots = emptySlots;
    Register(QUOR_CB_LOGIN, &OnLogin);
    Register(QUOR_CB_DISCONNECT, &OnDisconnect);
    Register(QUOR_CB_TEXT, &OnSenderText<QUOR_CB_TEXT>);
    Register(QUOR_CB_ISONLINE, &OnUserStatus<QUOR_CB_ISONLINE>);
    Register(QUOR_CB_WELCOME, &OnWelcome);
    Register(QUOR_CB_PINGREPLY, &OnPingReply);
    Register(QUOR_CB_TEXTERROR, &OnTextError);
    Register(QUOR_CB_CHANNELERROR, &OnChannelError);
    Register(QUOR_CB_CHANNELJOIN, &OnChannelMembership<QUOR_CB_CHANNELJOIN>);
    Register(QUOR_CB_CHANNELLEAVE, &OnChannelMembership<QUOR_CB_CHANNELLEAVE>);
    Register(QUOR_CB_CONTACTLIST, &OnContactList);
    Register(QUOR_CB_CONTACTSTATUS, &OnUserStatus<QUOR_CB_CONTACTSTATUS>);
    Register(QUOR_CB_CHANNELTEXT, &OnChannelText);
    Register(QUOR_CB_OFFLINETEXT, &OnOfflineText);
    Register(QUOR_CB_BROADCAST, &OnSenderText<QUOR_CB_BROADCAST>);
    Register(QUOR_CB_CREATEUSER, &OnCreateUser);
    Register(QUOR_CB_REQPASSWORD, &OnReqPassword);
    Register(QUOR_CB_CHANNELINFO, &OnChannelInfo);
    Register(QUOR_CB_INVITEUSER, &OnInviteUser);
    Register(QUOR_CB_USERPROFILE, &OnUserProfile);
    Register(QUOR_CB_MODIFYUSERPROFILE, &OnModifyUserProfile);
    Register(QUOR_CB_CHANGEEMAIL, &OnChangeEmail);
    Register(QUOR_CB_CHANNELLIST, &OnChannelList);
    Register(QUOR_CB_INVITATION, &OnInvitation);
}

} // namespace quor::fuzz
