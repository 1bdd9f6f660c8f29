#include "login_throttle.h"

#include <algorithm>

namespace quord {

LoginThrottle::LoginThrottle(PenaltyRules rules, MillisecondClock clock)
    : clock_(std::move(clock)), addresses_(rules), accounts_(rules) {}

std::int64_t LoginThrottle::LoginPenaltyLeft(std::string_view address,
                                             std::string_view accountKey) {
    const std::int64_t now = clock_();
    return std::max(addresses_.PenaltyLeft(address, now), accounts_.PenaltyLeft(accountKey, now));
}

std::int64_t LoginThrottle::AddressPenaltyLeft(std::string_view address) {
    return addresses_.PenaltyLeft(address, clock_());
}

std::int64_t LoginThrottle::LoginFailed(std::string_view address, std::string_view accountKey) {
    const std::int64_t now = clock_();
    return std::max(addresses_.RecordFailure(address, now),
                    accounts_.RecordFailure(accountKey, now));
}

void LoginThrottle::LoginSucceeded(std::string_view accountKey) {
    accounts_.Clear(accountKey);
}

std::int64_t LoginThrottle::AddressAttempt(std::string_view address) {
    return addresses_.RecordFailure(address, clock_());
}

} // namespace quord
