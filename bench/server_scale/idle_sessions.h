// SPDX-License-Identifier: MIT
// One worker process of the scale benchmark: logs on its share of sessions
// over raw sockets, each from one of several loopback addresses, answers
// the server's pings for all of them and stays until told to stop.
#pragma once

#include <string>

namespace quord::bench {

inline constexpr const char *kIdlePassword = "idle-pw";
// Sessions per source address: the server's default limit per address.
inline constexpr int kSessionsPerAddress = 16;

struct IdlePlan {
    int port = 0;
    int firstSession = 0; // global index of this worker's first session
    int sessions = 0;
    int timeoutSeconds = 120;
};

// The account name of a session and the address it connects from.
std::string IdleUserName(int session);
std::string IdleAddress(int session);

// Runs in a forked child: writes one byte to readyFd once every session is
// logged on (or 'f' when logons failed), then answers pings until stopFd
// reaches its end. Returns the exit status.
int RunIdleWorker(const IdlePlan &plan, int readyFd, int stopFd);

} // namespace quord::bench
