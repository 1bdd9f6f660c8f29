// SPDX-License-Identifier: MIT
// Contact lists: which names are registered, and notices when contacts log
// on or off.
#include "quor_wire/protocol_ids.h"
#include "server_test.h"

#include <chrono>

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

// A budget of 50 records at once and 100 a second.
class ContactCostTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override {
        return {"--rate-burst", "50", "--rate-per-second", "100"};
    }
};

TEST_F(ContactCostTest, DuplicatesAreAnsweredOnceAndALongListWaitsItsShareOfTheBudget) {
    auto boss = Boss();
    RawClient bob(server.port());
    ASSERT_EQ(bob.Login("bob", "bob-pw"), 200);
    quor::ListBuilder list(quor::wire::kContactsRequest, quor::wire::kServerName);
    for (int i = 0; i < 500; ++i) {
        list.add("ghost" + std::to_string(i));
        list.add("GHOST" + std::to_string(i));
    }
    for (const char *name : {"anna", "Anna", "boss"}) {
        list.add(name);
    }
    const auto start = std::chrono::steady_clock::now();
    for (const quor::QuorMessage &part : list.finish()) {
        ASSERT_TRUE(bob.Send(part));
    }
    ASSERT_TRUE(bob.Send(ClientRecord(quor::wire::kPing, "bob", "$server", "d", {1})));
    std::vector<std::string> unregistered;
    for (bool last = false; !last;) {
        const auto part = bob.ReadId(quor::wire::kUnregisteredNames);
        ASSERT_TRUE(part);
        const std::vector<std::string> items = quor::ListItems(*part);
        unregistered.insert(unregistered.end(), items.begin(), items.end());
        last = (quor::ListFlags(*part) & quor::kListLast) != 0;
    }
    ASSERT_EQ(unregistered.size(), 500u);
    EXPECT_EQ(unregistered.back(), "ghost499");
    // anna once, boss; then the ping, served after about 23 parts, itself
    // and a token per 10 names (74 tokens, 50 at once, 100 a second): 0.24 s.
    int statuses = 0;
    for (auto record = bob.Read(); record && record->id() != quor::wire::kPingReply;
         record = bob.Read()) {
        statuses += record->id() == quor::wire::kContactStatus ? 1 : 0;
    }
    EXPECT_EQ(statuses, 2);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
}

} // namespace
} // namespace quord::testing
