// SPDX-License-Identifier: MIT
// ReconnectBackoff: how long the program waits before each attempt to log
// on again after a lost connection: 1 s before the first, twice as long
// before each next one, never more than 60 s. Each wait is shortened by a
// random part of up to a quarter, so that the many programs one server
// restart cuts off do not all come back in the same second.
#pragma once

#include <chrono>
#include <functional>

namespace hbquor::client {

class ReconnectBackoff {
public:
    /// A number drawn evenly from [0, 1).
    using Random = std::function<double()>;

    static constexpr std::chrono::milliseconds First{1000};
    static constexpr std::chrono::milliseconds Longest{60000};

    /// Draws from random; a seeded generator of its own when not given.
    explicit ReconnectBackoff(Random random = {});

    /// The wait before attempt number attempt (1 for the first).
    std::chrono::milliseconds Delay(int attempt) const;

private:
    Random FRandom;
};

} // namespace hbquor::client
