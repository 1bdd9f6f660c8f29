// SPDX-License-Identifier: MIT
// Slows down password guessing. Every login check counts against the
// client's address and against the account name (whether it exists or not)
// from the moment it starts, so that checks running at once cannot slip
// past the count; a success then takes its count back. At most one check
// of an address runs at a time, and one of an account, so the count always
// sees the outcome of the one before. Every account-creation and password
// request counts against the address, so a flood of those is slowed the
// same way. Wrong channel passwords count per account and channel. Once a
// key has too many failures in the window it waits a growing penalty (see
// penalty_table.h) during which its attempts are refused without checking
// the password. The clock is injected so that tests need not wait.
#pragma once

#include "millisecond_clock.h"
#include "penalty_table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quord {

// Whether the account's own penalty and running check hold a login back.
// They do not for an address the account has recently logged on from, so
// that strangers guessing at a name cannot lock its owner out; that
// address's own limits still apply.
enum class AccountLimits { Apply, Waived };

// What keeps a login from being checked now.
struct LoginHold {
    std::int64_t penaltyLeftMs = 0; // refused until then
    bool checkRunning = false;      // another check of the address or account runs
    bool operator==(const LoginHold &) const = default;
};

// A started login check, to be finished with its outcome.
struct LoginCheck {
    std::string address;
    std::string accountKey;
};

class LoginThrottle {
public:
    explicit LoginThrottle(PenaltyRules rules, MillisecondClock clock = SteadyMilliseconds);

    LoginHold HoldFor(std::string_view address, std::string_view accountKey, AccountLimits limits);
    // Counts the attempt against both keys and marks their check running;
    // returns the penalty it earned.
    std::int64_t StartLoginCheck(const LoginCheck &check);
    // Ends the check: a success takes back the address's count of it and
    // clears the account's. Returns the penalty left for the next attempt.
    std::int64_t FinishLoginCheck(const LoginCheck &check, bool succeeded);

    // Milliseconds before the address may make any request counted here.
    std::int64_t AddressPenaltyLeft(std::string_view address);
    // An account-creation or password request from the address, or a
    // malformed login.
    std::int64_t AddressAttempt(std::string_view address);

    // Channel passwords, per account and channel key.
    std::int64_t ChannelPenaltyLeft(std::string_view accountKey, std::string_view channelKey);
    std::int64_t ChannelPasswordFailed(std::string_view accountKey, std::string_view channelKey);
    void ChannelPasswordAccepted(std::string_view accountKey, std::string_view channelKey);

    std::int64_t now() const { return clock_(); }
    std::size_t addressesTracked() const { return addresses_.size(); }
    std::size_t accountsTracked() const { return accounts_.size(); }

private:
    using RunningChecks = std::unordered_map<std::string, int>; // checks by key

    MillisecondClock clock_;
    PenaltyTable addresses_;
    PenaltyTable accounts_;
    PenaltyTable channels_;
    RunningChecks addressesChecking_;
    // Several only from addresses that waive the account's limits.
    RunningChecks accountsChecking_;
};

} // namespace quord
