// SPDX-License-Identifier: MIT
#include "token_bucket.h"

#include <algorithm>
#include <cmath>

namespace quord {

namespace {

// A whole token, less what rounding may take from tokens earned back over a
// wait computed to end with one.
constexpr double kWhole = 1 - 1e-9;

} // namespace

void TokenBucket::Refill(std::int64_t nowMs) {
    if (nowMs > lastMs_) {
        tokens_ = std::min(limit_.burst, tokens_ + static_cast<double>(nowMs - lastMs_) *
                                                       limit_.perSecond / 1000);
        lastMs_ = nowMs;
    }
}

bool TokenBucket::Ready(std::int64_t nowMs) {
    Refill(nowMs);
    return tokens_ >= kWhole;
}

void TokenBucket::Take(double cost, std::int64_t nowMs) {
    Refill(nowMs);
    tokens_ -= cost;
}

std::int64_t TokenBucket::MillisecondsUntilReady(std::int64_t nowMs) {
    if (Ready(nowMs)) {
        return 0;
    }
    // Rounded up, so that the bucket is ready when the wait is over.
    return static_cast<std::int64_t>(std::ceil((1 - tokens_) * 1000 / limit_.perSecond));
}

std::int64_t TokenBucket::WholeTokens(std::int64_t nowMs) {
    Refill(nowMs);
    return tokens_ < kWhole ? 0 : static_cast<std::int64_t>(tokens_ + (1 - kWhole));
}

} // namespace quord
