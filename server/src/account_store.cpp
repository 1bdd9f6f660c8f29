// SPDX-License-Identifier: MIT
#include "account_store.h"

#include "sqlite_statement.h"

#include <sqlite3.h>

#include <stdexcept>

namespace quord {

namespace {

constexpr const char *kSchema = R"(
CREATE TABLE IF NOT EXISTS accounts (
    name TEXT PRIMARY KEY COLLATE NOCASE,
    password_hash TEXT NOT NULL,
    email TEXT NOT NULL COLLATE NOCASE,
    user_type INTEGER NOT NULL DEFAULT 0,
    created INTEGER NOT NULL,
    last_login INTEGER NOT NULL DEFAULT 0,
    password_mailed INTEGER NOT NULL DEFAULT 0,
    disabled INTEGER NOT NULL DEFAULT 0,
    created_from TEXT NOT NULL DEFAULT '',
    mailed_password_hash TEXT NOT NULL DEFAULT ''
);
CREATE INDEX IF NOT EXISTS accounts_by_email ON accounts(email);
CREATE TABLE IF NOT EXISTS offline_texts (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    recipient TEXT NOT NULL COLLATE NOCASE,
    sender TEXT NOT NULL,
    sent INTEGER NOT NULL,
    text TEXT NOT NULL
);
CREATE INDEX IF NOT EXISTS offline_texts_by_recipient ON offline_texts(recipient, id);
)";

constexpr const char *kAccountColumns =
    "name, password_hash, email, user_type, created, last_login, password_mailed, disabled, "
    "created_from, mailed_password_hash";

bool HasColumn(sqlite3 *db, const char *table, std::string_view column) {
    SqliteStatement columns(db, std::string("PRAGMA table_info(") + table + ")");
    while (columns.Step()) {
        if (columns.Text(1) == column) {
            return true;
        }
    }
    return false;
}

// Databases of older servers have the tables, without the later columns.
void AddMissingColumns(sqlite3 *db) {
    if (!HasColumn(db, "accounts", "mailed_password_hash")) {
        SqliteExecute(
            db, "ALTER TABLE accounts ADD COLUMN mailed_password_hash TEXT NOT NULL DEFAULT ''");
    }
}

} // namespace

AccountStore::AccountStore(const std::string &path) {
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
        const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        throw std::runtime_error("database: cannot open " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, 2000);
    try {
        SqliteExecute(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
        SqliteExecute(db_, kSchema);
        AddMissingColumns(db_);
    } catch (...) {
        sqlite3_close(db_);
        throw;
    }
}

AccountStore::~AccountStore() {
    sqlite3_close(db_);
}

std::optional<Account> AccountStore::Find(std::string_view name) {
    SqliteStatement select(db_, std::string("SELECT ") + kAccountColumns +
                                    " FROM accounts WHERE name = ?1");
    select.Bind(name);
    if (!select.Step()) {
        return std::nullopt;
    }
    Account account;
    account.name = select.Text(0);
    account.passwordHash = select.Text(1);
    account.email = select.Text(2);
    account.userType = static_cast<int>(select.Int(3));
    account.created = select.Int(4);
    account.lastLogin = select.Int(5);
    account.passwordMailed = select.Int(6);
    account.disabled = select.Int(7) != 0;
    account.createdFrom = select.Text(8);
    account.mailedPasswordHash = select.Text(9);
    return account;
}

std::vector<bool> AccountStore::AreRegistered(const std::vector<std::string> &names) {
    std::vector<bool> registered;
    registered.reserve(names.size());
    if (names.empty()) {
        return registered;
    }
    SqliteStatement select(db_, "SELECT 1 FROM accounts WHERE name = ?1");
    for (const std::string &name : names) {
        select.Reset();
        select.Bind(name);
        registered.push_back(select.Step());
    }
    return registered;
}

void AccountStore::Add(const Account &account) {
    SqliteStatement insert(db_, std::string("INSERT INTO accounts (") + kAccountColumns +
                                    ") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
    insert.Bind(account.name)
        .Bind(account.passwordHash)
        .Bind(account.email)
        .Bind(account.userType)
        .Bind(account.created)
        .Bind(account.lastLogin)
        .Bind(account.passwordMailed)
        .Bind(account.disabled ? 1 : 0)
        .Bind(account.createdFrom)
        .Bind(account.mailedPasswordHash)
        .Run();
}

void AccountStore::Update(const Account &account) {
    SqliteStatement update(db_, "UPDATE accounts SET password_hash = ?1, email = ?2, "
                                "user_type = ?3, last_login = ?4, password_mailed = ?5, "
                                "disabled = ?6, mailed_password_hash = ?7 WHERE name = ?8");
    update.Bind(account.passwordHash)
        .Bind(account.email)
        .Bind(account.userType)
        .Bind(account.lastLogin)
        .Bind(account.passwordMailed)
        .Bind(account.disabled ? 1 : 0)
        .Bind(account.mailedPasswordHash)
        .Bind(account.name)
        .Run();
}

int AccountStore::CountWithEmail(std::string_view email) {
    SqliteStatement count(db_, "SELECT COUNT(*) FROM accounts WHERE email = ?1");
    count.Bind(email).Step();
    return static_cast<int>(count.Int(0));
}

int AccountStore::CountCreatedFromSince(std::string_view address, std::int64_t since) {
    SqliteStatement count(
        db_, "SELECT COUNT(*) FROM accounts WHERE created_from = ?1 AND created >= ?2");
    count.Bind(address).Bind(since).Step();
    return static_cast<int>(count.Int(0));
}

int AccountStore::CountOfflineTexts(std::string_view recipient) {
    SqliteStatement count(db_, "SELECT COUNT(*) FROM offline_texts WHERE recipient = ?1");
    count.Bind(recipient).Step();
    return static_cast<int>(count.Int(0));
}

int AccountStore::CountOfflineTextsFrom(std::string_view recipient, std::string_view sender) {
    SqliteStatement count(
        db_, "SELECT COUNT(*) FROM offline_texts WHERE recipient = ?1 AND sender = ?2");
    count.Bind(recipient).Bind(sender).Step();
    return static_cast<int>(count.Int(0));
}

void AccountStore::StoreOfflineText(std::string_view recipient, const OfflineText &text) {
    SqliteStatement insert(
        db_, "INSERT INTO offline_texts (recipient, sender, sent, text) VALUES (?1, ?2, ?3, ?4)");
    insert.Bind(recipient).Bind(text.sender).Bind(text.sent).Bind(text.text).Run();
}

std::vector<OfflineText> AccountStore::TakeOfflineTexts(std::string_view recipient) {
    std::vector<OfflineText> texts;
    SqliteStatement select(
        db_, "SELECT sender, sent, text FROM offline_texts WHERE recipient = ?1 ORDER BY id");
    select.Bind(recipient);
    while (select.Step()) {
        texts.push_back({select.Text(0), select.Int(1), select.Text(2)});
    }
    if (!texts.empty()) {
        SqliteStatement remove(db_, "DELETE FROM offline_texts WHERE recipient = ?1");
        remove.Bind(recipient).Run();
    }
    return texts;
}

} // namespace quord
