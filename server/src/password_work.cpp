#include "password_work.h"

#include <sodium.h>

namespace quord {

PasswordOutcome RunPasswordTask(PasswordTask &task) {
    PasswordOutcome outcome;
    if (task.storedHash.empty()) {
        outcome.newHash = HashPassword(task.password, task.cost);
    } else if (VerifyPassword(task.storedHash, task.password)) {
        outcome.verified = true;
        if (NeedsRehash(task.storedHash, task.cost)) {
            outcome.newHash = HashPassword(task.password, task.cost);
        }
    }
    sodium_memzero(task.password.data(), task.password.size());
    return outcome;
}

} // namespace quord
