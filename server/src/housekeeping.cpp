// SPDX-License-Identifier: MIT
// What the server does now and then, on its timer: the reports of the lines
// left out of the log, and the removal of old mails.
#include "chat_server.h"

#include "server_log.h"

namespace quord {

namespace {

constexpr std::time_t kMailExpiryPeriod = 3600;

} // namespace

void ChatServer::Housekeep() {
    for (const ConnectionLineBudget::LeftOut &leftOut : lineBudget_.TakeEnded()) {
        if (auto it = sessions_.find(leftOut.connection); it != sessions_.end()) {
            LogLine(LeftOutReport(it->second, leftOut));
        }
    }
    const std::time_t now = std::time(nullptr);
    if (now >= nextMailExpiry_) {
        nextMailExpiry_ = now + kMailExpiryPeriod;
        outbox_.RemoveExpired(now);
    }
}

std::string ChatServer::LeftOutReport(const Session &session,
                                      const ConnectionLineBudget::LeftOut &leftOut) const {
    return LeftOutLine(leftOut.lines, "line", "lines", "about " + Describe(session), leftOut.ms);
}

} // namespace quord
