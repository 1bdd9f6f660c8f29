// SPDX-License-Identifier: MIT
// The server under abuse: random records and raw garbage, too many clients,
// and strings without their NUL. Clients that do not read: flow_test.cpp.
#include "server_test.h"

#include <sys/socket.h>

#include <array>
#include <random>

namespace quord::testing {
namespace {

using RobustnessTest = ServerTest;

constexpr std::array<std::int32_t, 18> kKnownIds = {1,   2,   4,   5,   6,   200, 301, 302, 305,
                                                    307, 310, 317, 318, 403, 500, 501, 600, 999};

// A record of a known or random id whose other bytes are random, some
// with plausible typed fields.
quor::QuorMessage RandomRecord(std::mt19937 &random) {
    quor::QuorMessage record;
    for (auto &byte : record.bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    switch (random() % 4) {
    case 0:
        record.setId(static_cast<std::int32_t>(random()));
        break;
    case 1:
        record.setId(kKnownIds[random() % kKnownIds.size()]);
        break;
    default: {
        // Short fields so that the parsers get past their first checks.
        quor::QuorMessage fields;
        quor::PackFields(fields, kKnownIds[random() % kKnownIds.size()], 1, "dsds",
                         {static_cast<std::int32_t>(random() % 3),
                          "#x" + std::to_string(random() % 5),
                          static_cast<std::int32_t>(random() % 2), std::string(random() % 3, 'k')});
        fields.setRecipient(random() % 2 ? "anna" : "#x1");
        record = fields;
    }
    }
    return record;
}

void Drain(RawClient &client) {
    char buffer[65536];
    while (::recv(client.fd(), buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
    }
}

TEST_F(RobustnessTest, SurvivesTenThousandRandomRecordsAndGarbage) {
    std::mt19937 random(20240601);
    constexpr int kSockets = 4;
    constexpr int kRecords = 10000;
    std::vector<std::unique_ptr<RawClient>> clients(kSockets);
    const auto connect = [&](int i) {
        clients[i] = std::make_unique<RawClient>(server.port());
        if (i == 1) {
            clients[i]->Login("bob", "bob-pw"); // one socket talks as a logged-on user
        }
    };
    for (int i = 0; i < kSockets; ++i) {
        connect(i);
    }
    for (int n = 0; n < kRecords; ++n) {
        const int i = n % kSockets;
        bool sent;
        if (random() % 10 == 0) {
            std::array<std::uint8_t, 300> garbage;
            for (auto &byte : garbage) {
                byte = static_cast<std::uint8_t>(random());
            }
            sent = clients[i]->SendBytes(garbage.data(), random() % garbage.size() + 1);
        } else {
            sent = clients[i]->Send(RandomRecord(random));
        }
        Drain(*clients[i]);
        if (!sent) {
            connect(i); // the server closed it, as it may after an answer
        }
    }
    clients.clear();
    // The flood's refused logins hold back 127.0.0.1; another address is served.
    RawClient anna(server.port(), "127.0.0.2");
    EXPECT_EQ(anna.Login("anna", "anna-pw"), 200);
    EXPECT_NE(server.Log().find("ignored record"), std::string::npos);
}

TEST_F(RobustnessTest, StringsWithoutTheirNulAreRefusedOrIgnored) {
    RawClient client(server.port());
    quor::QuorMessage filled;
    filled.bytes.fill('A');
    filled.setId(1);
    filled.setFormat(1);
    ASSERT_TRUE(client.Send(filled));
    const auto answer = client.Read();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->id(), 100);
    EXPECT_TRUE(client.WaitClosed());

    RawClient anna(server.port());
    ASSERT_EQ(anna.Login("anna", "anna-pw"), 200);
    for (std::int32_t id : {302, 305, 307, 317, 318, 403}) {
        filled.setId(id);
        ASSERT_TRUE(anna.Send(filled));
    }
    anna.Send(ClientRecord(307, "anna", "$server", "s", {"bob"}));
    const auto status = anna.ReadId(405);
    ASSERT_TRUE(status);
    std::string name;
    std::uint8_t online = 9;
    ASSERT_TRUE(quor::ExpectFields(*status, 405, 1, "sc", {&name, &online}));
    EXPECT_EQ(name, "bob");
    EXPECT_EQ(online, 2);
}

class MaxClientsTest : public ServerTest {
    std::vector<std::string> ExtraArguments() const override { return {"--max-clients", "2"}; }
};

TEST_F(MaxClientsTest, RefusesConnectionsBeyondTheLimit) {
    auto first = std::make_unique<RawClient>(server.port());
    RawClient second(server.port());
    ASSERT_EQ(second.Login("bob", "bob-pw"), 200);
    RawClient third(server.port());
    EXPECT_TRUE(third.WaitClosed());
    EXPECT_NE(server.Log().find("refused connection"), std::string::npos);
    first.reset();
    EXPECT_TRUE(PumpUntil(
        [&] {
            RawClient anna(server.port());
            return anna.Login("anna", "anna-pw") == 200;
        },
        3000));
}

} // namespace
} // namespace quord::testing
