// SPDX-License-Identifier: MIT
// The keys the history files lines under: user and channel names trimmed and
// with A to Z folded, as the service compares them (NameText), so "Bob" and
// "bob " are one conversation; the server as "host:port" trimmed and
// without case.
#pragma once

#include "HistoryTypes.h"

#include <string>

namespace hbquor::history {

struct ConversationKey {
    std::string Server;
    std::string User;
    std::string Peer;
    bool operator==(const ConversationKey &) const = default;
    bool SameAccount(const ConversationKey &other) const {
        return Server == other.Server && User == other.User;
    }
};

std::string NameKey(const QString &name);
std::string ServerKey(const QString &server);
ConversationKey KeyOf(const Account &account, const QString &peer);

} // namespace hbquor::history
