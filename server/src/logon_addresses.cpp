// SPDX-License-Identifier: MIT
#include "logon_addresses.h"

#include "sqlite_statement.h"

namespace quord {

namespace {

constexpr const char *kSchema = R"(
CREATE TABLE IF NOT EXISTS logon_addresses (
    account TEXT NOT NULL COLLATE NOCASE,
    address TEXT NOT NULL,
    last_logon INTEGER NOT NULL,
    PRIMARY KEY (account, address)
);
CREATE INDEX IF NOT EXISTS logon_addresses_by_time ON logon_addresses(last_logon);
)";

} // namespace

LogonAddresses::LogonAddresses(AccountStore &store, LogonAddressLimits limits)
    : store_(store), limits_(limits) {
    SqliteExecute(store_.database(), kSchema);
}

void LogonAddresses::Remember(std::string_view accountName, std::string_view address,
                              std::int64_t now) {
    sqlite3 *db = store_.database();
    SqliteStatement(db, "INSERT INTO logon_addresses (account, address, last_logon) "
                        "VALUES (?1, ?2, ?3) ON CONFLICT (account, address) "
                        "DO UPDATE SET last_logon = excluded.last_logon")
        .Bind(accountName)
        .Bind(address)
        .Bind(now)
        .Run();
    SqliteStatement(db, "DELETE FROM logon_addresses WHERE account = ?1 AND address NOT IN "
                        "(SELECT address FROM logon_addresses WHERE account = ?1 "
                        "ORDER BY last_logon DESC, rowid DESC LIMIT ?2)")
        .Bind(accountName)
        .Bind(static_cast<std::int64_t>(limits_.perAccount))
        .Run();
    SqliteStatement(db, "DELETE FROM logon_addresses WHERE last_logon < ?1")
        .Bind(now - limits_.keepSeconds)
        .Run();
    SqliteStatement(db, "DELETE FROM logon_addresses WHERE rowid IN (SELECT rowid FROM "
                        "logon_addresses ORDER BY last_logon, rowid LIMIT max(0, "
                        "(SELECT COUNT(*) FROM logon_addresses) - ?1))")
        .Bind(static_cast<std::int64_t>(limits_.total))
        .Run();
}

bool LogonAddresses::Knows(std::string_view accountName, std::string_view address,
                           std::int64_t now) {
    SqliteStatement select(store_.database(),
                           "SELECT 1 FROM logon_addresses WHERE account = ?1 AND address = ?2 "
                           "AND last_logon >= ?3");
    return select.Bind(accountName).Bind(address).Bind(now - limits_.keepSeconds).Step();
}

std::size_t LogonAddresses::size() {
    SqliteStatement count(store_.database(), "SELECT COUNT(*) FROM logon_addresses");
    count.Step();
    return static_cast<std::size_t>(count.Int(0));
}

} // namespace quord
