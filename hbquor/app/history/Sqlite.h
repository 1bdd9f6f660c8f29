// SPDX-License-Identifier: MIT
// A thin owner of SQLite connections and prepared statements for the
// history. Failures throw SqliteError carrying SQLite's result code, so the
// writer can tell a full disk from a damaged file from a busy one.
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace hbquor::history {

class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string &what, int systemError = 0);
    /// SQLite's primary result code (SQLITE_FULL, SQLITE_CORRUPT, ...).
    int Code() const { return FCode; }
    /// The disk or the user's file size limit has no room left.
    bool IsFull() const;

private:
    int FCode;
    int FSystemError;
};

class Connection {
public:
    Connection() = default;
    /// Opens the file for reading and writing (it must exist).
    explicit Connection(const QString &path);
    ~Connection();
    Connection(Connection &&other) noexcept;
    Connection &operator=(Connection &&other) noexcept;

    bool IsOpen() const { return FDb != nullptr; }
    sqlite3 *Handle() const { return FDb; }
    /// Runs statements without parameters or results.
    void Execute(const char *sql);
    /// Runs one statement and returns the first column of its first row.
    std::int64_t Number(const char *sql);
    /// Runs one statement and returns the first column of its first row.
    QString Word(const char *sql);

private:
    sqlite3 *FDb = nullptr;
};

class Statement {
public:
    Statement(const Connection &connection, std::string_view sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    /// Binds the next parameter (?1, ?2, ... in call order).
    Statement &Bind(std::int64_t value);
    Statement &Bind(std::string_view value);
    Statement &Bind(const QString &value);
    /// True when a row is ready, false when the statement is done.
    bool Step();
    /// Steps to the end.
    void Run();
    /// Makes the statement ready to be bound and run again.
    Statement &Reset();

    std::int64_t Int(int column) const;
    QString Text(int column) const;
    /// The column's bytes as SQLite holds them; valid until the next step.
    std::string_view Bytes(int column) const;

private:
    sqlite3 *FDb;
    sqlite3_stmt *FStatement = nullptr;
    int FNextParameter = 1;
};

/// How long a connection waits for another connection's lock before its
/// statement fails with SQLITE_BUSY: LimitMs, or EndingLimitMs once *Ending
/// is set (the program is closing and should not wait long).
struct BusyWait {
    int LimitMs = 0;
    int EndingLimitMs = 0;
    const std::atomic<bool> *Ending = nullptr;
};

/// The connection waits as wait says; wait must outlive the connection.
void SetBusyWait(sqlite3 *db, const BusyWait &wait);

/// Throws SqliteError for a result code other than SQLITE_OK.
void Check(sqlite3 *db, int code, std::string_view what);

} // namespace hbquor::history
