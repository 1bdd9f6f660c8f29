// Contact lists: which names are registered, and notices when contacts log
// on or off.
#include "server_test.h"

namespace quord::testing {
namespace {

using ContactsTest = ServerTest;

TEST_F(ContactsTest, AnswersUnregisteredNamesAndStatuses) {
    auto boss = Boss();
    auto anna = Anna();
    for (const char *name : {"Bob", "ghost", "boss", "phantom"}) {
        quor_addcontact(anna->handle(), name);
    }
    ASSERT_EQ(quor_updatecontacts(anna->handle()), 0);
    ASSERT_TRUE(anna->WaitForMore(anna->contactLists, 0));
    EXPECT_EQ(anna->contactLists[0], (std::vector<std::string>{"ghost", "phantom"}));
    ASSERT_TRUE(anna->WaitForMore(anna->contactStatus, 1));
    EXPECT_EQ(anna->contactStatus[0], (NameCode{"Bob", 2}));
    EXPECT_EQ(anna->contactStatus[1], (NameCode{"boss", 3}));
}

TEST_F(ContactsTest, WatchersHearLogonsAndLogoffs) {
    auto anna = Anna();
    quor_addcontact(anna->handle(), "BOB");
    quor_updatecontacts(anna->handle());
    ASSERT_TRUE(anna->WaitForMore(anna->contactStatus, 0));
    {
        auto bob = Bob();
        ASSERT_TRUE(anna->WaitForMore(anna->contactStatus, 1));
        EXPECT_EQ(anna->contactStatus[1], (NameCode{"BOB", 1}));
    }
    ASSERT_TRUE(anna->WaitForMore(anna->contactStatus, 2));
    EXPECT_EQ(anna->contactStatus[2], (NameCode{"BOB", 2}));
}

TEST_F(ContactsTest, ANewListReplacesTheOld) {
    auto anna = Anna();
    quor_addcontact(anna->handle(), "bob");
    quor_updatecontacts(anna->handle());
    ASSERT_TRUE(anna->WaitForMore(anna->contactStatus, 0));
    quor_delcontact(anna->handle(), "bob");
    quor_updatecontacts(anna->handle());
    ASSERT_TRUE(anna->WaitForMore(anna->contactLists, 1));
    EXPECT_TRUE(anna->contactLists[1].empty());
    auto bob = Bob();
    quor::testing::PumpFor(100);
    EXPECT_EQ(anna->contactStatus.size(), 1u);
}

TEST_F(ContactsTest, LongListsSpanSeveralParts) {
    auto anna = Anna();
    for (int i = 0; i < 100; ++i) {
        quor_addcontact(anna->handle(), ("ghost" + std::to_string(i)).c_str());
    }
    quor_addcontact(anna->handle(), "bob");
    quor_updatecontacts(anna->handle());
    ASSERT_TRUE(anna->WaitForMore(anna->contactLists, 0));
    EXPECT_EQ(anna->contactLists[0].size(), 100u);
    EXPECT_EQ(anna->contactLists[0].back(), "ghost99");
    ASSERT_TRUE(anna->WaitForMore(anna->contactStatus, 0));
    EXPECT_EQ(anna->contactStatus[0], (NameCode{"bob", 2}));
}

} // namespace
} // namespace quord::testing
