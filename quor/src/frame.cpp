// SPDX-License-Identifier: MIT
// The library frame: initialisation, the handle table, callbacks, the last
// error, user data and the pump that delivers socket and timer work.
#include "callbacks.h"
#include "clock.h"
#include "dispatcher.h"
#include "library.h"
#include "socket_errors.h"

#include "quor.h"

#include <new>

using namespace quor;

namespace {

// False once a callback has terminated (and perhaps restarted) the library
// that the running pump started with.
bool StillRunning(std::uint64_t initGeneration) {
    return Lib().initialised && Lib().initGeneration == initGeneration;
}

// Fails every connection whose opening has gone on for too long. Drops
// every logged-on session that has heard nothing for more than a minute, as
// if the server had closed it, and destroys it.
void Housekeeping(std::uint64_t initGeneration) {
    Library &lib = Lib();
    const std::uint32_t now = TickNow();
    for (int i = 0; i < kMaxSessions; ++i) {
        QuorSession *session = lib.slots[i].get();
        if (session != nullptr && session->OpeningOverdue(now)) {
            session->FailOpening(kWsaTimedOut);
            if (!StillRunning(initGeneration)) {
                return;
            }
            continue;
        }
        if (session == nullptr || session->state() != STATE_LOGGED_ON ||
            TickElapsed(session->lastReceiveTick(), now) / 1000 <= kSilenceLimitSeconds) {
            continue;
        }
        session->OnClose();
        if (!StillRunning(initGeneration)) {
            return;
        }
        if (lib.slots[i].get() == session) {
            DestroySession(i);
        }
    }
}

void DeliverDeferredCloses(std::uint64_t initGeneration) {
    Library &lib = Lib();
    for (std::uint64_t tag : lib.reactor.takeDeferred()) {
        if (!StillRunning(initGeneration)) {
            return;
        }
        if (QuorSession *session = FindSession(tag)) {
            session->OnClose();
        }
    }
}

// Sessions whose TLS stream holds received bytes get their read
// notification here, since no socket readiness announces those bytes.
void DeliverBufferedInput(std::uint64_t initGeneration) {
    // A copy: each read changes the list.
    const std::vector<std::uint64_t> tags = Lib().reactor.buffered();
    for (std::uint64_t tag : tags) {
        if (!StillRunning(initGeneration)) {
            return;
        }
        if (QuorSession *session = FindSession(tag)) {
            session->ReadAhead();
        }
    }
}

// While sessions are receiving a stream, reading them again directly saves
// asking epoll each time. True when some session delivered a notification.
bool ReadAhead(std::uint64_t initGeneration) {
    auto &slots = Lib().slots;
    bool delivered = false;
    for (int i = 0; i < kMaxSessions; ++i) {
        QuorSession *session = slots[i].get();
        if (session != nullptr && session->ReadAhead()) {
            delivered = true;
            if (!StillRunning(initGeneration)) {
                break;
            }
        }
    }
    return delivered;
}

void EndPump() {
    --Lib().pumpDepth;
    Lib().graveyard.clear();
}

void DestroyAllSessions() {
    for (int i = 0; i < kMaxSessions; ++i) {
        if (Lib().slots[i]) {
            DestroySession(i);
        }
    }
}

} // namespace

extern "C" {

QUOR_API int quor_init(int build) {
    Library &lib = Lib();
    if (lib.initialised) {
        return Fail(31);
    }
    if (build != QUOR_API_BUILD) {
        return Fail(12);
    }
    if (int error = lib.reactor.open(kHousekeepingPeriodMs); error != 0) {
        return Fail(error);
    }
    lib.initialised = true;
    ++lib.initGeneration;
    return Succeed();
}

QUOR_API void quor_term(void) {
    Library &lib = Lib();
    lib.initialised = false;
    DestroyAllSessions();
    lib.reactor.close();
    // Sessions destroyed inside a pump hold on to it until the pump returns.
    lib.tls.reset();
}

QUOR_API QUORHANDLE quor_create(void) {
    Library &lib = Lib();
    if (!lib.initialised) {
        Fail(1);
        return nullptr;
    }
    for (int i = 0; i < kMaxSessions; ++i) {
        if (lib.slots[i] && lib.slots[i]->state() == STATE_IDLE) {
            DestroySession(i);
        }
    }
    for (int i = 0; i < kMaxSessions; ++i) {
        if (lib.slots[i]) {
            continue;
        }
        const std::uint64_t tag = (++lib.handleGeneration << 6) | static_cast<std::uint64_t>(i + 1);
        auto *session = new (std::nothrow) QuorSession(lib.reactor, tag, &Dispatch);
        if (session == nullptr) {
            break;
        }
        lib.slots[i].reset(session);
        return HandleOf(*session);
    }
    Fail(5);
    return nullptr;
}

QUOR_API int quor_destroy(QUORHANDLE h) {
    Library &lib = Lib();
    if (!lib.initialised) {
        return Fail(1);
    }
    for (int i = 0; i < kMaxSessions; ++i) {
        if (h != nullptr && lib.slots[i] && HandleOf(*lib.slots[i]) == h) {
            DestroySession(i);
        }
    }
    return Succeed();
}

QUOR_API int quor_setcallback(int slot, QUORCALLBACK fn) {
    if (!Lib().initialised) {
        return Fail(1);
    }
    if (slot < 0 || slot >= QUOR_CB_COUNT) {
        return Fail(7);
    }
    SetCallbackAt(slot, fn);
    return Succeed();
}

QUOR_API int quor_getlasterror(void) {
    return Lib().lastError;
}

QUOR_API int quor_setuserdata(QUORHANDLE h, int value) {
    QuorSession *session = CheckedSession(h);
    if (session == nullptr) {
        return 1;
    }
    session->userData = value;
    return Succeed();
}

QUOR_API int quor_getuserdata(QUORHANDLE h) {
    QuorSession *session = CheckedSession(h);
    return session == nullptr ? 0 : session->userData;
}

QUOR_API int quor_setserver(const char *host, int port) {
    Library &lib = Lib();
    lib.host = (host == nullptr || *host == '\0') ? "localhost" : host;
    lib.port = port <= 0 ? QUOR_DEFAULT_PORT : port;
    return 0;
}

QUOR_API int quor_getfd(void) {
    Library &lib = Lib();
    if (!lib.initialised) {
        Fail(1);
        return -1;
    }
    return lib.reactor.fd();
}

QUOR_API int quor_pump(int timeout_ms) {
    Library &lib = Lib();
    if (!lib.initialised) {
        Fail(1);
        return 1;
    }
    if (lib.pumpDepth > 0) {
        return 0;
    }
    ++lib.pumpDepth;
    const std::uint64_t generation = lib.initGeneration;
    if (lib.readAheadPumps < kMaxReadAheadPumps && !lib.reactor.hasDeferred() &&
        ReadAhead(generation)) {
        ++lib.readAheadPumps;
        EndPump();
        return 0;
    }
    lib.readAheadPumps = 0;
    epoll_event events[kMaxSessions + 2];
    const int ready = epoll_wait(lib.reactor.fd(), events, kMaxSessions + 2, timeout_ms);
    for (int i = 0; i < ready; ++i) {
        if (!StillRunning(generation)) {
            break;
        }
        const std::uint64_t tag = events[i].data.u64;
        if (tag == kTimerTag) {
            if (lib.reactor.consumeTimer()) {
                Housekeeping(generation);
            }
        } else if (tag == kWakeTag) {
            DeliverDeferredCloses(generation);
            DeliverBufferedInput(generation);
        } else if (QuorSession *session = FindSession(tag)) {
            session->OnReady(events[i].events);
        }
    }
    EndPump();
    return 0;
}

} // extern "C"
