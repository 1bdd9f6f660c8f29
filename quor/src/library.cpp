// SPDX-License-Identifier: MIT
#include "library.h"

#include "callbacks.h"

namespace quor {

namespace {

QUORCALLBACK g_callbacks[QUOR_CB_COUNT] = {};

} // namespace

QUORCALLBACK CallbackAt(int slot) {
    return g_callbacks[slot];
}
void SetCallbackAt(int slot, QUORCALLBACK fn) {
    g_callbacks[slot] = fn;
}

Library &Lib() {
    static Library library;
    return library;
}

int Fail(int code) {
    Lib().lastError = code;
    return code == 0 ? 0 : 1;
}

QuorSession *FindSession(std::uint64_t tag) {
    for (auto &slot : Lib().slots) {
        if (slot && slot->tag() == tag) {
            return slot.get();
        }
    }
    return nullptr;
}

QUORHANDLE HandleOf(const QuorConnection &connection) {
    return reinterpret_cast<QUORHANDLE>(static_cast<std::uintptr_t>(connection.tag()));
}

QuorSession *CheckedSession(QUORHANDLE h) {
    if (!Lib().initialised) {
        Fail(1);
        return nullptr;
    }
    QuorSession *session =
        h == nullptr ? nullptr : FindSession(reinterpret_cast<std::uintptr_t>(h));
    if (session == nullptr) {
        Fail(2);
    }
    return session;
}

QuorSession *LoggedOnSession(QUORHANDLE h) {
    QuorSession *session = CheckedSession(h);
    if (session != nullptr && session->state() != STATE_LOGGED_ON) {
        Fail(6);
        return nullptr;
    }
    return session;
}

void DestroySession(int slot) {
    Library &lib = Lib();
    std::unique_ptr<QuorSession> session = std::move(lib.slots[slot]);
    session->markDestroyed();
    if (lib.pumpDepth > 0) {
        lib.graveyard.push_back(std::move(session));
    }
}

} // namespace quor
