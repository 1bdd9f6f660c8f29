// SPDX-License-Identifier: MIT
// The channel texts left out for members that read too slowly, counted per
// connection and reported in one log line a minute at most, so that a busy
// channel with a stalled member cannot fill the log either.
#pragma once

#include "channel_registry.h" // ConnectionId

#include <cstdint>
#include <map>
#include <string>

namespace quord {

class LeftOutTexts {
public:
    explicit LeftOutTexts(std::int64_t periodMs = 60 * 1000) : periodMs_(periodMs) {}

    // One text left out for the connection; the first of a period starts it.
    void Count(ConnectionId connection, std::int64_t nowMs);
    // The report of the period once it is over, or at once when final;
    // empty while it runs or when nothing was left out.
    std::string TakeReport(std::int64_t nowMs, bool final = false);

private:
    std::int64_t periodMs_;
    std::int64_t periodStartMs_ = 0;
    std::uint64_t total_ = 0;
    std::map<ConnectionId, std::uint64_t> counts_;
};

} // namespace quord
