// SPDX-License-Identifier: MIT
// The clock of the server's time-based limits, injected so that tests need
// not wait for it.
#pragma once

#include <cstdint>
#include <functional>

namespace quord {

// Milliseconds of a monotonic clock.
using MillisecondClock = std::function<std::int64_t()>;
std::int64_t SteadyMilliseconds();

} // namespace quord
