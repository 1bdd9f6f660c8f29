// SPDX-License-Identifier: MIT
#include "millisecond_clock.h"

#include <chrono>

namespace quord {

std::int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace quord
