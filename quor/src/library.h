// SPDX-License-Identifier: MIT
// Library-wide state: the initialised flag, the last error, the handle
// table and the reactor that drives every session.
#pragma once

#include "proxy_handshake.h"
#include "reactor.h"
#include "session.h"
#include "tls_context.h"

#include "quor.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quor {

inline constexpr int kMaxSessions = 50;
inline constexpr int kHousekeepingPeriodMs = 1000;
// A logged-on session silent for more than this many whole seconds is dropped.
inline constexpr std::uint32_t kSilenceLimitSeconds = 60;
// At most this many pumps in a row read ahead before epoll is asked again,
// so timers, writes and other sessions are never kept waiting for long.
inline constexpr int kMaxReadAheadPumps = 64;

struct Library {
    // First, so that OpenSSL's clean-up at exit comes after this object's.
    OpenSslFirst openSsl;
    bool initialised = false;
    int lastError = 0;
    Reactor reactor;
    std::array<std::unique_ptr<QuorSession>, kMaxSessions> slots;
    // Sessions destroyed while the pump was inside one of their events; freed
    // when the pump returns.
    std::vector<std::unique_ptr<QuorSession>> graveyard;
    // Counts handles ever given out, so that no handle value repeats.
    std::uint64_t handleGeneration = 0;
    // Counts quor_init calls, so that a pump notices a quor_term inside it.
    std::uint64_t initGeneration = 0;
    int pumpDepth = 0;
    int readAheadPumps = 0;
    std::string host = "localhost";
    int port = QUOR_DEFAULT_PORT;
    // quor_settls: the mode and CA file outlive quor_term; the context is
    // made for them when needed and freed by quor_term.
    int tlsMode = QUOR_TLS_OFF;
    std::string tlsCaFile;
    std::shared_ptr<const TlsContext> tls;
    // quor_setproxy: outlives quor_term like the TLS mode.
    ProxySettings proxy;
};

Library &Lib();

// The common checks of every session export: initialised (else last error
// 1), then a handle in the table (else 2). Returns the session or null.
QuorSession *CheckedSession(QUORHANDLE h);
// The same checks, then the logged-on state (else last error 6).
QuorSession *LoggedOnSession(QUORHANDLE h);
QuorSession *FindSession(std::uint64_t tag);
QUORHANDLE HandleOf(const QuorConnection &connection);

// Removes the session from its slot and destroys it; inside a pump its
// memory lives until the pump returns.
void DestroySession(int slot);

// Sets the last error and returns the export's result: 0 for code 0, else 1.
int Fail(int code);
inline int Succeed() {
    return Fail(0);
}

// Treats a NULL string argument as empty.
inline const char *OrEmpty(const char *s) {
    return s != nullptr ? s : "";
}

} // namespace quor
