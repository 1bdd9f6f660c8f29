// SPDX-License-Identifier: MIT
// Requests of a session: the exact records they post, their checks and the
// contact list.
#include "library_fixture.h"

#include <functional>

using namespace quor;
using namespace quor::testing;

namespace {

struct RequestCase {
    const char *name;
    std::function<int(QUORHANDLE)> call;
    std::int32_t id;
    const char *recipient;
    // Builds the record the request must post (id, format and fields).
    std::function<void(QuorMessage &)> expected;
};

// The fields of a request record compared with what PackFields writes for
// the expected values: everything from the format byte on, except the time.
void ExpectSameBody(const QuorMessage &actual, const QuorMessage &expected, const char *name) {
    EXPECT_EQ(actual.format(), expected.format()) << name;
    EXPECT_TRUE(std::equal(actual.bytes.begin() + kDataOffset, actual.bytes.end(),
                           expected.bytes.begin() + kDataOffset))
        << name;
}

std::int32_t FixedCalendar() {
    return 1700000000;
}

} // namespace

TEST_F(LibraryTest, EachRequestPostsItsExactRecord) {
    SetClockOverride({nullptr, &FixedCalendar});
    QUORHANDLE h = LogOn("me");
    const std::int32_t now = FixedCalendar();
    const RequestCase cases[] = {
        {"isonline", [](QUORHANDLE s) { return quor_isonline(s, "anna"); }, 307, "$server",
         [](QuorMessage &m) { PackFields(m, 307, 1, "s", {"anna"}); }},
        {"ping", [](QUORHANDLE s) { return quor_pinguser(s, "anna"); }, 500, "anna",
         [now](QuorMessage &m) { PackFields(m, 500, 1, "d", {now}); }},
        {"join", [](QUORHANDLE s) { return quor_joinchannel(s, "#lobby", 1, "pw"); }, 302,
         "$server",
         [](QuorMessage &m) {
             PackFields(m, 302, 1, "dsds", {std::int32_t{0}, "#lobby", std::int32_t{1}, "pw"});
         }},
        {"join without password",
         [](QUORHANDLE s) { return quor_joinchannel(s, "#lobby", 0, nullptr); }, 302, "$server",
         [](QuorMessage &m) {
             PackFields(m, 302, 1, "dsds", {std::int32_t{0}, "#lobby", std::int32_t{0}, ""});
         }},
        {"leave", [](QUORHANDLE s) { return quor_leavechannel(s, "#lobby"); }, 302, "$server",
         [](QuorMessage &m) {
             PackFields(m, 302, 1, "dsds", {std::int32_t{1}, "#lobby", std::int32_t{0}, ""});
         }},
        {"channel list", [](QUORHANDLE s) { return quor_reqchannellist(s); }, 301, "$server",
         [](QuorMessage &m) { PackFields(m, 301, 1, "", {}); }},
        {"invite", [](QUORHANDLE s) { return quor_inviteuser(s, "#lobby", "bob"); }, 317, "$server",
         [](QuorMessage &m) {
             PackFields(m, 317, 1, "ss", {"#lobby", "bob"});
         }},
        {"profile", [](QUORHANDLE s) { return quor_requserprofile(s, "bob"); }, 305, "$server",
         [](QuorMessage &m) { PackFields(m, 305, 1, "s", {"bob"}); }},
        {"modify profile",
         [](QUORHANDLE s) { return quor_modifyuserprofile(s, "bob", "pw", "b@c.d", 1, 1); }, 403,
         "$server",
         [now](QuorMessage &m) {
             PackFields(m, 403, 1, "sssddddd",
                        {"bob", "pw", "b@c.d", std::int32_t{1}, now, std::int32_t{0},
                         std::int32_t{0}, std::int32_t{1}});
         }},
        {"change e-mail", [](QUORHANDLE s) { return quor_changeemail(s, "new@x.y"); }, 318,
         "$server", [](QuorMessage &m) { PackFields(m, 318, 1, "s", {"new@x.y"}); }},
    };
    for (const RequestCase &c : cases) {
        ASSERT_EQ(c.call(h), 0) << c.name;
        EXPECT_EQ(quor_getlasterror(), 0) << c.name;
        auto posted = server.Read();
        ASSERT_TRUE(posted) << c.name;
        EXPECT_EQ(posted->id(), c.id) << c.name;
        EXPECT_EQ(posted->sender(), "me") << c.name;
        EXPECT_EQ(posted->recipient(), c.recipient) << c.name;
        EXPECT_EQ(posted->time(), now) << c.name;
        QuorMessage expected;
        c.expected(expected);
        ExpectSameBody(*posted, expected, c.name);
    }
}

TEST_F(LibraryTest, TextsAreSentRawWithFormatZeroAndCutAt399Characters) {
    QUORHANDLE h = LogOn("me");
    ASSERT_EQ(quor_sendtext(h, std::string(40, 'r').c_str(), std::string(500, 't').c_str()), 0);
    auto text = server.Read();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->id(), 2);
    EXPECT_EQ(text->format(), 0);
    EXPECT_EQ(text->recipient(), std::string(31, 'r'));
    EXPECT_EQ(text->rawText(), std::string(399, 't'));

    ASSERT_EQ(quor_sendtext(h, "#lobby", nullptr), 0);
    text = server.Read();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->recipient(), "#lobby");
    EXPECT_EQ(text->rawText(), "");
}

TEST_F(LibraryTest, OversizedProfileFieldsLeaveOutEveryLaterField) {
    QUORHANDLE h = LogOn();
    const std::string big(200, 'x');
    ASSERT_EQ(quor_modifyuserprofile(h, big.c_str(), big.c_str(), "e@f.g", 1, 1), 0);
    auto posted = server.Read();
    ASSERT_TRUE(posted);
    std::string name, password, email;
    std::int32_t type = -1;
    // The second string would end past the record, so it and all later fields
    // are missing: only zeros follow the first.
    ASSERT_TRUE(ExpectFields(*posted, 403, 1, "sssd", {&name, &password, &email, &type}));
    EXPECT_EQ(name, big);
    EXPECT_EQ(password, "");
    EXPECT_EQ(email, "");
    EXPECT_EQ(type, 0);
}

TEST_F(LibraryTest, RequestsRunTheCommonChecksInOrder) {
    QUORHANDLE created = quor_create();
    const std::function<int(QUORHANDLE)> requests[] = {
        [](QUORHANDLE s) { return quor_sendtext(s, "a", "b"); },
        [](QUORHANDLE s) { return quor_isonline(s, "a"); },
        [](QUORHANDLE s) { return quor_pinguser(s, "a"); },
        [](QUORHANDLE s) { return quor_joinchannel(s, "#a", 0, ""); },
        [](QUORHANDLE s) { return quor_leavechannel(s, "#a"); },
        [](QUORHANDLE s) { return quor_reqchannellist(s); },
        [](QUORHANDLE s) { return quor_inviteuser(s, "#a", "b"); },
        [](QUORHANDLE s) { return quor_requserprofile(s, "a"); },
        [](QUORHANDLE s) { return quor_modifyuserprofile(s, "a", "b", "c", 0, 0); },
        [](QUORHANDLE s) { return quor_changeemail(s, "a"); },
        [](QUORHANDLE s) { return quor_addcontact(s, "a"); },
        [](QUORHANDLE s) { return quor_delcontact(s, "a"); },
        [](QUORHANDLE s) { return quor_updatecontacts(s); },
    };
    for (const auto &request : requests) {
        EXPECT_EQ(request(nullptr), 1);
        EXPECT_EQ(quor_getlasterror(), 2);
        EXPECT_EQ(request(reinterpret_cast<QUORHANDLE>(0x4242)), 1);
        EXPECT_EQ(quor_getlasterror(), 2);
        EXPECT_EQ(request(created), 1);
        EXPECT_EQ(quor_getlasterror(), 6);
    }
    EXPECT_EQ(quor_login(nullptr, "a", "b"), 1);
    EXPECT_EQ(quor_getlasterror(), 2);
}

TEST_F(LibraryTest, AccountAndPasswordRequestsOpenWithTheirOwnRecords) {
    const std::pair<int, std::function<int(QUORHANDLE)>> openings[] = {
        {5, [](QUORHANDLE s) { return quor_createuser(s, "newbie", "n@x.y"); }},
        {6, [](QUORHANDLE s) { return quor_reqpassword(s, "newbie", "n@x.y"); }},
    };
    for (const auto &[id, call] : openings) {
        QUORHANDLE h = quor_create();
        ASSERT_EQ(call(h), 0);
        auto opening = server.AcceptOpening(0);
        ASSERT_TRUE(opening);
        std::string user, email;
        std::int32_t build = 0, constant = 0;
        ASSERT_TRUE(ExpectFields(*opening, id, 1, "ssdd", {&user, &email, &build, &constant}));
        EXPECT_EQ(user, "newbie");
        EXPECT_EQ(email, "n@x.y");
        EXPECT_EQ(build, 14);
        EXPECT_EQ(constant, 1);
        EXPECT_EQ(call(h), 1);
        EXPECT_EQ(quor_getlasterror(), 25);
    }
}

TEST_F(LibraryTest, TheContactListIsSentInPartsAndEditedWithoutRegardToCase) {
    QUORHANDLE h = LogOn();
    ASSERT_EQ(quor_updatecontacts(h), 0);
    auto part = server.Read();
    ASSERT_TRUE(part);
    EXPECT_EQ(part->id(), 310);
    EXPECT_EQ(part->recipient(), "$server");
    EXPECT_EQ(ListFlags(*part), kListFirst | kListLast);
    EXPECT_TRUE(ListItems(*part).empty());

    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(quor_addcontact(h, ("user" + std::to_string(1000 + i)).c_str()), 0);
    }
    quor_addcontact(h, "anna");
    quor_addcontact(h, "anna"); // duplicates are kept
    EXPECT_EQ(quor_delcontact(h, "ANNA"), 0);
    EXPECT_EQ(quor_delcontact(h, "nobody"), 0);
    EXPECT_EQ(quor_getlasterror(), 0);
    ASSERT_EQ(quor_updatecontacts(h), 0);
    std::vector<std::string> names;
    std::vector<int> flags;
    for (int i = 0; i < 3; ++i) {
        part = server.Read();
        ASSERT_TRUE(part);
        flags.push_back(ListFlags(*part));
        for (auto &item : ListItems(*part)) {
            names.push_back(item);
        }
    }
    EXPECT_EQ(flags, (std::vector<int>{kListFirst, 0, kListLast}));
    ASSERT_EQ(names.size(), 101u);
    EXPECT_EQ(names.front(), "user1000");
    EXPECT_EQ(names.back(), "anna");
    EXPECT_TRUE(server.Silent(50));
}
