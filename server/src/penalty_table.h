// SPDX-License-Identifier: MIT
// Failed attempts per key (a client address or an account name) in a
// sliding time window, and the penalty they earn: once `failures` attempts
// have failed within the window, every further failure makes the key wait
// a penalty that starts at firstPenalty and doubles up to maxPenalty. A key
// without a failure for a whole window starts afresh. A failure counted
// before its outcome is known (a password check that has just started) can
// be taken back if it turns out a success. The table holds at most
// `capacity` keys; the least recently used one makes room for a new one, so
// a flood of keys cannot exhaust memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quord {

struct PenaltyRules {
    int failures = 5;                       // free failures within the window
    std::int64_t windowMs = 15 * 60 * 1000; // the sliding window
    std::int64_t firstPenaltyMs = 1000;
    std::int64_t maxPenaltyMs = 15 * 60 * 1000;
    std::size_t capacity = 10000; // keys kept at most
};

class PenaltyTable {
public:
    explicit PenaltyTable(PenaltyRules rules);

    // Milliseconds until the key may try again; 0 when it may now.
    std::int64_t PenaltyLeft(std::string_view key, std::int64_t nowMs);
    enum class Outcome { Final, Provisional };
    // Counts a failure at nowMs; returns the penalty it earned (0 for none).
    // A provisional one may be withdrawn until the next failure of the key.
    std::int64_t RecordFailure(std::string_view key, std::int64_t nowMs,
                               Outcome outcome = Outcome::Final);
    // Takes back the key's latest failure, penalty included, when it was
    // provisional; does nothing when another failure was counted since.
    void Withdraw(std::string_view key);
    // Forgets the key's failures and penalty.
    void Clear(std::string_view key);

    std::size_t size() const { return index_.size(); }

private:
    struct Count {
        std::vector<std::int64_t> failures; // the latest ones, oldest first
        int strikes = 0;                    // failures that earned a penalty in a row
        std::int64_t penaltyEndMs = 0;
    };
    struct Entry {
        std::string key;
        Count count;
        std::optional<Count> beforeProvisional; // what a withdrawal restores
    };
    using Order = std::list<Entry>; // most recently used first

    Entry *Touch(std::string_view key);
    Entry &Insert(std::string_view key);
    std::int64_t PenaltyFor(int strikes) const;

    PenaltyRules rules_;
    Order order_;
    std::unordered_map<std::string_view, Order::iterator> index_; // views into order_'s keys
};

} // namespace quord
