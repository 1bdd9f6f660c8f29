// SPDX-License-Identifier: MIT
#include "account_store.h"
#include "logon_addresses.h"
#include "passwords.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

namespace quord {
namespace {

class AccountStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quord-store-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static Account Make(const std::string &name, const std::string &email,
                        const std::string &from = "", std::int64_t created = 1000) {
        Account account;
        account.name = name;
        account.passwordHash = "hash-of-" + name;
        account.email = email;
        account.created = created;
        account.createdFrom = from;
        return account;
    }

    std::string path() const { return folder + "/quord.db"; }
    std::string folder;
};

TEST_F(AccountStoreTest, FindsAccountsIgnoringCaseAndKeepsEveryField) {
    AccountStore store(path());
    Account anna = Make("Anna", "anna@example.org", "10.0.0.1");
    anna.userType = kUserTypeAdministrator;
    anna.disabled = true;
    anna.lastLogin = 2000;
    anna.passwordMailed = 3000;
    store.Add(anna);
    const auto found = store.Find("aNNA");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->name, "Anna");
    EXPECT_EQ(found->passwordHash, "hash-of-Anna");
    EXPECT_EQ(found->email, "anna@example.org");
    EXPECT_EQ(found->userType, kUserTypeAdministrator);
    EXPECT_EQ(found->created, 1000);
    EXPECT_EQ(found->lastLogin, 2000);
    EXPECT_EQ(found->passwordMailed, 3000);
    EXPECT_TRUE(found->disabled);
    EXPECT_EQ(found->createdFrom, "10.0.0.1");
    EXPECT_FALSE(store.Find("bob"));
    EXPECT_THROW(store.Add(Make("ANNA", "x@example.org")), std::runtime_error);
}

TEST_F(AccountStoreTest, UpdatesSurviveReopening) {
    {
        AccountStore store(path());
        store.Add(Make("anna", "anna@example.org"));
        Account anna = *store.Find("anna");
        anna.email = "new@example.org";
        anna.passwordHash = "other";
        anna.lastLogin = 42;
        store.Update(anna);
    }
    AccountStore reopened(path());
    const auto anna = reopened.Find("anna");
    ASSERT_TRUE(anna);
    EXPECT_EQ(anna->email, "new@example.org");
    EXPECT_EQ(anna->passwordHash, "other");
    EXPECT_EQ(anna->lastLogin, 42);
}

TEST_F(AccountStoreTest, CountsByAddressAndOrigin) {
    AccountStore store(path());
    store.Add(Make("a", "Shared@example.org", "10.0.0.1", 100));
    store.Add(Make("b", "shared@EXAMPLE.org", "10.0.0.1", 200));
    store.Add(Make("c", "other@example.org", "10.0.0.2", 300));
    EXPECT_EQ(store.CountWithEmail("SHARED@example.org"), 2);
    EXPECT_EQ(store.CountWithEmail("none@example.org"), 0);
    EXPECT_EQ(store.CountCreatedFromSince("10.0.0.1", 100), 2);
    EXPECT_EQ(store.CountCreatedFromSince("10.0.0.1", 150), 1);
    EXPECT_EQ(store.CountCreatedFromSince("10.0.0.3", 0), 0);
}

TEST_F(AccountStoreTest, OfflineTextsComeOutOldestFirstOnce) {
    AccountStore store(path());
    store.StoreOfflineText("bob", {"anna", 10, "first"});
    store.StoreOfflineText("BOB", {"carl", 5, "second"});
    store.StoreOfflineText("dora", {"anna", 11, "other"});
    EXPECT_EQ(store.CountOfflineTexts("Bob"), 2);
    const auto texts = store.TakeOfflineTexts("bob");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].sender, "anna");
    EXPECT_EQ(texts[0].sent, 10);
    EXPECT_EQ(texts[0].text, "first");
    EXPECT_EQ(texts[1].text, "second");
    EXPECT_TRUE(store.TakeOfflineTexts("bob").empty());
    EXPECT_EQ(store.CountOfflineTexts("dora"), 1);
}

TEST_F(AccountStoreTest, OpensTheDatabaseOfAnOlderServerAndKeepsItsAccounts) {
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(path().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, R"(
        CREATE TABLE accounts (
            name TEXT PRIMARY KEY COLLATE NOCASE, password_hash TEXT NOT NULL,
            email TEXT NOT NULL COLLATE NOCASE, user_type INTEGER NOT NULL DEFAULT 0,
            created INTEGER NOT NULL, last_login INTEGER NOT NULL DEFAULT 0,
            password_mailed INTEGER NOT NULL DEFAULT 0, disabled INTEGER NOT NULL DEFAULT 0,
            created_from TEXT NOT NULL DEFAULT '');
        INSERT INTO accounts (name, password_hash, email, created) VALUES
            ('anna', 'old-hash', 'anna@example.org', 1000);)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    AccountStore store(path());
    Account anna = *store.Find("anna");
    EXPECT_EQ(anna.passwordHash, "old-hash");
    EXPECT_EQ(anna.mailedPasswordHash, "");
    anna.mailedPasswordHash = "mailed-hash";
    store.Update(anna);
    EXPECT_EQ(AccountStore(path()).Find("anna")->mailedPasswordHash, "mailed-hash");
}

TEST_F(AccountStoreTest, LogonAddressesAreKeptForAWhileAndWithinBounds) {
    AccountStore store(path());
    LogonAddresses known(store, {.keepSeconds = 100, .perAccount = 2, .total = 3});
    known.Remember("anna", "10.0.0.1", 1000);
    EXPECT_TRUE(known.Knows("Anna", "10.0.0.1", 1100));
    EXPECT_FALSE(known.Knows("anna", "10.0.0.1", 1101)); // too long ago
    EXPECT_FALSE(known.Knows("bob", "10.0.0.1", 1000));
    known.Remember("anna", "10.0.0.2", 1001);
    known.Remember("anna", "10.0.0.3", 1002); // the account's oldest makes room
    EXPECT_FALSE(known.Knows("anna", "10.0.0.1", 1002));
    known.Remember("bob", "10.0.0.9", 1003);
    known.Remember("carl", "10.0.0.9", 1004); // the oldest of all makes room
    EXPECT_EQ(known.size(), 3u);
    EXPECT_FALSE(known.Knows("anna", "10.0.0.2", 1004));
    known.Remember("anna", "10.0.0.3", 1200); // renewed; the others run out
    EXPECT_EQ(known.size(), 1u);
}

TEST_F(AccountStoreTest, UnopenableFileThrows) {
    EXPECT_THROW(AccountStore(folder + "/missing/folder/quord.db"), std::runtime_error);
}

TEST(PasswordsTest, HashesVerifyAndGeneratedPasswordsDiffer) {
    const std::string hash = HashPassword("secret");
    EXPECT_EQ(hash.find("secret"), std::string::npos);
    EXPECT_TRUE(VerifyPassword(hash, "secret"));
    EXPECT_FALSE(VerifyPassword(hash, "Secret"));
    EXPECT_FALSE(VerifyPassword("not a hash", "secret"));
    const std::string a = GeneratePassword();
    EXPECT_EQ(a.size(), 10u);
    EXPECT_NE(a, GeneratePassword());
}

} // namespace
} // namespace quord
