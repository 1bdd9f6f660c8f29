// SPDX-License-Identifier: MIT
// A thin owner of one prepared SQLite statement: binds by position, steps
// and reads columns. Errors throw std::runtime_error with SQLite's text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace quord {

class SqliteStatement {
public:
    SqliteStatement(sqlite3 *db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    // Binds values to ?1, ?2, ... in order; returns *this for chaining.
    SqliteStatement &Bind(std::int64_t value);
    SqliteStatement &Bind(std::string_view value);

    // Steps once: true when a row is ready, false when done.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();
    // Makes the statement ready to run again with new bindings from ?1 on.
    void Reset();

    std::int64_t Int(int column) const;
    std::string Text(int column) const;

private:
    sqlite3 *db_;
    sqlite3_stmt *statement_ = nullptr;
    int nextParameter_ = 1;
};

// Runs one or more statements without parameters.
void SqliteExecute(sqlite3 *db, const char *sql);

} // namespace quord
