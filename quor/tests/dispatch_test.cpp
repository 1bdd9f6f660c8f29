// SPDX-License-Identifier: MIT
// Server messages reaching the callbacks: every message kind, the error
// translations, lists, and the one-answer account connections.
#include "library_fixture.h"
#include "list_parts.h"

#include "library.h"

using namespace quor;
using namespace quor::testing;

namespace {

std::int32_t FixedCalendar() {
    return 1700000000;
}

struct MessageCase {
    const char *name;
    QuorMessage record;
    std::vector<RaisedEvent> expected; // the handle is filled in by the test
};

} // namespace

class DispatchTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        SetClockOverride({nullptr, &FixedCalendar});
        h = LogOn("me");
    }

    // Sends each case's record and checks exactly the expected callbacks.
    void Check(std::vector<MessageCase> cases) {
        for (MessageCase &c : cases) {
            Recorded().clear();
            server.Send(c.record);
            // A marker record afterwards shows that everything before it was handled.
            server.Send(MakeRecord(405, "$server", "me", "sc", {"--marker--", std::uint8_t{0}}));
            ASSERT_TRUE(PumpUntil([] {
                return !Recorded().empty() && Recorded().back().slot == QUOR_CB_ISONLINE &&
                       Recorded().back().args[0] == "--marker--";
            })) << c.name;
            Recorded().pop_back();
            for (RaisedEvent &e : c.expected) {
                e.handle = h;
            }
            EXPECT_EQ(Recorded(), c.expected) << c.name;
        }
    }

    QUORHANDLE h = nullptr;
};

TEST_F(DispatchTest, EveryServerMessageReachesItsSlotWithItsArguments) {
    QuorMessage unterminatedText = MakeText("anna", "me", "");
    std::fill(unterminatedText.bytes.begin() + kDataOffset, unterminatedText.bytes.end(), 'u');
    QuorMessage unterminatedWelcome = MakeRecord(600, "$server", "me");
    std::fill(unterminatedWelcome.bytes.begin() + kDataOffset, unterminatedWelcome.bytes.end(),
              'w');
    Check({
        {"private text", MakeText("anna", "me", "hello"), {Ev(2, h, {"anna", "hello"})}},
        {"channel text",
         MakeText("anna", "#lobby", "hi all"),
         {Ev(12, h, {"anna", "#lobby", "hi all"})}},
        {"broadcast in capitals",
         MakeText("admin", "<BROADCAST>", "news"),
         {Ev(14, h, {"admin", "news"})}},
        {"text without NUL stops at the record end",
         unterminatedText,
         {Ev(2, h, {"anna", std::string(400, 'u')})}},
        {"offline text",
         MakeRecord(4, "bob", "me", "sd", {"later", std::int32_t{1600000000}}),
         {Ev(13, h, {"bob", "1600000000", "later"})}},
        {"offline text that does not parse",
         [] {
             QuorMessage m = MakeRecord(4, "bob", "me");
             std::fill(m.bytes.begin() + kDataOffset, m.bytes.end(), 'o');
             return m;
         }(),
         {}},
        {"welcome without NUL", unterminatedWelcome, {Ev(4, h, {std::string(400, 'w')})}},
        {"profile changed",
         MakeRecord(202, "$server", "me", "s", {"bob"}),
         {Ev(20, h, {"0", "bob"})}},
        {"invitation accepted", MakeText("$server", "me", "bob"), {Ev(2, h, {"$server", "bob"})}},
        {"invite accepted (210)",
         [] {
             QuorMessage m = MakeRecord(210, "$server", "me");
             m.setRawText("bob");
             return m;
         }(),
         {Ev(18, h, {"bob", "0"})}},
        {"ping answer",
         MakeRecord(501, "anna", "me", "d", {FixedCalendar() - 3}),
         {Ev(5, h, {"anna", "3"})}},
        {"contact status",
         MakeRecord(408, "$server", "me", "sc", {"anna", std::uint8_t{3}}),
         {Ev(11, h, {"anna", "3"})}},
        {"online status",
         MakeRecord(405, "$server", "me", "sc", {"Anna", std::uint8_t{200}}),
         {Ev(3, h, {"Anna", "200"})}},
        {"invitation",
         MakeRecord(606, "$server", "me", "ss", {"#lobby", "anna"}),
         {Ev(23, h, {"anna", "#lobby"})}},
        {"joined",
         MakeRecord(602, "$server", "me", "dss", {std::int32_t{0}, "anna", "#lobby"}),
         {Ev(8, h, {"#lobby", "anna"})}},
        {"left",
         MakeRecord(602, "$server", "me", "dss", {std::int32_t{5}, "anna", "#lobby"}),
         {Ev(9, h, {"#lobby", "anna"})}},
        {"own join",
         MakeRecord(602, "$server", "me", "dss", {std::int32_t{0}, "ME", "#lobby"}),
         {}},
        {"channel info",
         MakeRecord(605, "$server", "me", "scss", {"#lobby", std::uint8_t{2}, "anna", "3"}),
         {Ev(17, h, {"#lobby", "2", "anna", "3"})}},
        {"profile",
         MakeRecord(403, "$server", "me", "sssddddd",
                    {"bob", "", "b@c.d", std::int32_t{1}, std::int32_t{100}, std::int32_t{200},
                     std::int32_t{3}, std::int32_t{0}}),
         {Ev(19, h, {"0", "bob", "", "b@c.d", "1", "100", "200", "3", "0"})}},
        {"unknown id", MakeRecord(777, "$server", "me", "s", {"x"}), {}},
        {"login acceptance while logged on", MakeRecord(100, "$server", "me"), {}},
    });
}

TEST_F(DispatchTest, ErrorRepliesAreTranslatedByTheRequestTheyAnswer) {
    auto reply = [](int error, std::int32_t request, const char *name) {
        return MakeRecord(error, "$server", "me", "ds", {request, name});
    };
    struct Row {
        int request;
        int error;
        int code;
    };
    const Row rows[] = {
        {302, 102, 8},  {302, 105, 11}, {302, 110, 9},  {302, 114, 13}, {302, 119, 14},
        {302, 120, 15}, {302, 104, 5},  {318, 127, 23}, {318, 128, 22}, {318, 131, 28},
        {318, 199, 5},  {305, 103, 20}, {305, 105, 11}, {305, 106, 5},  {403, 105, 11},
        {403, 106, 21}, {403, 127, 23}, {403, 133, 39}, {403, 103, 5},  {317, 103, 20},
        {317, 121, 16}, {317, 122, 17}, {317, 123, 18}, {317, 105, 5},
    };
    std::vector<MessageCase> cases;
    for (const Row &row : rows) {
        const std::string code = std::to_string(row.code);
        std::vector<RaisedEvent> expected;
        switch (row.request) {
        case 302:
            expected = {Ev(7, h, {"#x", code})};
            break;
        case 318:
            expected = {Ev(21, h, {code})};
            break;
        case 305:
            expected = {Ev(19, h, {code, "<none>", "", "", "0", "0", "0", "0", "0"})};
            break;
        case 403:
            expected = {Ev(20, h, {code, "<unknown>"})};
            break;
        default:
            expected = {Ev(18, h, {"#x", code})};
            break;
        }
        cases.push_back({"row", reply(row.error, row.request, "#x"), expected});
    }
    // Text-delivery failures fire whatever the request, before the request's own.
    cases.push_back({"101 for a text", reply(101, 2, "bob"), {Ev(6, h, {"26", "bob"})}});
    cases.push_back({"137 for a text", reply(137, 2, "bob"), {Ev(6, h, {"27", "bob"})}});
    cases.push_back({"112 for a join",
                     reply(112, 302, "#x"),
                     {Ev(6, h, {"10", "#x"}), Ev(7, h, {"#x", "10"})}});
    cases.push_back({"104 for an unknown request", reply(104, 999, "x"), {}});
    cases.push_back({"error reply that does not parse",
                     MakeRecord(101, "$server", "me"),
                     {Ev(6, h, {"26", ""})}});
    QuorMessage unparsed = reply(120, 302, "");
    std::fill(unparsed.bytes.begin() + kDataOffset + 4, unparsed.bytes.end(), 'n');
    cases.push_back({"name without NUL", unparsed, {Ev(7, h, {"", "15"})}});
    Check(cases);
}

TEST_F(DispatchTest, ListsAreGatheredAcrossPartsAndFlushedByKind) {
    std::vector<std::string> many;
    for (int i = 0; i < 60; ++i) {
        many.push_back("person" + std::to_string(i));
    }
    auto parts = MakeList(206, many);
    ASSERT_GE(parts.size(), 2u);
    std::vector<RaisedEvent> expected;
    for (const auto &name : many) {
        expected.push_back(Ev(10, h, {name}));
    }
    expected.push_back(Ev(10, h, {"(null)"}));
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        server.Send(parts[i]);
    }
    Check({{"name list", parts.back(), expected}});

    Check({
        {"empty name list", MakeList(206, {})[0], {Ev(10, h, {"(null)"})}},
        {"member list",
         MakeList(407, {"#lobby", "anna", "bob"})[0],
         {Ev(8, h, {"#lobby", "anna"}), Ev(8, h, {"#lobby", "bob"})}},
        {"member list with the channel only", MakeList(407, {"#lobby"})[0], {}},
        {"channel list",
         MakeList(401, {"#lobby,1,12", "lobby,1", "#big,300,2", "#odd,x,y"})[0],
         {Ev(22, h, {"#lobby", "1", "12"}), Ev(22, h, {"#big", "44", "2"}),
          Ev(22, h, {"#odd", "0", "0"}), Ev(22, h, {"(null)", "0", "0"})}},
    });
}

TEST_F(DispatchTest, AFirstPartStartsAfreshAndInterleavedListsMerge) {
    auto first = MakeList(206, {"stale"})[0];
    first.bytes[kDataOffset] = kListFirst; // a list that never ended
    server.Send(first);
    auto member = MakeList(407, {"#c", "x"})[0];
    member.bytes[kDataOffset] = kListFirst;
    server.Send(member);
    auto names = MakeList(206, {"y"})[0];
    names.bytes[kDataOffset] = kListLast;
    // The 206 part completes the merged list, which is flushed as names.
    Check({{"merged",
            names,
            {Ev(10, h, {"#c"}), Ev(10, h, {"x"}), Ev(10, h, {"y"}), Ev(10, h, {"(null)"})}}});
}

TEST_F(DispatchTest, AListWithoutEndIsDroppedOnceItOutgrowsItsBound) {
    QuorSession *session = FindSession(reinterpret_cast<std::uintptr_t>(h));
    ASSERT_NE(session, nullptr);
    auto part = MakeList(206, {"x"})[0];
    part.bytes[kDataOffset] = 0;
    const auto parts = Joined(std::vector<QuorMessage>(kMaxListParts - 1, part));
    server.SendRaw(parts.data(), parts.size());
    Check({{"the last part that fits", part, {}}});
    EXPECT_EQ(session->listParts.size(), kMaxListParts);
    Check({{"one part too many", part, {}}});
    EXPECT_TRUE(session->listParts.empty());
    Check({{"a fresh list after the drop",
            MakeList(206, {"a"})[0],
            {Ev(10, h, {"a"}), Ev(10, h, {"(null)"})}}});
}

TEST_F(DispatchTest, AListWithoutItsCallbackIsStillConsumed) {
    quor_setcallback(QUOR_CB_CONTACTLIST, nullptr);
    quor_setcallback(QUOR_CB_CHANNELJOIN, nullptr);
    Check({{"names", MakeList(206, {"a", "b"})[0], {}},
           {"members", MakeList(407, {"#c", "a"})[0], {}}});
    QuorSession *session = FindSession(reinterpret_cast<std::uintptr_t>(h));
    EXPECT_TRUE(session->listParts.empty());
}

TEST_F(DispatchTest, AnEmailChangeClosesTheSessionWithoutADisconnect) {
    server.Send(MakeRecord(213, "$server", "me"));
    ASSERT_TRUE(WaitForEvents(1));
    PumpFor(50);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(21, h, {"0"})});
    EXPECT_TRUE(server.ClientClosed());
    EXPECT_EQ(quor_isonline(h, "x"), 1);
    EXPECT_EQ(quor_getlasterror(), 6);
}

TEST_F(DispatchTest, ACallbackMayIssueRequestsFromInside) {
    SetAfterEachCallback([this](const RaisedEvent &e) {
        if (e.slot == QUOR_CB_TEXT) {
            EXPECT_EQ(quor_sendtext(h, e.args[0].c_str(), ("re: " + e.args[1]).c_str()), 0);
        }
    });
    server.Send(MakeText("anna", "me", "ping?"));
    auto answer = server.Read();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->recipient(), "anna");
    EXPECT_EQ(answer->rawText(), "re: ping?");
}

class AccountReplyTest : public LibraryTest {
protected:
    // Opens an account-creation or password connection and answers it.
    void Answer(bool createUser, const std::vector<QuorMessage> &records, std::size_t bytes) {
        Recorded().clear();
        h = quor_create();
        ASSERT_EQ(createUser ? quor_createuser(h, "newbie", "n@x.y")
                             : quor_reqpassword(h, "newbie", "n@x.y"),
                  0);
        ASSERT_TRUE(server.AcceptOpening(0));
        const std::vector<std::uint8_t> stream = Joined(records);
        server.SendRaw(stream.data(), std::min(bytes, stream.size()));
        EXPECT_TRUE(server.ClientClosed());
        PumpFor(30);
        EXPECT_EQ(StateOf(h), STATE_IDLE);
    }
    QUORHANDLE h = nullptr;
};

TEST_F(AccountReplyTest, TheSingleAnswerIsReadAfterTheClose) {
    Answer(true, {MakeRecord(211, "$server", "")}, kRecordSize);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(15, h, {"0"})});
    Answer(false, {MakeRecord(212, "$server", "")}, kRecordSize);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(16, h, {"0"})});

    struct Row {
        bool createUser;
        int error;
        int code;
    };
    const Row rows[] = {
        {true, 106, 21},  {true, 124, 32},  {true, 125, 33},  {true, 126, 34},  {true, 127, 23},
        {true, 128, 22},  {true, 129, 35},  {true, 135, 19},  {true, 136, 36},  {true, 103, 5},
        {true, 113, 5},   {false, 103, 20}, {false, 130, 37}, {false, 131, 28}, {false, 132, 38},
        {false, 135, 19}, {false, 129, 5},  {false, 100, 5},
    };
    for (const Row &row : rows) {
        const std::int32_t request = row.createUser ? 5 : 6;
        Answer(row.createUser, {MakeRecord(row.error, "$server", "", "ds", {request, "newbie"})},
               kRecordSize);
        // Only the outcome callback of the purpose: never a login result.
        EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(row.createUser ? 15 : 16, h,
                                                          {std::to_string(row.code)})})
            << "error " << row.error;
    }
}

TEST_F(AccountReplyTest, AnAnswerInPiecesIsReadWholeAndACloseBeforeItIsReported) {
    for (const bool closeEarly : {false, true}) {
        Recorded().clear();
        h = quor_create();
        ASSERT_EQ(quor_createuser(h, "newbie", "n@x.y"), 0);
        ASSERT_TRUE(server.AcceptOpening(0));
        const QuorMessage answer = MakeRecord(211, "$server", "");
        server.SendRaw(answer.bytes.data(), 300);
        EXPECT_TRUE(server.Silent(50)); // still open, waiting for the rest
        if (closeEarly) {
            server.Close();
            ASSERT_TRUE(PumpUntil([] { return !Recorded().empty(); }));
            EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(1, h, {})});
        } else {
            server.SendRaw(answer.bytes.data() + 300, kRecordSize - 300);
            EXPECT_TRUE(server.ClientClosed());
            PumpFor(30);
            EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(15, h, {"0"})});
        }
    }
}

TEST_F(AccountReplyTest, MismatchedAnswersReportNothing) {
    Answer(true, {MakeRecord(129, "$server", "", "ds", {std::int32_t{302}, "x"})}, kRecordSize);
    EXPECT_TRUE(Recorded().empty());
    // The answer is routed by the request id it names, not by the purpose.
    Answer(true, {MakeRecord(132, "$server", "", "ds", {std::int32_t{6}, "x"})}, kRecordSize);
    EXPECT_EQ(Recorded(), std::vector<RaisedEvent>{Ev(16, h, {"38"})});
    Answer(false, {MakeRecord(600, "$server", "", "s", {"welcome"})}, kRecordSize);
    EXPECT_TRUE(Recorded().empty());
    // A ping first is answered into the closed connection and reports nothing.
    Answer(false,
           {MakeRecord(500, "$server", "", "d", {std::int32_t{1}}), MakeRecord(212, "$server", "")},
           2 * kRecordSize);
    EXPECT_TRUE(Recorded().empty());
}
