// SPDX-License-Identifier: MIT
// The values the history keeps and hands back: a line said in a conversation
// or a channel (or an invitation, or the own logon and logoff) with the
// account it belongs to, and search hits with the places the query matched.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <limits>

namespace hbquor::history {

/// An account of the service: the server as "host:port" and the user name.
struct Account {
    QString Server;
    QString User;
};

/// What a line is. The numbers are stored in the file: never renumber them.
enum class LineKind : int {
    Text = 0,        ///< a private text
    OfflineText = 1, ///< a private text kept by the server; AtMs is when it was sent
    ChannelText = 2,
    Broadcast = 3,  ///< filed under its sender as Peer
    Invitation = 4, ///< Sender invites the account's user to the channel Peer; no Text
    Logon = 5,      ///< the account's own logon; empty Peer and Text
    Logoff = 6,
};

enum class LineDirection : int { Received = 0, Sent = 1 };

struct Line {
    /// Given by the store when the line is appended; ids grow with time.
    qint64 Id = 0;
    Account Owner;
    /// The other user or the channel the line belongs to.
    QString Peer;
    LineKind Kind = LineKind::Text;
    LineDirection Direction = LineDirection::Received;
    /// Who said it: the peer, a channel member or the account's own user.
    QString Sender;
    /// When it was said, in milliseconds since 1970 UTC.
    qint64 AtMs = 0;
    QString Text;
};

/// Part of a line's text matched by a search, in QString positions.
struct MatchRange {
    int Start = 0;
    int Length = 0;
    bool operator==(const MatchRange &) const = default;
};

struct Hit {
    Line Found;
    /// In text order, not overlapping.
    QList<MatchRange> Marks;
};

struct SearchFilter {
    /// One conversation or channel; empty for all of the account's.
    QString Peer;
    /// Lines said at or after FromMs and before ToMs.
    qint64 FromMs = std::numeric_limits<qint64>::min();
    qint64 ToMs = std::numeric_limits<qint64>::max();
    /// 0 for the newest hits; the last hit's id for the next, older page.
    qint64 BeforeId = 0;
};

struct SearchResult {
    /// Newest first.
    QList<Hit> Hits;
    /// The file could not be read; Hits is empty.
    bool Failed = false;
};

enum class ExportFormat { PlainText, JsonLines };

/// The program's day-count date-time values in VRT (days since 30 December
/// 1899, UTC minus two hours) to and from the store's UTC milliseconds.
qint64 UtcMsFromVrt(double vrt);
double VrtFromUtcMs(qint64 ms);

} // namespace hbquor::history
