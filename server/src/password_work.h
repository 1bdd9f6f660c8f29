// SPDX-License-Identifier: MIT
// The password work the chat service hands off its event loop (checking a
// login, hashing a new password) and the interface it hands it through: the
// hashing threads of hash_pool.h in the server, an inline runner where a
// test or the fuzzer wants everything on one thread.
#pragma once

#include "passwords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quord {

struct PasswordTask {
    std::string password;
    std::string storedHash; // when not empty, the password is checked against it first
    HashCost cost;          // of a new hash
    std::string mailedHash; // when not empty, checked when the stored hash does not match
};

struct PasswordOutcome {
    bool verified = false;      // a stored hash matched (never without one)
    bool matchedMailed = false; // it was the mailed one
    // A new hash of the password: always when there was no stored hash;
    // after a match only when the hash matched was made at another cost.
    std::string newHash;
};

// Does the work of one task on the calling thread, then wipes the
// password from the task.
PasswordOutcome RunPasswordTask(PasswordTask &task);

using WorkTicket = std::uint64_t;

struct FinishedWork {
    WorkTicket ticket = 0;
    PasswordOutcome outcome;
};

class PasswordWorkers {
public:
    virtual ~PasswordWorkers() = default;
    // Queues the task under the caller's ticket; false when the queue is
    // full, and then nothing was queued.
    virtual bool Submit(WorkTicket ticket, PasswordTask task) = 0;
    // The tasks finished since the last call.
    virtual std::vector<FinishedWork> TakeFinished() = 0;
};

} // namespace quord
