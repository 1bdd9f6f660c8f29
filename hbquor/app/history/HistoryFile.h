// SPDX-License-Identifier: MIT
// The history file on disk: created private to the user, opened for the
// writer and for readers, moved aside with the date when it is damaged, and
// the lock that lets one copy of the program at a time write it.
#pragma once

#include "Sqlite.h"

#include <QString>

namespace hbquor::history {

/// A connection that writes, or none and the reason in one line; Fault may
/// also be set beside an open connection (a damaged file was replaced).
struct OpenedFile {
    Connection Db;
    QString Fault;
    /// The id of the newest line the file has ever held.
    qint64 LastId = 0;
};

/// Opens the file for writing, creating it and its tables when missing. A
/// damaged file, or one that cannot be opened, is moved aside and a fresh
/// one is started; a file of a newer program version is left alone.
OpenedFile OpenForWriting(const QString &path);

/// Moves the damaged file aside and starts a fresh one.
OpenedFile ReplaceDamaged(const QString &path);

enum class Access { Query, Delete };

/// A connection to a file another connection prepared: for queries, or for
/// the deletions of a copy of the program that writes no lines. Throws.
Connection OpenExisting(const QString &path, Access access);

/// True for result codes that say the file itself is damaged.
bool IsDamage(int code);

/// An advisory lock on "<path>.lock", taken without waiting and released
/// when the object goes (or the process ends, however it ends).
class WriterLock {
public:
    enum class State { Held, HeldElsewhere, Failed };

    explicit WriterLock(const QString &path);
    ~WriterLock();
    WriterLock(const WriterLock &) = delete;
    WriterLock &operator=(const WriterLock &) = delete;

    State GetState() const { return FState; }
    /// Why the lock could not be taken, when Failed.
    QString Reason() const { return FReason; }

private:
    int FFd = -1;
    State FState = State::Failed;
    QString FReason;
};

} // namespace hbquor::history
