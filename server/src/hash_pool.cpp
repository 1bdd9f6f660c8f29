// SPDX-License-Identifier: MIT
#include "hash_pool.h"

#include "server_log.h"

#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace quord {

std::size_t DefaultHashThreads() {
    return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 2);
}

HashPool::HashPool(std::size_t threads, std::size_t queueLimit) : queueLimit_(queueLimit) {
    eventFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (eventFd_ < 0) {
        throw std::runtime_error(std::string("eventfd: ") + std::strerror(errno));
    }
    // The threads start with every signal blocked, so that the stop
    // signals reach the event loop's signalfd and never a hashing thread.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    for (std::size_t i = 0; i < std::max<std::size_t>(threads, 1); ++i) {
        threads_.emplace_back([this] { Work(); });
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

HashPool::~HashPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.clear();
    }
    wake_.notify_all();
    for (std::thread &thread : threads_) {
        thread.join();
    }
    ::close(eventFd_);
}

bool HashPool::Submit(WorkTicket ticket, PasswordTask task) {
    {
        std::lock_guard lock(mutex_);
        if (waiting_.size() >= queueLimit_) {
            return false;
        }
        waiting_.emplace_back(ticket, std::move(task));
    }
    wake_.notify_one();
    return true;
}

std::vector<FinishedWork> HashPool::TakeFinished() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(eventFd_, &count, sizeof count);
    std::lock_guard lock(mutex_);
    return std::exchange(finished_, {});
}

void HashPool::Work() {
    for (;;) {
        std::pair<WorkTicket, PasswordTask> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
            if (stopping_) {
                return;
            }
            job = std::move(waiting_.front());
            waiting_.pop_front();
        }
        FinishedWork done{job.first, {}};
        try {
            done.outcome = RunPasswordTask(job.second);
        } catch (const std::exception &e) {
            // Out of memory for one hash: that check fails, the server goes on.
            LogLine(std::string("password hashing failed: ") + e.what());
        }
        {
            std::lock_guard lock(mutex_);
            finished_.push_back(std::move(done));
        }
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(eventFd_, &one, sizeof one);
    }
}

} // namespace quord
