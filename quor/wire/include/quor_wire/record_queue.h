// SPDX-License-Identifier: MIT
// A first-in first-out queue of records that keeps its storage: records
// flow through it one at a time, so taking and adding must not allocate.
#pragma once

#include "quor_wire/record.h"

#include <cstddef>
#include <vector>

namespace quor {

class RecordQueue {
public:
    bool empty() const { return head_ == records_.size(); }
    std::size_t size() const { return records_.size() - head_; }
    QuorMessage &front() { return records_[head_]; }
    const QuorMessage &front() const { return records_[head_]; }
    const QuorMessage &back() const { return records_.back(); }

    void push_back(const QuorMessage &record) {
        if (empty()) {
            records_.clear(); // keeps the capacity
            head_ = 0;
        } else if (head_ > 0 && head_ * 2 >= records_.size()) {
            // Reclaim the taken half before growing.
            records_.erase(records_.begin(), records_.begin() + static_cast<long>(head_));
            head_ = 0;
        }
        records_.push_back(record);
    }

    void pop_front() { ++head_; }

    void clear() {
        records_.clear();
        head_ = 0;
    }

private:
    std::vector<QuorMessage> records_;
    std::size_t head_ = 0;
};

} // namespace quor
