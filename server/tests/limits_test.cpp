// SPDX-License-Identifier: MIT
// The server under attack: connections per address, the logon deadline,
// the log budget, password guessing, and password work whose client leaves
// or that finds the queue full.
#include "server_test.h"

#include <thread>

namespace quord::testing {
namespace {

bool LogHas(const QuordProcess &server, const std::string &text) {
    return server.Log().find(text) != std::string::npos;
}

class LimitsTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override { return {"--logon-deadline", "1"}; }
};

TEST_F(LimitsTest, SeventeenthConnectionFromOneAddressIsClosedOthersAreServed) {
    std::vector<std::unique_ptr<RawClient>> held;
    for (int i = 0; i < 16; ++i) {
        held.push_back(std::make_unique<RawClient>(server.port(), "127.0.0.3"));
    }
    RawClient extra(server.port(), "127.0.0.3");
    EXPECT_TRUE(extra.WaitClosed());
    EXPECT_TRUE(LogHas(server, "16 connections from 127.0.0.3"));
    RawClient other(server.port(), "127.0.0.4");
    EXPECT_EQ(other.Login("anna", "anna-pw"), 200);
    held.pop_back(); // a slot of 127.0.0.3 is free again once the server sees the close
    EXPECT_TRUE(PumpUntil(
        [&] {
            RawClient again(server.port(), "127.0.0.3");
            return again.Login("bob", "bob-pw") == 200;
        },
        3000));
}

TEST_F(LimitsTest, SilentConnectionIsDroppedAfterTheDeadlineALoggedOnOneIsKept) {
    RawClient silent(server.port());
    RawClient partial(server.port());
    ASSERT_TRUE(partial.SendBytes("\x01\x00\x00\x00", 4)); // an opening request never finished
    RawClient anna(server.port());
    ASSERT_EQ(anna.Login("anna", "anna-pw"), 200);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(silent.WaitClosed(3000));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(700));
    EXPECT_TRUE(partial.WaitClosed(1000));
    EXPECT_TRUE(LogHas(server, "no opening request within 1000 ms"));
    anna.Send(ClientRecord(500, "anna", "$server", "d", {7}));
    EXPECT_TRUE(anna.ReadId(501));
}

// A budget of two connections per address and minute: the lines of later
// ones are left out, except what password checks decide and who logs on,
// and one line reports how many were.
class LogBudgetTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override { return {"--log-per-address", "2"}; }
};

TEST_F(LogBudgetTest, ConnectionsBeyondTheBudgetAreCountedInsteadOfLogged) {
    const char *from = "127.0.3.1";
    const auto guess = [&] {
        RawClient client(server.port(), from);
        EXPECT_EQ(client.Login("anna", "guess"), 100);
    };
    for (int i = 0; i < 4; ++i) {
        guess(); // checked; the third and fourth in quiet connections
    }
    RawClient bob(server.port(), from);
    ASSERT_EQ(bob.Login("bob", "bob-pw"), 200);
    guess(); // the fifth failure earns a penalty
    guess(); // refused at once during it
    ASSERT_EQ(server.Stop(), 0);
    const std::string log = server.Log();
    EXPECT_EQ(Occurrences(log, "opened from 127.0.3.1"), 3u) << log; // two, then bob's at logon
    EXPECT_EQ(Occurrences(log, "wrong name or password from 127.0.3.1"), 5u) << log;
    EXPECT_EQ(Occurrences(log, "throttled from"), 0u) << log;
    EXPECT_TRUE(LogHas(server, "(bob) logged on")) << log;
    EXPECT_TRUE(LogHas(server, "5 more connections from 127.0.3.1 in the last")) << log;
}

class ThrottleTest : public ServerTest {};

TEST_F(ThrottleTest, GuessesAreRefusedWithoutACheckOnceTheAccountWaitsAPenalty) {
    for (int i = 0; i < 5; ++i) {
        RawClient guess(server.port(), ("127.0.1." + std::to_string(i)).c_str());
        EXPECT_EQ(guess.Login("anna", "guess"), 100) << i;
    }
    // Even the right password, from yet another address, waits.
    RawClient right(server.port(), "127.0.1.9");
    EXPECT_EQ(right.Login("anna", "anna-pw"), 100);
    EXPECT_TRUE(LogHas(server, "throttled from 127.0.1.9"));
    RawClient bob(server.port(), "127.0.1.9");
    EXPECT_EQ(bob.Login("bob", "bob-pw"), 200);
    // The first penalty is a second.
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    RawClient later(server.port(), "127.0.1.9");
    EXPECT_EQ(later.Login("anna", "anna-pw"), 200);
}

TEST_F(ThrottleTest, AccountRequestsFromOneAddressAreThrottledToo) {
    std::vector<std::int32_t> answers;
    for (int i = 0; i < 6; ++i) {
        RawClient client(server.port(), "127.0.2.1");
        client.Send(ClientRecord(6, "anna", "", "ssdd", {"anna", "wrong@example.org", 14, 1}));
        const auto answer = client.Read();
        answers.push_back(answer ? answer->id() : 0);
    }
    EXPECT_EQ(answers, (std::vector<std::int32_t>{130, 130, 130, 130, 130, 135}));
}

TEST_F(ThrottleTest, GuessesAtANameDoNotLockOutAnAddressItsOwnerLoggedOnFrom) {
    const char *home = "127.0.4.1";
    std::size_t logons = 0;
    const auto ownerLogsOn = [&] {
        const std::int32_t answer = RawClient(server.port(), home).Login("anna", "anna-pw");
        logons += answer == 200 ? 1 : 0; // and off at once
        EXPECT_TRUE(PumpUntil(
            [&] { return Occurrences(server.Log(), "(anna) logged off") == logons; }, 3000));
        return answer;
    };
    const auto strangersGuess = [&] {
        for (int i = 0; i < 5; ++i) {
            RawClient guess(server.port(), ("127.0.4." + std::to_string(10 + i)).c_str());
            EXPECT_EQ(guess.Login("anna", "guess"), 100) << i;
        }
        RawClient stranger(server.port(), "127.0.4.20");
        EXPECT_EQ(stranger.Login("anna", "anna-pw"), 100);
    };
    ASSERT_EQ(ownerLogsOn(), 200);
    strangersGuess();
    EXPECT_EQ(ownerLogsOn(), 200);
    ASSERT_TRUE(server.Restart()) << server.Log();
    strangersGuess(); // the address is remembered over a restart
    EXPECT_EQ(ownerLogsOn(), 200);
}

// Password checks at about their real cost (32 MiB), so that logins sent
// at once find each other's checks running, as on a real server.
class ParallelGuessTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override {
        return {"--hash-memory", "32768", "--hash-passes", "1"};
    }
};

TEST_F(ParallelGuessTest, WrongLoginsSentAtOnceStartNoMoreChecksThanTheRulesAllow) {
    struct Case {
        const char *network; // each of its addresses sends 16 logins
        int addresses;
        bool oneAccount; // else a name of its own for each login
    };
    for (const Case &c : {Case{"127.0.6.", 1, false}, Case{"127.0.7.", 4, true}}) {
        std::vector<std::unique_ptr<RawClient>> clients;
        for (int i = 0; i < 16 * c.addresses; ++i) {
            const std::string from = c.network + std::to_string(1 + i / 16);
            clients.push_back(std::make_unique<RawClient>(server.port(), from.c_str()));
        }
        for (std::size_t i = 0; i < clients.size(); ++i) {
            const std::string name = c.oneAccount ? "ghost" : "ghost" + std::to_string(i);
            clients[i]->Send(ClientRecord(1, name, "", "ssdd", {name, "guess", 14, 1}));
        }
        for (auto &client : clients) {
            const auto answer = client->Read(10000);
            EXPECT_EQ(answer ? answer->id() : 0, 100) << c.network;
        }
        // Every login was answered; only the first five were checked.
        const std::size_t checks =
            Occurrences(server.Log(), std::string("wrong name or password from ") + c.network);
        EXPECT_GE(checks, 1u) << c.network;
        EXPECT_LE(checks, 5u) << c.network;
    }
}

// Password work at more than its real cost (64 MiB), so that renewing a
// hash takes long enough for the client to leave or for the queue to fill
// meanwhile.
class PasswordWorkTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override {
        return {"--hash-passes",  "2", "--hash-memory", "65536",
                "--hash-threads", "1", "--hash-queue",  "1"};
    }
};

TEST_F(PasswordWorkTest, LoginWhoseClientLeavesDuringTheCheckIsDropped) {
    {
        RawClient leaving(server.port());
        leaving.Send(ClientRecord(1, "anna", "", "ssdd", {"anna", "anna-pw", 14, 1}));
    }
    EXPECT_TRUE(PumpUntil([&] { return LogHas(server, "closed by the client"); }, 3000));
    // The check finished for nobody: anna is not online, her hash is renewed.
    EXPECT_TRUE(PumpUntil([&] { return LogHas(server, "password hash of anna renewed"); }, 3000));
    RawClient anna(server.port());
    EXPECT_EQ(anna.Login("anna", "anna-pw"), 200);
}

TEST_F(PasswordWorkTest, FullQueueIsAnsweredBusyAndOldHashesAreRenewed) {
    EXPECT_NE(server.StoredHash("anna").find("m=8,t=1"), std::string::npos);
    std::vector<std::unique_ptr<RawClient>> clients;
    // From addresses of their own, as one address has one check at a time.
    for (const char *name : {"anna", "bob", "boss", "nobody"}) {
        const std::string from = "127.0.5." + std::to_string(clients.size() + 1);
        clients.push_back(std::make_unique<RawClient>(server.port(), from.c_str()));
        clients.back()->Send(
            ClientRecord(1, name, "", "ssdd", {name, std::string(name) + "-pw", 14, 1}));
        if (clients.size() == 1) {
            // Time for the thread to take anna's check, so that bob's can wait.
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
    }
    std::vector<std::int32_t> answers;
    for (auto &client : clients) {
        const auto answer = client->Read(5000);
        answers.push_back(answer ? answer->id() : 0);
    }
    // One check runs and one waits (bob's, unless the thread had not yet
    // taken anna's): the others are refused at once. An unknown name takes
    // the same way as a known one, so that its answer tells nothing.
    EXPECT_EQ(answers[0], 200);
    EXPECT_EQ(answers[2], 100);
    EXPECT_EQ(answers[3], 100);
    EXPECT_TRUE(LogHas(server, "(boss): busy: the password work queue is full"));
    EXPECT_TRUE(LogHas(server, "(nobody): busy: the password work queue is full"));
    EXPECT_NE(server.StoredHash("anna").find("m=65536,t=2"), std::string::npos);
}

} // namespace
} // namespace quord::testing
