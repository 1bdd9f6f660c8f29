// SPDX-License-Identifier: MIT
#include "reactor.h"

#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quor {

namespace {

int Control(int epollFd, int op, int fd, epoll_event *event) {
    return epoll_ctl(epollFd, op, fd, event) == 0 ? 0 : errno;
}

void CloseFd(int &fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

bool WatchOwn(int epollFd, int fd, std::uint64_t tag) {
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.u64 = tag;
    return Control(epollFd, EPOLL_CTL_ADD, fd, &ev) == 0;
}

} // namespace

int Reactor::open(int timerPeriodMs) {
    epollFd_ = epoll_create1(EPOLL_CLOEXEC);
    wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (epollFd_ < 0 || wakeFd_ < 0 || !WatchOwn(epollFd_, wakeFd_, kWakeTag)) {
        close();
        return 29;
    }

    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    itimerspec period{};
    period.it_interval.tv_sec = timerPeriodMs / 1000;
    period.it_interval.tv_nsec = static_cast<long>(timerPeriodMs % 1000) * 1000000L;
    period.it_value = period.it_interval;
    if (timerFd_ < 0 || timerfd_settime(timerFd_, 0, &period, nullptr) != 0 ||
        !WatchOwn(epollFd_, timerFd_, kTimerTag)) {
        close();
        return 30;
    }
    return 0;
}

void Reactor::close() {
    CloseFd(timerFd_);
    CloseFd(wakeFd_);
    CloseFd(epollFd_);
    wakeRaised_ = false;
    deferred_.clear();
    buffered_.clear();
}

int Reactor::watch(int fd, std::uint32_t events, std::uint64_t tag) {
    epoll_event ev{};
    ev.events = events;
    ev.data.u64 = tag;
    return Control(epollFd_, EPOLL_CTL_ADD, fd, &ev);
}

int Reactor::modify(int fd, std::uint32_t events, std::uint64_t tag) {
    epoll_event ev{};
    ev.events = events;
    ev.data.u64 = tag;
    return Control(epollFd_, EPOLL_CTL_MOD, fd, &ev);
}

int Reactor::unwatch(int fd) {
    return epollFd_ >= 0 ? Control(epollFd_, EPOLL_CTL_DEL, fd, nullptr) : 0;
}

void Reactor::deferClose(std::uint64_t tag) {
    deferred_.push_back(tag);
    settleWake();
}

std::vector<std::uint64_t> Reactor::takeDeferred() {
    std::vector<std::uint64_t> tags;
    tags.swap(deferred_);
    settleWake();
    return tags;
}

void Reactor::setBuffered(std::uint64_t tag, bool buffered) {
    const auto at = std::find(buffered_.begin(), buffered_.end(), tag);
    if (buffered && at == buffered_.end()) {
        buffered_.push_back(tag);
    } else if (!buffered && at != buffered_.end()) {
        buffered_.erase(at);
    }
    settleWake();
}

void Reactor::settleWake() {
    const bool wanted = !deferred_.empty() || !buffered_.empty();
    if (wanted == wakeRaised_ || wakeFd_ < 0) {
        return;
    }
    std::uint64_t count = 1;
    // Writing makes the eventfd readable; reading empties it again.
    const ssize_t n =
        wanted ? ::write(wakeFd_, &count, sizeof count) : ::read(wakeFd_, &count, sizeof count);
    wakeRaised_ = n == static_cast<ssize_t>(sizeof count) ? wanted : wakeRaised_;
}

bool Reactor::consumeTimer() {
    std::uint64_t expirations = 0;
    return ::read(timerFd_, &expirations, sizeof expirations) == sizeof expirations &&
           expirations > 0;
}

} // namespace quor
