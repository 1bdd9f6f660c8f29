// SPDX-License-Identifier: MIT
// How many records one client may have served: a bucket that holds up to a
// burst of tokens and earns them back at a steady rate. A cost may be more
// than the bucket holds; the debt is earned back before the client is
// served again, so that an expensive request (a long contact list) waits
// its share. Times are passed in, so that tests need no clock.
#pragma once

#include <cstdint>

namespace quord {

struct RateLimit {
    double burst = 50;     // tokens at most
    double perSecond = 20; // tokens earned back a second
};

class TokenBucket {
public:
    // Full at nowMs.
    TokenBucket(RateLimit limit, std::int64_t nowMs)
        : limit_(limit), tokens_(limit.burst), lastMs_(nowMs) {}

    // Whether a whole token is there at nowMs.
    bool Ready(std::int64_t nowMs);
    // Takes cost tokens, which may leave a debt.
    void Take(double cost, std::int64_t nowMs);
    // The milliseconds from nowMs until a whole token is there; 0 when ready.
    std::int64_t MillisecondsUntilReady(std::int64_t nowMs);
    // The whole tokens there at nowMs (0 in debt).
    std::int64_t WholeTokens(std::int64_t nowMs);

private:
    void Refill(std::int64_t nowMs);

    RateLimit limit_;
    double tokens_;
    std::int64_t lastMs_;
};

} // namespace quord
