// SPDX-License-Identifier: MIT
// The hashing threads: password checks and new hashes run here so that the
// event loop keeps serving every other client meanwhile. Tasks wait in a
// bounded queue; an eventfd, watched by the loop, becomes readable when
// results are ready to be taken.
#pragma once

#include "password_work.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace quord {

// One thread per core for the hashing, but at most two by default: each
// running hash holds its own 19 MiB.
std::size_t DefaultHashThreads();

class HashPool : public PasswordWorkers {
public:
    // Starts the threads (at least one); at most queueLimit tasks wait for
    // a free thread. Throws std::runtime_error without an eventfd.
    HashPool(std::size_t threads, std::size_t queueLimit);
    // Lets running tasks end, drops the waiting ones and joins the threads.
    ~HashPool() override;
    HashPool(const HashPool &) = delete;
    HashPool &operator=(const HashPool &) = delete;

    // Readable while finished results wait for TakeFinished.
    int eventFd() const { return eventFd_; }

    bool Submit(WorkTicket ticket, PasswordTask task) override;
    std::vector<FinishedWork> TakeFinished() override;

private:
    void Work();

    const std::size_t queueLimit_;
    int eventFd_ = -1;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::pair<WorkTicket, PasswordTask>> waiting_;
    std::vector<FinishedWork> finished_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace quord
