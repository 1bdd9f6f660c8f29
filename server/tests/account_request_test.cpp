// SPDX-License-Identifier: MIT
// Account creation and password requests, each on a connection of its own
// that the server closes after its single answer.
#include "account_store.h"
#include "server_test.h"

namespace quord::testing {
namespace {

// These tests make more requests from one address than the login throttle
// lets through at once; its own tests are in throttle_test.cpp.
class AccountRequestTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override { return {"--login-failures", "100"}; }
};

int Create(const std::string &user, const std::string &email) {
    TestClient client;
    return client.CreateAccount(user, email);
}

int AskPassword(const std::string &user, const std::string &email) {
    TestClient client;
    return client.RequestPassword(user, email);
}

TEST_F(AccountRequestTest, CreatedAccountLogsOnWithTheMailedPassword) {
    EXPECT_EQ(Create("carol", "carol@example.org"), 0);
    const std::string password = server.MailedPassword("carol@example.org");
    ASSERT_EQ(password.size(), 10u);
    TestClient carol;
    EXPECT_EQ(carol.Login("Carol", password), 0);
    EXPECT_NE(server.Log().find("carol created"), std::string::npos);
}

TEST_F(AccountRequestTest, RefusesBadNames) {
    EXPECT_EQ(Create("", "x@example.org"), 32);                   // 124
    EXPECT_EQ(Create(std::string(32, 'a'), "x@example.org"), 32); // 124
    EXPECT_EQ(Create("with space", "x@example.org"), 21);         // 106
    EXPECT_EQ(Create("$server", "x@example.org"), 33);            // 125
    EXPECT_EQ(Create("Admin", "x@example.org"), 33);              // 125
    EXPECT_EQ(Create("ANNA", "x@example.org"), 35);               // 129
    EXPECT_TRUE(server.Mails().empty());
}

TEST_F(AccountRequestTest, RefusesBadAndOverusedAddresses) {
    EXPECT_EQ(Create("carol", "not-an-address"), 23); // 127
    server.AddAccount("a1", "pw-a1", "shared@example.org");
    server.AddAccount("a2", "pw-a2", "shared@example.org");
    EXPECT_EQ(Create("a3", "Shared@Example.org"), 0);
    EXPECT_EQ(Create("a4", "shared@example.org"), 22); // 128
}

TEST_F(AccountRequestTest, LimitsAccountsFromOneAddressPerHour) {
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Create("user" + std::to_string(i), "u" + std::to_string(i) + "@example.org"), 0);
    }
    EXPECT_EQ(Create("user5", "u5@example.org"), 36); // 136
}

TEST_F(AccountRequestTest, ConnectionIsClosedAfterTheAnswer) {
    RawClient client(server.port());
    client.Send(ClientRecord(5, "dave", "", "ssdd", {"dave", "dave@example.org", 14, 1}));
    const auto answer = client.Read();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->id(), 211);
    EXPECT_TRUE(client.WaitClosed());
}

// A stranger who knows a name and its address cannot lock the owner out:
// the old password works beside the mailed one until that is used.
TEST_F(AccountRequestTest, PasswordRequestMailsANewPasswordAndKeepsTheOldOneUntilItIsUsed) {
    EXPECT_EQ(AskPassword("ANNA", "Anna@example.org"), 0);
    const std::string password = server.MailedPassword("anna@example.org");
    ASSERT_EQ(password.size(), 10u);
    EXPECT_NE(server.Mails().back().find("old password keeps working until you log on with "
                                         "this new one, for 24 hours at most"),
              std::string::npos);
    std::size_t logons = 0;
    const auto logOn = [&](const std::string &with) {
        const int result = TestClient().Login("anna", with);
        if (result == 0) { // and off at once: wait until the server knows
            ++logons;
            EXPECT_TRUE(PumpUntil(
                [&] { return Occurrences(server.Log(), "(anna) logged off") == logons; }, 3000));
        }
        return result;
    };
    EXPECT_EQ(logOn("anna-pw"), 0);
    EXPECT_EQ(logOn(password), 0);
    EXPECT_EQ(logOn("anna-pw"), 3);
    EXPECT_EQ(logOn(password), 0);
}

TEST_F(AccountRequestTest, AfterADayOnlyTheMailedPasswordWorks) {
    ASSERT_EQ(AskPassword("anna", "anna@example.org"), 0);
    const std::string password = server.MailedPassword("anna@example.org");
    {
        AccountStore store(server.dataDir() + "/quord.db");
        Account anna = *store.Find("anna");
        anna.passwordMailed -= 24 * 3600;
        store.Update(anna);
    }
    TestClient old;
    EXPECT_EQ(old.Login("anna", "anna-pw"), 3);
    TestClient renewed;
    EXPECT_EQ(renewed.Login("anna", password), 0);
}

TEST_F(AccountRequestTest, PasswordRequestRefusals) {
    EXPECT_EQ(AskPassword("nobody", "anna@example.org"), 20); // 103
    EXPECT_EQ(AskPassword("anna", "bob@example.org"), 37);    // 130
    EXPECT_EQ(AskPassword("boss", "boss@example.org"), 28);   // 131
    EXPECT_EQ(AskPassword("bob", "bob@example.org"), 0);
    EXPECT_EQ(AskPassword("bob", "bob@example.org"), 38); // 132
    EXPECT_EQ(server.Mails().size(), 1u);
}

class ClosedRegistrationTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override { return {"--no-registration"}; }
};

TEST_F(ClosedRegistrationTest, RefusesNewAccounts) {
    EXPECT_EQ(Create("carol", "carol@example.org"), 34); // 126
    EXPECT_EQ(Create("$x", "carol@example.org"), 33);    // name checks come first
}

class AdminOptionTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override {
        return {"--admin", "chief:chief@example.org"};
    }
};

TEST_F(AdminOptionTest, CreatesAnAdministratorWithAMailedPassword) {
    const std::string password = server.MailedPassword("chief@example.org");
    ASSERT_EQ(password.size(), 10u);
    RawClient chief(server.port());
    EXPECT_EQ(chief.Login("chief", password), 201);
}

} // namespace
} // namespace quord::testing
