// SPDX-License-Identifier: MIT
#include "hbQuorClb.h"

#include <array>
#include <cstdint>
#include <exception>
#include <string>

namespace hbquor {

namespace {

ThbQuorCallbackReceiver *gRegisteredCentral = nullptr;
// First fault raised by an event handler during a callback, waiting to be
// rethrown outside the library.
std::exception_ptr gCallbackFault;

// Clears the receiver when the program ends, without calling the library.
struct RegistrationReset {
    ~RegistrationReset() { gRegisteredCentral = nullptr; }
} gRegistrationReset;

std::string Owned(const char *text) {
    return text ? std::string(text) : std::string();
}

std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

// Hands a callback to the registered manager, or drops it when there is
// none. Exceptions must not unwind through the library's C frames, so they
// are kept for RethrowCallbackFault.
template <class Handle> void Deliver(Handle &&handle) {
    if (!gRegisteredCentral)
        return;
    try {
        handle(*gRegisteredCentral);
    } catch (...) {
        if (!gCallbackFault)
            gCallbackFault = std::current_exception();
    }
}

template <class Fn> QUORCALLBACK AsCallback(Fn *fn) {
    return reinterpret_cast<QUORCALLBACK>(fn);
}

const std::array<QUORCALLBACK, QUOR_CB_COUNT> &EntryPoints() {
    static const std::array<QUORCALLBACK, QUOR_CB_COUNT> entries{
        AsCallback(&ClbLogin),
        AsCallback(&ClbDisconnect),
        AsCallback(&ClbText),
        AsCallback(&ClbIsOnline),
        AsCallback(&ClbWelcome),
        AsCallback(&ClbPingReply),
        AsCallback(&ClbTextError),
        AsCallback(&ClbChannelError),
        AsCallback(&ClbChannelJoin),
        AsCallback(&ClbChannelLeave),
        AsCallback(&ClbContactList),
        AsCallback(&ClbContactStatus),
        AsCallback(&ClbChannelText),
        AsCallback(&ClbOfflineText),
        AsCallback(&ClbBroadcast),
        AsCallback(&ClbCreateUser),
        AsCallback(&ClbReqPassword),
        AsCallback(&ClbChannelInfo),
        AsCallback(&ClbInviteUser),
        AsCallback(&ClbUserProfile),
        AsCallback(&ClbModifyUserProfile),
        AsCallback(&ClbChangeEmail),
        AsCallback(&ClbChannelList),
        AsCallback(&ClbInvitation),
    };
    return entries;
}

} // namespace

ThbQuorCallbackReceiver *RegisteredCentral() {
    return gRegisteredCentral;
}

void RegisterCallbacks(ThbQuorObject *object) {
    gRegisteredCentral = object ? object->CallbackReceiver() : nullptr;
    for (int slot = 0; slot < QUOR_CB_COUNT; ++slot)
        quor_setcallback(slot, gRegisteredCentral ? EntryPoints()[slot] : nullptr);
}

void RethrowCallbackFault() {
    if (!gCallbackFault)
        return;
    std::exception_ptr fault = gCallbackFault;
    gCallbackFault = nullptr;
    std::rethrow_exception(fault);
}

void ClbLogin(QUORHANDLE h, int result) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleLogin(h, result); });
}

void ClbDisconnect(QUORHANDLE h) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleDisconnect(h); });
}

void ClbText(QUORHANDLE h, const char *sender, const char *text) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleText(h, Owned(sender), Owned(text)); });
}

void ClbIsOnline(QUORHANDLE h, const char *name, int status) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleIsOnline(h, Owned(name), status); });
}

void ClbWelcome(QUORHANDLE h, const char *text) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleWelcome(h, Owned(text)); });
}

void ClbPingReply(QUORHANDLE h, const char *sender, int seconds) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandlePingReply(h, Owned(sender), seconds); });
}

void ClbTextError(QUORHANDLE h, int code, const char *name) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleTextError(h, code, Owned(name)); });
}

void ClbChannelError(QUORHANDLE h, const char *channel, int code) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleChannelError(h, Owned(channel), code); });
}

void ClbChannelJoin(QUORHANDLE h, const char *channel, const char *user) {
    Deliver(
        [&](ThbQuorCallbackReceiver &c) { c.HandleChannelJoin(h, Owned(channel), Owned(user)); });
}

void ClbChannelLeave(QUORHANDLE h, const char *channel, const char *user) {
    Deliver(
        [&](ThbQuorCallbackReceiver &c) { c.HandleChannelLeave(h, Owned(channel), Owned(user)); });
}

void ClbContactList(QUORHANDLE h, const char *name) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleContactList(h, Owned(name)); });
}

void ClbContactStatus(QUORHANDLE h, const char *name, int status) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleContactStatus(h, Owned(name), status); });
}

void ClbChannelText(QUORHANDLE h, const char *sender, const char *channel, const char *text) {
    Deliver([&](ThbQuorCallbackReceiver &c) {
        c.HandleChannelText(h, Owned(sender), Owned(channel), Owned(text));
    });
}

void ClbOfflineText(QUORHANDLE h, const char *sender, int sentTime, const char *text) {
    Deliver([&](ThbQuorCallbackReceiver &c) {
        c.HandleOfflineText(h, Owned(sender), sentTime, Owned(text));
    });
}

void ClbBroadcast(QUORHANDLE h, const char *sender, const char *text) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleBroadcast(h, Owned(sender), Owned(text)); });
}

void ClbCreateUser(QUORHANDLE h, int result) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleCreateUser(h, result); });
}

void ClbReqPassword(QUORHANDLE h, int result) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleReqPassword(h, result); });
}

void ClbChannelInfo(QUORHANDLE h, const char *channel, int type, const char *info1,
                    const char *info2) {
    Deliver([&](ThbQuorCallbackReceiver &c) {
        c.HandleChannelInfo(h, Owned(channel), LowByte(type), Owned(info1), Owned(info2));
    });
}

void ClbInviteUser(QUORHANDLE h, const char *name, int result) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleInviteUser(h, Owned(name), result); });
}

void ClbUserProfile(QUORHANDLE h, int result, const char *name, const char *password,
                    const char *email, int userType, int created, int lastLogin, int selfCreated,
                    int disabled) {
    Deliver([&](ThbQuorCallbackReceiver &c) {
        c.HandleUserProfile(h, result, Owned(name), Owned(password), Owned(email), userType,
                            created, lastLogin, selfCreated, disabled);
    });
}

void ClbModifyUserProfile(QUORHANDLE h, int result, const char *name) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleModifyUserProfile(h, result, Owned(name)); });
}

void ClbChangeEmail(QUORHANDLE h, int result) {
    Deliver([&](ThbQuorCallbackReceiver &c) { c.HandleChangeEmail(h, result); });
}

void ClbChannelList(QUORHANDLE h, const char *channel, int type, int users) {
    Deliver([&](ThbQuorCallbackReceiver &c) {
        c.HandleChannelList(h, Owned(channel), LowByte(type), users);
    });
}

void ClbInvitation(QUORHANDLE h, const char *inviter, const char *channel) {
    Deliver(
        [&](ThbQuorCallbackReceiver &c) { c.HandleInvitation(h, Owned(inviter), Owned(channel)); });
}

} // namespace hbquor
