// SPDX-License-Identifier: MIT
// The server's log: one line per event on stderr, each prefixed with the
// UTC time in ISO 8601 form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace quord {

// "2026-01-31T12:00:00Z" for the given calendar time.
std::string IsoUtc(std::time_t t);

// Writes "<UTC time> <text>\n" to the log (stderr) in one write.
void LogLine(std::string_view text);

// The line that stands for what a log budget left out: "3 more lines about
// connection 17 in the last 60 s, not logged one by one" (count, noun in
// the singular and the plural, what they were about, and the milliseconds
// they were counted over, rounded up to whole seconds).
std::string LeftOutLine(std::size_t count, std::string_view noun, std::string_view nouns,
                        std::string_view about, std::int64_t ms);

// Sends the log to another descriptor (the fuzzer silences it).
void SetLogDescriptor(int fd);

} // namespace quord
