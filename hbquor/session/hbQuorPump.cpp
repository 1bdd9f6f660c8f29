#include "hbQuorPump.h"

#include "hbQuorApi.h"
#include "hbQuorCentral.h"
#include "hbQuorClb.h"

#include <algorithm>
#include <chrono>

namespace hbquor {

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

// Waits at most this long per round, so a condition that turns true
// without library work is still seen promptly.
constexpr int kRoundMs = 10;

} // namespace

void PumpPending(int timeoutMs) {
    quor_pump(timeoutMs);
    // The library's one-second timer wakes the pump, so overdue account
    // requests end within a second of their time-out.
    if (ThbQuorCentral *central = RegisteredCentral())
        central->ExpireAccountRequests();
    RethrowCallbackFault();
}

bool PumpUntil(const std::function<bool()> &cond, int timeoutMs) {
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!cond()) {
        int left = MillisecondsLeft(deadline);
        if (left == 0)
            return cond();
        PumpPending(std::min(left, kRoundMs));
    }
    return true;
}

void PumpFor(int ms) {
    auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    for (int left = MillisecondsLeft(deadline); left > 0; left = MillisecondsLeft(deadline))
        PumpPending(std::min(left, kRoundMs));
}

} // namespace hbquor
