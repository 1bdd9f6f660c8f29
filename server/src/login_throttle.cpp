// SPDX-License-Identifier: MIT
#include "login_throttle.h"

#include <algorithm>
#include <utility>

namespace quord {

namespace {

using Outcome = PenaltyTable::Outcome;

void EndRunning(std::unordered_map<std::string, int> &running, const std::string &key) {
    const auto it = running.find(key);
    if (it != running.end() && --it->second <= 0) {
        running.erase(it);
    }
}

std::string ChannelGuessKey(std::string_view accountKey, std::string_view channelKey) {
    // Neither kind of name holds a space.
    return std::string(accountKey) + ' ' + std::string(channelKey);
}

} // namespace

LoginThrottle::LoginThrottle(PenaltyRules rules, MillisecondClock clock)
    : clock_(std::move(clock)), addresses_(rules), accounts_(rules), channels_(rules) {}

LoginHold LoginThrottle::HoldFor(std::string_view address, std::string_view accountKey,
                                 AccountLimits limits) {
    const std::int64_t now = clock_();
    LoginHold hold;
    hold.penaltyLeftMs = addresses_.PenaltyLeft(address, now);
    hold.checkRunning = addressesChecking_.contains(std::string(address));
    if (limits == AccountLimits::Apply) {
        hold.penaltyLeftMs = std::max(hold.penaltyLeftMs, accounts_.PenaltyLeft(accountKey, now));
        hold.checkRunning =
            hold.checkRunning || accountsChecking_.contains(std::string(accountKey));
    }
    return hold;
}

std::int64_t LoginThrottle::StartLoginCheck(const LoginCheck &check) {
    const std::int64_t now = clock_();
    ++addressesChecking_[check.address];
    ++accountsChecking_[check.accountKey];
    return std::max(addresses_.RecordFailure(check.address, now, Outcome::Provisional),
                    accounts_.RecordFailure(check.accountKey, now));
}

std::int64_t LoginThrottle::FinishLoginCheck(const LoginCheck &check, bool succeeded) {
    EndRunning(addressesChecking_, check.address);
    EndRunning(accountsChecking_, check.accountKey);
    if (succeeded) {
        addresses_.Withdraw(check.address);
        accounts_.Clear(check.accountKey);
    }
    const std::int64_t now = clock_();
    return std::max(addresses_.PenaltyLeft(check.address, now),
                    accounts_.PenaltyLeft(check.accountKey, now));
}

std::int64_t LoginThrottle::AddressPenaltyLeft(std::string_view address) {
    return addresses_.PenaltyLeft(address, clock_());
}

std::int64_t LoginThrottle::AddressAttempt(std::string_view address) {
    return addresses_.RecordFailure(address, clock_());
}

std::int64_t LoginThrottle::ChannelPenaltyLeft(std::string_view accountKey,
                                               std::string_view channelKey) {
    return channels_.PenaltyLeft(ChannelGuessKey(accountKey, channelKey), clock_());
}

std::int64_t LoginThrottle::ChannelPasswordFailed(std::string_view accountKey,
                                                  std::string_view channelKey) {
    return channels_.RecordFailure(ChannelGuessKey(accountKey, channelKey), clock_());
}

void LoginThrottle::ChannelPasswordAccepted(std::string_view accountKey,
                                            std::string_view channelKey) {
    channels_.Clear(ChannelGuessKey(accountKey, channelKey));
}

} // namespace quord
