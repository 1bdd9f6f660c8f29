// SPDX-License-Identifier: MIT
#include "password_work.h"

#include <sodium.h>

namespace quord {

PasswordOutcome RunPasswordTask(PasswordTask &task) {
    PasswordOutcome outcome;
    if (task.storedHash.empty()) {
        outcome.newHash = HashPassword(task.password, task.cost);
    } else {
        outcome.verified = VerifyPassword(task.storedHash, task.password);
        if (!outcome.verified && !task.mailedHash.empty()) {
            outcome.verified = outcome.matchedMailed =
                VerifyPassword(task.mailedHash, task.password);
        }
        const std::string &matched = outcome.matchedMailed ? task.mailedHash : task.storedHash;
        if (outcome.verified && NeedsRehash(matched, task.cost)) {
            outcome.newHash = HashPassword(task.password, task.cost);
        }
    }
    sodium_memzero(task.password.data(), task.password.size());
    return outcome;
}

} // namespace quord
