// SPDX-License-Identifier: MIT
// The addresses each account has logged on from with its password, kept
// for a while in the accounts' database: a login from one of them is not
// held back by the account's own penalty (login_throttle.h), so strangers
// guessing at a name cannot lock its owner out. Bounded per account and in
// all, the least recently used making room.
#pragma once

#include "account_store.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quord {

struct LogonAddressLimits {
    std::int64_t keepSeconds = 30 * 24 * 3600;
    std::size_t perAccount = 8;
    std::size_t total = 100000;
};

class LogonAddresses {
public:
    // Creates the table in the store's database when it lacks it.
    explicit LogonAddresses(AccountStore &store, LogonAddressLimits limits = {});

    // The account logged on from the address (an address key) at now.
    void Remember(std::string_view accountName, std::string_view address, std::int64_t now);
    // Whether it did within the time kept.
    bool Knows(std::string_view accountName, std::string_view address, std::int64_t now);

    std::size_t size();

private:
    AccountStore &store_;
    LogonAddressLimits limits_;
};

} // namespace quord
