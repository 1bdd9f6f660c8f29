// SPDX-License-Identifier: MIT
// Reading and changing profiles, and changing the e-mail address.
#include "server_test.h"

namespace quord::testing {
namespace {

using ProfileTest = ServerTest;

TEST_F(ProfileTest, OwnProfileCarriesNoPassword) {
    auto anna = Anna();
    ASSERT_EQ(quor_requserprofile(anna->handle(), "ANNA"), 0);
    ASSERT_TRUE(anna->WaitForMore(anna->profiles, 0));
    const ProfileEvent &profile = anna->profiles[0];
    EXPECT_EQ(profile.result, 0);
    EXPECT_EQ(profile.name, "anna");
    EXPECT_EQ(profile.password, "");
    EXPECT_EQ(profile.email, "anna@example.org");
    EXPECT_EQ(profile.userType, 0);
    EXPECT_GT(profile.created, 0);
    EXPECT_GE(profile.lastLogin, profile.created);
    EXPECT_EQ(profile.selfCreated, 1);
    EXPECT_EQ(profile.disabled, 0);
}

TEST_F(ProfileTest, OnlyAdministratorsReadOtherProfiles) {
    auto anna = Anna();
    quor_requserprofile(anna->handle(), "bob");
    ASSERT_TRUE(anna->WaitForMore(anna->profiles, 0));
    EXPECT_EQ(anna->profiles[0].result, 11); // 105
    auto boss = Boss();
    quor_requserprofile(boss->handle(), "bob");
    quor_requserprofile(boss->handle(), "nobody");
    ASSERT_TRUE(boss->WaitForMore(boss->profiles, 1));
    EXPECT_EQ(boss->profiles[0].result, 0);
    EXPECT_EQ(boss->profiles[0].email, "bob@example.org");
    EXPECT_EQ(boss->profiles[1].result, 20); // 103
}

TEST_F(ProfileTest, UserChangesOwnPasswordAndAddress) {
    {
        auto anna = Anna();
        quor_modifyuserprofile(anna->handle(), "anna", "fresh-pw", "anna@new.example.org", 0, 0);
        ASSERT_TRUE(anna->WaitForMore(anna->modifyResults, 0));
        EXPECT_EQ(anna->modifyResults[0], (NameCode{"anna", 0}));
        // An empty password keeps the current one.
        quor_modifyuserprofile(anna->handle(), "anna", "", "anna@example.org", 0, 0);
        ASSERT_TRUE(anna->WaitForMore(anna->modifyResults, 1));
        EXPECT_EQ(anna->modifyResults[1].code, 0);
    }
    TestClient old;
    EXPECT_EQ(old.Login("anna", "anna-pw"), 3);
    auto renewed = LogOn("anna", "fresh-pw");
    quor_requserprofile(renewed->handle(), "anna");
    ASSERT_TRUE(renewed->WaitForMore(renewed->profiles, 0));
    EXPECT_EQ(renewed->profiles[0].email, "anna@example.org");
}

TEST_F(ProfileTest, ModifyRefusals) {
    auto anna = Anna();
    quor_modifyuserprofile(anna->handle(), "anna", "abc", "anna@example.org", 0, 0);
    quor_modifyuserprofile(anna->handle(), "anna", "", "no address", 0, 0);
    quor_modifyuserprofile(anna->handle(), "anna", "", "anna@example.org", 1, 0);
    quor_modifyuserprofile(anna->handle(), "anna", "", "anna@example.org", 0, 1);
    quor_modifyuserprofile(anna->handle(), "bob", "hijacked", "anna@example.org", 0, 0);
    ASSERT_TRUE(anna->WaitForMore(anna->modifyResults, 4));
    EXPECT_EQ(anna->modifyResults[0].code, 39); // 133
    EXPECT_EQ(anna->modifyResults[1].code, 23); // 127
    EXPECT_EQ(anna->modifyResults[2].code, 11); // 105
    EXPECT_EQ(anna->modifyResults[3].code, 11); // 105
    EXPECT_EQ(anna->modifyResults[4].code, 11); // 105
    TestClient bob;
    EXPECT_EQ(bob.Login("bob", "bob-pw"), 0);
}

TEST_F(ProfileTest, ProfileChangeObeysTheAddressLimitsOfCreation) {
    for (const char *name : {"c1", "c2", "c3"}) {
        server.AddAccount(name, "pw-c", "full@example.org");
    }
    auto anna = Anna();
    quor_modifyuserprofile(anna->handle(), "anna", "", "FULL@example.org", 0, 0);
    ASSERT_TRUE(anna->WaitForMore(anna->modifyResults, 0));
    // 128, which the client's table for this request lacks: "connection could not be established"
    EXPECT_EQ(anna->modifyResults[0].code, 5);
    EXPECT_EQ(Occurrences(server.Log(), "(anna) with 128 (anna)"), 1u);
}

TEST_F(ProfileTest, AdministratorDisablesAndPromotes) {
    auto bob = Bob();
    auto boss = Boss();
    quor_modifyuserprofile(boss->handle(), "anna", "", "anna@example.org", 1, 0);
    quor_modifyuserprofile(boss->handle(), "bob", "", "bob@example.org", 0, 1);
    ASSERT_TRUE(boss->WaitForMore(boss->modifyResults, 1));
    EXPECT_EQ(boss->modifyResults[0].code, 0);
    EXPECT_EQ(boss->modifyResults[1].code, 0);
    EXPECT_TRUE(PumpUntil([&] { return bob->disconnected; }, 3000));
    TestClient again;
    EXPECT_EQ(again.Login("bob", "bob-pw"), 3);
    RawClient anna(server.port());
    EXPECT_EQ(anna.Login("anna", "anna-pw"), 201);
}

TEST_F(ProfileTest, EmailChangeMailsPasswordAndCloses) {
    auto anna = Anna();
    ASSERT_EQ(quor_changeemail(anna->handle(), "anna@other.example.org"), 0);
    ASSERT_TRUE(PumpUntil([&] { return anna->changeEmailResult.has_value(); }, 3000));
    EXPECT_EQ(*anna->changeEmailResult, 0);
    EXPECT_FALSE(anna->disconnected);
    EXPECT_NE(quor_sendtext(anna->handle(), "bob", "still there?"), 0);
    const std::string password = server.MailedPassword("anna@other.example.org");
    ASSERT_EQ(password.size(), 10u);
    // The server has logged the old session off, so a new login works.
    EXPECT_TRUE(PumpUntil(
        [&] { return server.Log().find("(anna) logged off") != std::string::npos; }, 3000));
    TestClient renewed;
    EXPECT_EQ(renewed.Login("anna", password), 0);
}

TEST_F(ProfileTest, EmailChangeRefusals) {
    server.AddAccount("c1", "pw-c1", "full@example.org");
    server.AddAccount("c2", "pw-c2", "full@example.org");
    server.AddAccount("c3", "pw-c3", "full@example.org");
    auto boss = Boss();
    quor_changeemail(boss->handle(), "boss@other.example.org");
    auto anna = Anna();
    quor_changeemail(anna->handle(), "bad address");
    quor_changeemail(anna->handle(), "FULL@example.org");
    ASSERT_TRUE(PumpUntil([&] { return boss->changeEmailResult.has_value(); }, 3000));
    EXPECT_EQ(*boss->changeEmailResult, 28);                                     // 131
    ASSERT_TRUE(PumpUntil([&] { return anna->changeEmailResult == 22; }, 3000)); // 128
    EXPECT_NE(server.Log().find("with 127 (bad address)"), std::string::npos);
    EXPECT_TRUE(server.Mails().empty());
}

} // namespace
} // namespace quord::testing
