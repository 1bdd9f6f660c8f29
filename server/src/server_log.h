// The server's log: one line per event on stderr, each prefixed with the
// UTC time in ISO 8601 form.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace quord {

// "2026-01-31T12:00:00Z" for the given calendar time.
std::string IsoUtc(std::time_t t);

// Writes "<UTC time> <text>\n" to the log (stderr) in one write.
void LogLine(std::string_view text);

// Sends the log to another descriptor (the fuzzer silences it).
void SetLogDescriptor(int fd);

} // namespace quord
