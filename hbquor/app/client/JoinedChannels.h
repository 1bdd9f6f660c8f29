// SPDX-License-Identifier: MIT
// JoinedChannels: the channels the user has joined since logging on, each
// with the type and the password given in the join dialog, in the order of
// joining. Kept in memory only, so that a lost connection can rejoin them.
#pragma once

#include <QList>
#include <QString>

namespace hbquor::client {

struct JoinedChannel {
    QString Name;
    int Type = 0;
    QString Password;
    bool operator==(const JoinedChannel &) const = default;
};

class JoinedChannels {
public:
    /// Adds the channel, or replaces the entry of the same name (ignoring
    /// case) in its place.
    void Remember(const JoinedChannel &channel);
    void Forget(const QString &name);
    void Clear() { FChannels.clear(); }
    const QList<JoinedChannel> &List() const { return FChannels; }

private:
    QList<JoinedChannel> FChannels;
};

} // namespace hbquor::client
