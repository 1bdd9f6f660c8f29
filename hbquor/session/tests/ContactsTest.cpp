// SPDX-License-Identifier: MIT
// Contact handling while idle and while connected: entry statuses, the
// dirty flag, and the lists the server receives.
#include "SessionFixture.h"

namespace hbquor::testing {
namespace {

using ContactsTest = SessionTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> NamesOf(const ThbQuorUnit &session) {
    std::vector<std::string> names;
    for (const auto &entry : session.Contacts())
        names.push_back(entry.second->Name);
    return names;
}

TEST_F(ContactsTest, AddingWhileIdleLeavesTheEntryPendingUntilTheLogin) {
    ASSERT_TRUE(central.AddLogin("alice", "secret"));
    ThbQuorUnit *alice = central.FindByName("alice");
    EXPECT_EQ(alice->AddContact("  bob ", true), 0);
    EXPECT_EQ(alice->AddContact("", true), -1);
    EXPECT_EQ(alice->AddContact(" \t", false), -1);
    EXPECT_THAT(NamesOf(*alice), ElementsAre("bob"));
    EXPECT_EQ(alice->Contacts().front().second->Status, QuorUserStatus::Pending);
    EXPECT_TRUE(alice->ContactsDirty());

    ASSERT_TRUE(LogIn("alice"));
    EXPECT_EQ(alice->Contacts().front().second->Status, QuorUserStatus::HandedToLibrary);
    EXPECT_FALSE(alice->ContactsDirty());
    auto list = NextContactList();
    ASSERT_TRUE(list);
    EXPECT_THAT(*list, ElementsAre("bob"));
}

TEST_F(ContactsTest, AddingWhileConnectedSendsTheListAtOnce) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    ASSERT_EQ(alice->AddContact("bob", true), 0);
    EXPECT_EQ(alice->Contacts().front().second->Status, QuorUserStatus::HandedToLibrary);
    auto list = NextContactList();
    ASSERT_TRUE(list);
    EXPECT_THAT(*list, ElementsAre("bob"));

    // Without the send-now flag the library gets the name but nothing is sent.
    ASSERT_EQ(alice->AddContact("carol", false), 0);
    EXPECT_EQ(alice->Contacts().back().second->Status, QuorUserStatus::Pending);
    EXPECT_FALSE(alice->ContactsDirty());
    EXPECT_TRUE(server.Silent());
    ASSERT_TRUE(central.AddContact("alice", "dave"));
    list = NextContactList();
    ASSERT_TRUE(list);
    EXPECT_THAT(*list, ElementsAre("bob", "carol", "dave"));
}

TEST_F(ContactsTest, ANameInAnotherCaseOnlyChangesTheSpelling) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    ASSERT_EQ(alice->AddContact("bob", true), 0);
    ASSERT_TRUE(NextContactList());
    EXPECT_EQ(alice->AddContact("BOB", true), 0);
    EXPECT_THAT(NamesOf(*alice), ElementsAre("BOB"));
    EXPECT_EQ(alice->Contacts().front().first, "bob");
    EXPECT_TRUE(server.Silent());
}

TEST_F(ContactsTest, UpdateContactsSendsTheListAgainAfterEveryLaterEntry) {
    ASSERT_TRUE(central.AddLogin("alice", "secret"));
    EXPECT_EQ(central.AddContacts("alice", {"bob", "carol", " ", "dave", "BOB"}), 4);
    EXPECT_EQ(central.AddContacts("nobody", {"bob"}), 0);
    ThbQuorUnit *alice = central.FindByName("alice");
    EXPECT_THAT(NamesOf(*alice), ElementsAre("BOB", "carol", "dave"));
    ASSERT_TRUE(LogIn("alice"));
    // Three entries, the first pending: the whole list goes out three times.
    auto first = NextContactList();
    auto second = NextContactList();
    auto third = NextContactList();
    ASSERT_TRUE(first && second && third);
    EXPECT_THAT(*first, ElementsAre("BOB"));
    EXPECT_THAT(*second, ElementsAre("BOB", "carol"));
    EXPECT_THAT(*third, ElementsAre("BOB", "carol", "dave"));
    EXPECT_TRUE(server.Silent());
}

TEST_F(ContactsTest, AddingSeveralWhileConnectedSendsTheListOnce) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    EXPECT_EQ(central.AddContacts("alice", {"bob", "carol"}), 2);
    auto list = NextContactList();
    ASSERT_TRUE(list);
    EXPECT_THAT(*list, ElementsAre("bob", "carol"));
    EXPECT_TRUE(server.Silent());
    for (const auto &entry : alice->Contacts())
        EXPECT_EQ(entry.second->Status, QuorUserStatus::HandedToLibrary);
}

TEST_F(ContactsTest, UpdateContactsDoesNothingUnlessDirtyAndConnected) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    EXPECT_FALSE(alice->ContactsDirty());
    alice->UpdateContacts();
    EXPECT_TRUE(server.Silent());
    // Connected sessions are not marked pending again.
    alice->MarkContactsPending();
    EXPECT_FALSE(alice->ContactsDirty());
}

TEST_F(ContactsTest, DeletingWhileConnectedSendsTheShorterList) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    ASSERT_EQ(alice->AddContacts({"bob", "carol"}), 2);
    ASSERT_TRUE(NextContactList());
    EXPECT_TRUE(central.DelContact("alice", "CAROL"));
    auto list = NextContactList();
    ASSERT_TRUE(list);
    EXPECT_THAT(*list, ElementsAre("bob"));
    EXPECT_THAT(NamesOf(*alice), ElementsAre("bob"));
    EXPECT_EQ(alice->DelContact("zed"), -1);
    EXPECT_EQ(alice->DelContact(""), -1);
    EXPECT_FALSE(central.DelContact("nobody", "bob"));
}

TEST_F(ContactsTest, DeletingWhileIdleMarksTheListDirty) {
    ASSERT_TRUE(central.AddLogin("alice", "secret"));
    ThbQuorUnit *alice = central.FindByName("alice");
    ASSERT_EQ(alice->AddContacts({"bob", "carol", "dave"}), 3);
    ASSERT_NE(alice->FindContact("carol"), nullptr);
    EXPECT_EQ(alice->FindContact("carol")->ListPosition, 1);
    EXPECT_EQ(alice->DelContact("carol"), 0);
    EXPECT_THAT(NamesOf(*alice), ElementsAre("bob", "dave"));
    EXPECT_TRUE(alice->ContactsDirty());
    central.DelAllContacts("alice");
    EXPECT_THAT(NamesOf(*alice), IsEmpty());
}

TEST_F(ContactsTest, DeletingAllWhileConnectedLeavesAnEmptyList) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    ASSERT_EQ(alice->AddContacts({"bob", "carol"}), 2);
    ASSERT_TRUE(NextContactList());
    alice->DelAllContacts();
    EXPECT_THAT(NamesOf(*alice), IsEmpty());
    auto afterBob = NextContactList();
    auto afterCarol = NextContactList();
    ASSERT_TRUE(afterBob && afterCarol);
    EXPECT_THAT(*afterBob, ElementsAre("carol"));
    EXPECT_THAT(*afterCarol, IsEmpty());
}

TEST_F(ContactsTest, ContactStatusNoticesReachTheWindowsOnly) {
    ThbQuorUnit *alice = LogIn("alice");
    ASSERT_TRUE(alice);
    ASSERT_EQ(alice->AddContact("bob", true), 0);
    ASSERT_TRUE(NextContactList());
    server.Send(quor::testing::MakeRecord(408, "$server", "alice", "sc",
                                          {std::string_view("bob"), std::uint8_t{1}}));
    ASSERT_TRUE(AwaitEvent("ContactStatus alice bob 1"));
    EXPECT_EQ(alice->Contacts().front().second->Status, QuorUserStatus::HandedToLibrary);
    // Names the server does not know come as a list ending with an empty name.
    for (const auto &part : quor::testing::MakeList(206, {"ghost"}))
        server.Send(part);
    ASSERT_TRUE(AwaitEvent("ContactListEntry alice []"));
    EXPECT_TRUE(events.Has("ContactListEntry alice [ghost]"));
}

} // namespace
} // namespace hbquor::testing
