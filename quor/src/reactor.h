// SPDX-License-Identifier: MIT
// The library's event source: one epoll instance holding every session's
// socket, the one-second housekeeping timer and a wake-up descriptor for
// work that no socket announces: close notifications that must wait for the
// next pump, and received bytes that wait inside a session's TLS stream.
#pragma once

#include <sys/epoll.h>

#include <cstdint>
#include <vector>

namespace quor {

// Tags that identify the reactor's own descriptors; sessions use their
// handle values, which are never this small.
inline constexpr std::uint64_t kTimerTag = 0;
inline constexpr std::uint64_t kWakeTag = 1;

class Reactor {
public:
    Reactor() = default;
    Reactor(const Reactor &) = delete;
    Reactor &operator=(const Reactor &) = delete;
    ~Reactor() { close(); }

    // Creates the epoll instance (failure: 29) and arms the periodic timer
    // (failure: 30). Returns 0 or that library error code.
    int open(int timerPeriodMs);
    void close();
    bool isOpen() const { return epollFd_ >= 0; }
    int fd() const { return epollFd_; }

    // Each returns 0, or the errno value of the failed epoll_ctl.
    int watch(int fd, std::uint32_t events, std::uint64_t tag);
    int modify(int fd, std::uint32_t events, std::uint64_t tag);
    int unwatch(int fd);

    // Remembers a tag whose close notification the next pump delivers.
    void deferClose(std::uint64_t tag);
    bool hasDeferred() const { return !deferred_.empty(); }
    // Hands over and forgets the deferred tags.
    std::vector<std::uint64_t> takeDeferred();

    // Marks or unmarks a tag whose session holds received bytes that no
    // socket readiness will announce. The descriptor stays readable while
    // any tag is marked, so callers that wait on it come back to pump.
    void setBuffered(std::uint64_t tag, bool buffered);
    const std::vector<std::uint64_t> &buffered() const { return buffered_; }

    // Consumes the timer's expirations; true when at least one was due.
    bool consumeTimer();

private:
    // Keeps the wake-up descriptor readable exactly while work waits.
    void settleWake();

    int epollFd_ = -1;
    int timerFd_ = -1;
    int wakeFd_ = -1;
    bool wakeRaised_ = false;
    std::vector<std::uint64_t> deferred_;
    std::vector<std::uint64_t> buffered_;
};

} // namespace quor
