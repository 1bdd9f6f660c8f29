// SPDX-License-Identifier: MIT
#include "left_out_texts.h"

namespace quord {

namespace {

// Connections named in one report at most; the rest are only counted.
constexpr std::size_t kNamedConnections = 5;

} // namespace

void LeftOutTexts::Count(ConnectionId connection, std::int64_t nowMs) {
    if (total_ == 0) {
        periodStartMs_ = nowMs;
    }
    ++total_;
    ++counts_[connection];
}

std::string LeftOutTexts::TakeReport(std::int64_t nowMs, bool final) {
    if (total_ == 0 || (!final && nowMs - periodStartMs_ < periodMs_)) {
        return {};
    }
    std::string line = "left out " + std::to_string(total_) + " channel texts in the last " +
                       std::to_string((nowMs - periodStartMs_ + 999) / 1000) + " s for " +
                       std::to_string(counts_.size()) +
                       (counts_.size() == 1 ? " connection" : " connections") +
                       " reading too slowly:";
    std::size_t named = 0;
    for (const auto &[connection, count] : counts_) {
        if (named++ == kNamedConnections) {
            line += " ...";
            break;
        }
        line += (named > 1 ? ", connection " : " connection ") + std::to_string(connection) + " (" +
                std::to_string(count) + ")";
    }
    total_ = 0;
    counts_.clear();
    return line;
}

} // namespace quord
