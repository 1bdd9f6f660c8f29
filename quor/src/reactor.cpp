#include "reactor.h"

#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace quor {

namespace {

void CloseFd(int &fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

} // namespace

int Reactor::open(int timerPeriodMs) {
    epollFd_ = epoll_create1(EPOLL_CLOEXEC);
    wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (epollFd_ < 0 || wakeFd_ < 0) {
        close();
        return 29;
    }
    watch(wakeFd_, EPOLLIN, kWakeTag);

    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    itimerspec period{};
    period.it_interval.tv_sec = timerPeriodMs / 1000;
    period.it_interval.tv_nsec = static_cast<long>(timerPeriodMs % 1000) * 1000000L;
    period.it_value = period.it_interval;
    if (timerFd_ < 0 || timerfd_settime(timerFd_, 0, &period, nullptr) != 0) {
        close();
        return 30;
    }
    watch(timerFd_, EPOLLIN, kTimerTag);
    return 0;
}

void Reactor::close() {
    CloseFd(timerFd_);
    CloseFd(wakeFd_);
    CloseFd(epollFd_);
    deferred_.clear();
}

void Reactor::watch(int fd, std::uint32_t events, std::uint64_t tag) {
    epoll_event ev{};
    ev.events = events;
    ev.data.u64 = tag;
    epoll_ctl(epollFd_, EPOLL_CTL_ADD, fd, &ev);
}

void Reactor::modify(int fd, std::uint32_t events, std::uint64_t tag) {
    epoll_event ev{};
    ev.events = events;
    ev.data.u64 = tag;
    epoll_ctl(epollFd_, EPOLL_CTL_MOD, fd, &ev);
}

void Reactor::unwatch(int fd) {
    if (epollFd_ >= 0) {
        epoll_ctl(epollFd_, EPOLL_CTL_DEL, fd, nullptr);
    }
}

void Reactor::deferClose(std::uint64_t tag) {
    deferred_.push_back(tag);
    const std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
}

std::vector<std::uint64_t> Reactor::takeDeferred() {
    std::uint64_t count = 0;
    [[maybe_unused]] ssize_t n = ::read(wakeFd_, &count, sizeof count);
    std::vector<std::uint64_t> tags;
    tags.swap(deferred_);
    return tags;
}

bool Reactor::consumeTimer() {
    std::uint64_t expirations = 0;
    return ::read(timerFd_, &expirations, sizeof expirations) == sizeof expirations &&
           expirations > 0;
}

} // namespace quor
