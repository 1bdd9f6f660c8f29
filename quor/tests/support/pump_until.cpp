// SPDX-License-Identifier: MIT
#include "pump_until.h"

#include "quor.h"

#include <algorithm>
#include <chrono>

namespace quor::testing {

namespace {

using Clock = std::chrono::steady_clock;

// Waits at most this long per round, so a condition that turns true
// without library work is still seen promptly.
constexpr int kRoundMs = 5;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

void PumpRound(const PumpStep &step, int left) {
    const int round = std::min(left, kRoundMs);
    if (step) {
        step(round);
    } else {
        quor_pump(round);
    }
}

} // namespace

bool PumpUntil(const std::function<bool()> &cond, int timeoutMs, const PumpStep &step) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!cond()) {
        const int left = MillisecondsLeft(deadline);
        if (left == 0) {
            return cond();
        }
        PumpRound(step, left);
    }
    return true;
}

void PumpFor(int ms, const PumpStep &step) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    for (int left = MillisecondsLeft(deadline); left > 0; left = MillisecondsLeft(deadline)) {
        PumpRound(step, left);
    }
}

} // namespace quor::testing
