// SPDX-License-Identifier: MIT
#include "penalty_table.h"

#include <algorithm>
#include <utility>

namespace quord {

PenaltyTable::PenaltyTable(PenaltyRules rules) : rules_(rules) {
    rules_.failures = std::max(rules_.failures, 1);
    rules_.capacity = std::max<std::size_t>(rules_.capacity, 1);
}

PenaltyTable::Entry *PenaltyTable::Touch(std::string_view key) {
    const auto it = index_.find(key);
    if (it == index_.end()) {
        return nullptr;
    }
    order_.splice(order_.begin(), order_, it->second);
    return &*it->second;
}

PenaltyTable::Entry &PenaltyTable::Insert(std::string_view key) {
    if (index_.size() >= rules_.capacity) {
        index_.erase(order_.back().key);
        order_.pop_back();
    }
    order_.push_front(Entry{std::string(key), {}, std::nullopt});
    index_.emplace(order_.front().key, order_.begin());
    return order_.front();
}

std::int64_t PenaltyTable::PenaltyLeft(std::string_view key, std::int64_t nowMs) {
    const Entry *entry = Touch(key);
    return entry == nullptr ? 0 : std::max<std::int64_t>(entry->count.penaltyEndMs - nowMs, 0);
}

std::int64_t PenaltyTable::RecordFailure(std::string_view key, std::int64_t nowMs,
                                         Outcome outcome) {
    Entry *found = Touch(key);
    Entry &record = found != nullptr ? *found : Insert(key);
    record.beforeProvisional.reset();
    if (outcome == Outcome::Provisional) {
        record.beforeProvisional = record.count;
    }
    Count &entry = record.count;
    if (!entry.failures.empty() && nowMs - entry.failures.back() >= rules_.windowMs) {
        entry.failures.clear(); // a quiet window: start afresh
        entry.strikes = 0;
    }
    // Only the latest `failures` times matter: the window is full when the
    // oldest of them is still inside it.
    if (entry.failures.size() == static_cast<std::size_t>(rules_.failures)) {
        entry.failures.erase(entry.failures.begin());
    }
    entry.failures.push_back(nowMs);
    const bool windowFull = entry.failures.size() == static_cast<std::size_t>(rules_.failures) &&
                            nowMs - entry.failures.front() < rules_.windowMs;
    if (!windowFull && entry.strikes == 0) {
        return 0;
    }
    ++entry.strikes;
    const std::int64_t penalty = PenaltyFor(entry.strikes);
    entry.penaltyEndMs = nowMs + penalty;
    return penalty;
}

std::int64_t PenaltyTable::PenaltyFor(int strikes) const {
    std::int64_t penalty = rules_.firstPenaltyMs;
    for (int i = 1; i < strikes && penalty < rules_.maxPenaltyMs; ++i) {
        penalty *= 2;
    }
    return std::min(penalty, rules_.maxPenaltyMs);
}

void PenaltyTable::Withdraw(std::string_view key) {
    const auto it = index_.find(key);
    if (it != index_.end() && it->second->beforeProvisional) {
        it->second->count = *std::exchange(it->second->beforeProvisional, std::nullopt);
    }
}

void PenaltyTable::Clear(std::string_view key) {
    const auto it = index_.find(key);
    if (it != index_.end()) {
        const Order::iterator entry = it->second;
        index_.erase(it);
        order_.erase(entry);
    }
}

} // namespace quord
