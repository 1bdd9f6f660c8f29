// SPDX-License-Identifier: MIT
// UnreadCounts: how many lines each conversation and channel received while
// its window was not the active one, until that window is activated. Names
// are compared as the service compares them (ignoring the case of A to Z),
// so "Bob" and "bob " count together. The total of unread private texts is
// kept too, for whatever shows the program's unread state as a whole (the
// tray icon).
//
// Whether a window is active is asked through a hook the windows set; until
// they do, every line counts.
#pragma once

#include "UnreadSource.h"

#include <QHash>
#include <QString>

#include <functional>

namespace hbquor::client {

class UnreadCounts : public UnreadSource {
    Q_OBJECT

public:
    enum class Kind { Private, Channel };
    /// Whether the window of a conversation or channel is the active one.
    using ActiveCheck = std::function<bool(const QString &name)>;

    void SetActiveCheck(ActiveCheck check) { FIsActive = std::move(check); }

    /// A line arrived for the conversation with name, or the channel name:
    /// counted unless its window is active.
    void Received(const QString &name, Kind kind);
    /// The window of name was activated: its lines are read.
    void Read(const QString &name);

    int Count(const QString &name) const;
    int UnreadPrivateTexts() const override { return FPrivateTotal; }

signals:
    /// The count of name changed (to 0 when read).
    void CountChanged(const QString &name, int count);

private:
    struct Entry {
        QString Name;
        Kind Of = Kind::Private;
        int Count = 0;
    };

    ActiveCheck FIsActive;
    /// By the name's comparison key.
    QHash<QString, Entry> FEntries;
    int FPrivateTotal = 0;
};

} // namespace hbquor::client
