// Slows down password guessing. Failed logins count against the client's
// address and against the account name (whether it exists or not); every
// account-creation and password request counts against the address, so a
// flood of those is slowed the same way. Once an address or an account has
// too many failures in the window it waits a growing penalty (see
// penalty_table.h) during which its logins are refused without checking the
// password. A successful login clears the account's count, not the
// address's. The clock is injected so that tests need not wait.
#pragma once

#include "millisecond_clock.h"
#include "penalty_table.h"

#include <cstdint>
#include <string_view>

namespace quord {

class LoginThrottle {
public:
    explicit LoginThrottle(PenaltyRules rules, MillisecondClock clock = SteadyMilliseconds);

    // Milliseconds before a login of the account from the address may be
    // checked: the longer of both penalties, 0 when it may be now.
    std::int64_t LoginPenaltyLeft(std::string_view address, std::string_view accountKey);
    // Milliseconds before the address may make any request counted here.
    std::int64_t AddressPenaltyLeft(std::string_view address);

    // A wrong password (or unknown name); returns the penalty it earned.
    std::int64_t LoginFailed(std::string_view address, std::string_view accountKey);
    void LoginSucceeded(std::string_view accountKey);
    // An account-creation or password request from the address.
    std::int64_t AddressAttempt(std::string_view address);

    std::int64_t now() const { return clock_(); }
    std::size_t addressesTracked() const { return addresses_.size(); }
    std::size_t accountsTracked() const { return accounts_.size(); }

private:
    MillisecondClock clock_;
    PenaltyTable addresses_;
    PenaltyTable accounts_;
};

} // namespace quord
