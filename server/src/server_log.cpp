// SPDX-License-Identifier: MIT
#include "server_log.h"

#include <unistd.h>

#include <algorithm>

namespace quord {

std::string IsoUtc(std::time_t t) {
    std::tm utc{};
    gmtime_r(&t, &utc);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return buffer;
}

std::string LeftOutLine(std::size_t count, std::string_view noun, std::string_view nouns,
                        std::string_view about, std::int64_t ms) {
    const std::int64_t seconds = std::max<std::int64_t>((ms + 999) / 1000, 1);
    return std::to_string(count) + " more " + std::string(count == 1 ? noun : nouns) + " " +
           std::string(about) + " in the last " + std::to_string(seconds) +
           " s, not logged one by one";
}

namespace {

int logDescriptor = STDERR_FILENO;

} // namespace

void SetLogDescriptor(int fd) {
    logDescriptor = fd;
}

void LogLine(std::string_view text) {
    std::string line = IsoUtc(std::time(nullptr));
    line += ' ';
    line += text;
    line += '\n';
    // One write per line keeps lines whole when several processes share
    // the log file.
    const char *p = line.data();
    std::size_t left = line.size();
    while (left > 0) {
        const ssize_t n = ::write(logDescriptor, p, left);
        if (n <= 0) {
            return;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

} // namespace quord
