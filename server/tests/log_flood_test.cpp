// SPDX-License-Identifier: MIT
// The server's log under attack: records before logging on, floods of
// refused records after it, names that forge lines, and refusals for lack
// of descriptors. The log stays short and truthful.
#include "server_log.h"
#include "server_test.h"

#include <sys/resource.h>
#include <sys/socket.h>

#include <filesystem>
#include <sstream>

namespace quord::testing {
namespace {

std::vector<std::string> LinesWith(const std::string &log, const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (line.find(text) != std::string::npos) {
            lines.push_back(line);
        }
    }
    return lines;
}

// The floods come faster than the record budget lets a person send: the
// budget is lifted, so that what is counted here is the log's own limit.
class LogFloodTest : public ServerTest {
protected:
    std::vector<std::string> ExtraArguments() const override {
        return {"--rate-burst", "1000000", "--rate-per-second", "1000000"};
    }
};

TEST_F(LogFloodTest, RecordBeforeTheOpeningRequestClosesTheConnectionWithOneLine) {
    RawClient client(server.port());
    client.Send(ClientRecord(307, "anna", "$server", "s", {"bob"}));
    client.Send(ClientRecord(999, "anna", "$server", "s", {"bob"}));
    EXPECT_TRUE(client.WaitClosed());
    EXPECT_EQ(LinesWith(server.Log(), "closed: record 307 before an opening request").size(), 1u);
    EXPECT_EQ(LinesWith(server.Log(), "record 999").size(), 0u);
}

TEST_F(LogFloodTest, TenThousandRefusedRecordsAfterLogonAreCountedInOneLine) {
    RawClient bob(server.port());
    ASSERT_EQ(bob.Login("bob", "bob-pw"), 200);
    bob.Send(ClientRecord(302, "bob", "$server", "dsds", {0, "#locked", 0, "right"}));
    ASSERT_TRUE(bob.ReadId(605));
    std::size_t floods = 0;
    for (const quor::QuorMessage &record :
         {ClientRecord(999, "anna", "$server", "d", {1}),
          ClientRecord(302, "anna", "$server", "dsds", {0, "#locked", 0, "wrong"})}) {
        {
            RawClient anna(server.port());
            ASSERT_EQ(anna.Login("anna", "anna-pw"), 200);
            char replies[65536];
            for (int i = 0; i < 10000; ++i) {
                ASSERT_TRUE(anna.Send(record));
                while (::recv(anna.fd(), replies, sizeof replies, MSG_DONTWAIT) > 0) {
                }
            }
            anna.Send(ClientRecord(307, "anna", "$server", "s", {"bob"})); // all of them read
            ASSERT_TRUE(anna.ReadId(405, 10000));
        }
        ++floods;
        // Logged on, 20 in full, logged off and the count, which comes last.
        EXPECT_TRUE(PumpUntil(
            [&] {
                return LinesWith(server.Log(), "9980 more lines about connection").size() == floods;
            },
            5000))
            << server.Log();
        EXPECT_EQ(LinesWith(server.Log(), "(anna)").size(), 23 * floods);
    }
}

TEST_F(LogFloodTest, NameThatForgesALineOrSteersTheTerminalIsEscaped) {
    const std::string forged =
        "x\n" + IsoUtc(std::time(nullptr)) +
        " connection 99 (boss) logged on as administrator\x1b[2J\xe2\x80\xa8";
    RawClient client(server.port());
    EXPECT_EQ(client.Login(forged, "guess"), 100);
    const std::string log = server.Log();
    EXPECT_EQ(log.find('\x1b'), std::string::npos);
    const auto forgery = LinesWith(log, "logged on as administrator");
    ASSERT_EQ(forgery.size(), 1u) << log;
    EXPECT_NE(forgery[0].find("(x\\x0a"), std::string::npos) << forgery[0];
    EXPECT_NE(forgery[0].find("\\x1b[2J\\u2028)"), std::string::npos) << forgery[0];
}

class DescriptorTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override { return {"--log-per-address", "2"}; }
};

TEST_F(DescriptorTest, RefusalsForLackOfDescriptorsAreCountedLikeOtherRefusals) {
    // The server holds only descriptors in a row from 0 (see QuordProcess).
    const auto open = std::distance(
        std::filesystem::directory_iterator("/proc/" + std::to_string(server.pid()) + "/fd"), {});
    rlimit original{};
    ASSERT_EQ(prlimit(server.pid(), RLIMIT_NOFILE, nullptr, &original), 0);
    const rlimit full{static_cast<rlim_t>(open), original.rlim_max};
    ASSERT_EQ(prlimit(server.pid(), RLIMIT_NOFILE, &full, nullptr), 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(RawClient(server.port(), "127.0.8.1").WaitClosed()) << i;
    }
    ASSERT_EQ(prlimit(server.pid(), RLIMIT_NOFILE, &original, nullptr), 0);
    ASSERT_EQ(server.Stop(), 0);
    const std::string log = server.Log();
    const auto refused = LinesWith(log, "refused connection from 127.0.8.1");
    ASSERT_EQ(refused.size(), 2u) << log;
    EXPECT_NE(refused[1].find(": out of file descriptors"), std::string::npos) << log;
    EXPECT_EQ(LinesWith(log, "4 more connections from 127.0.8.1 in the last").size(), 1u) << log;
}

} // namespace
} // namespace quord::testing
