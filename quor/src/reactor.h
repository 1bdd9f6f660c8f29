// The library's event source: one epoll instance holding every session's
// socket, the one-second housekeeping timer and a wake-up descriptor for
// notifications that must wait for the next pump.
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

    void watch(int fd, std::uint32_t events, std::uint64_t tag);
    void modify(int fd, std::uint32_t events, std::uint64_t tag);
    void unwatch(int fd);

    // Remembers a tag whose close notification the next pump delivers.
    void deferClose(std::uint64_t tag);
    bool hasDeferred() const { return !deferred_.empty(); }
    // Hands over and forgets the deferred tags.
    std::vector<std::uint64_t> takeDeferred();

    // Consumes the timer's expirations; true when at least one was due.
    bool consumeTimer();

private:
    int epollFd_ = -1;
    int timerFd_ = -1;
    int wakeFd_ = -1;
    std::vector<std::uint64_t> deferred_;
};

} // namespace quor
