// SPDX-License-Identifier: MIT
#include "sqlite_statement.h"

#include <sqlite3.h>

#include <stdexcept>

namespace quord {

namespace {

[[noreturn]] void Throw(sqlite3 *db, std::string_view what) {
    throw std::runtime_error("database: " + std::string(what) + ": " + sqlite3_errmsg(db));
}

} // namespace

SqliteStatement::SqliteStatement(sqlite3 *db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) !=
        SQLITE_OK) {
        Throw(db, sql);
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

SqliteStatement &SqliteStatement::Bind(std::int64_t value) {
    if (sqlite3_bind_int64(statement_, nextParameter_++, value) != SQLITE_OK) {
        Throw(db_, "bind");
    }
    return *this;
}

SqliteStatement &SqliteStatement::Bind(std::string_view value) {
    if (sqlite3_bind_text(statement_, nextParameter_++, value.data(),
                          static_cast<int>(value.size()), SQLITE_TRANSIENT) != SQLITE_OK) {
        Throw(db_, "bind");
    }
    return *this;
}

bool SqliteStatement::Step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    Throw(db_, "step");
}

void SqliteStatement::Run() {
    while (Step()) {
    }
}

void SqliteStatement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    nextParameter_ = 1;
}

std::int64_t SqliteStatement::Int(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::Text(int column) const {
    const auto *text = sqlite3_column_text(statement_, column);
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char *>(text));
}

void SqliteExecute(sqlite3 *db, const char *sql) {
    char *message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message != nullptr ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error("database: " + text);
    }
}

} // namespace quord
