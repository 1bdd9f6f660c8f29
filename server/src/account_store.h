// SPDX-License-Identifier: MIT
// The accounts and the texts stored for offline users, kept in one SQLite
// database that survives restarts; the schema is created on first open and
// a database of an older server gets what it lacks.
// Names and e-mail addresses are matched without regard to the case of A
// to Z. Every operation throws std::runtime_error on a database failure.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace quord {

inline constexpr int kUserTypeUser = 0;
inline constexpr int kUserTypeAdministrator = 1;

struct Account {
    std::string name; // as registered
    std::string passwordHash;
    std::string email;
    int userType = kUserTypeUser;
    std::int64_t created = 0;        // seconds since 1970
    std::int64_t lastLogin = 0;      // 0 before the first login
    std::int64_t passwordMailed = 0; // last password mail on request
    // The password mailed on request, valid beside passwordHash until it is
    // used or the old one's time runs out (mailed_passwords.h); empty when
    // none waits.
    std::string mailedPasswordHash;
    bool disabled = false;
    std::string createdFrom; // the client address that created it; empty for --admin
};

struct OfflineText {
    std::string sender;
    std::int64_t sent = 0;
    std::string text;
};

class AccountStore {
public:
    // Opens or creates the database file.
    explicit AccountStore(const std::string &path);
    ~AccountStore();
    AccountStore(const AccountStore &) = delete;
    AccountStore &operator=(const AccountStore &) = delete;

    std::optional<Account> Find(std::string_view name);
    // For each name, whether an account has it; one statement for them all.
    std::vector<bool> AreRegistered(const std::vector<std::string> &names);
    // Adds a new account; the name must not be taken.
    void Add(const Account &account);
    // Writes every field but the name and the creation data back.
    void Update(const Account &account);

    int CountWithEmail(std::string_view email);
    int CountCreatedFromSince(std::string_view address, std::int64_t since);

    int CountOfflineTexts(std::string_view recipient);
    int CountOfflineTextsFrom(std::string_view recipient, std::string_view sender);
    void StoreOfflineText(std::string_view recipient, const OfflineText &text);
    // The stored texts, oldest first; they are deleted from the store.
    std::vector<OfflineText> TakeOfflineTexts(std::string_view recipient);

    // For the tables kept beside the accounts (logon_addresses.h).
    sqlite3 *database() const { return db_; }

private:
    sqlite3 *db_ = nullptr;
};

} // namespace quord
