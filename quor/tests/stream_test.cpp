// SPDX-License-Identifier: MIT
// What a caller sees of a busy stream, over plain TCP and over TLS alike:
// both read their socket in chunks and hand out one record per read
// notification, so the records left in a chunk must announce themselves.
#include "library_fixture.h"
#include "test_certificate.h"

#include <poll.h>

using namespace quor;
using namespace quor::testing;

namespace {

class StreamTest : public LibraryTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        if (GetParam()) {
            server.UseTls(certificate);
            ASSERT_EQ(quor_settls(QUOR_TLS_ON, certificate.certFile().c_str()), 0);
        }
    }
    void TearDown() override {
        LibraryTest::TearDown();
        quor_settls(QUOR_TLS_OFF, nullptr);
    }

    TestCertificate certificate;
};

// Two records in one segment: after the first is delivered the socket has
// nothing more to say, yet the second must not wait for new data.
TEST_P(StreamTest, RecordsWaitingInsideTheStreamNeedNoFurtherSocketData) {
    enum Driver { kPumpWaiting, kPumpNotWaiting, kPollThenPump };
    for (Driver driver : {kPumpWaiting, kPumpNotWaiting, kPollThenPump}) {
        SCOPED_TRACE(driver);
        QUORHANDLE h = LogOn();
        const auto two = Joined({MakeText("anna", "me", "one"), MakeText("bob", "me", "two")});
        server.SendRaw(two.data(), two.size());
        ASSERT_TRUE(WaitForEvents(1));
        ASSERT_EQ(Recorded().size(), 1u); // one record per read notification
        if (driver == kPollThenPump) {
            pollfd ready{quor_getfd(), POLLIN, 0};
            EXPECT_EQ(::poll(&ready, 1, 0), 1);
        }
        quor_pump(driver == kPumpWaiting ? -1 : 0);
        EXPECT_EQ(Recorded(), (std::vector<RaisedEvent>{Ev(QUOR_CB_TEXT, h, {"anna", "one"}),
                                                        Ev(QUOR_CB_TEXT, h, {"bob", "two"})}));
        Recorded().clear();
        quor_destroy(h);
    }
}

TEST_P(StreamTest, ACallerThatPumpsOnlyWhenTheDescriptorIsReadableGetsEveryRecord) {
    QUORHANDLE h = LogOn();
    const std::vector<QuorMessage> records = NumberedTexts(300); // chunks, TLS records
    const auto bytes = Joined(records);
    server.SendRaw(bytes.data(), bytes.size());
    pollfd ready{quor_getfd(), POLLIN, 0};
    // Far below the timer's period: only waiting bytes make it readable this soon.
    while (Recorded().size() < records.size() && ::poll(&ready, 1, 500) == 1) {
        quor_pump(0);
    }
    ASSERT_EQ(Recorded().size(), records.size());
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(Recorded()[i], Ev(QUOR_CB_TEXT, h, {"anna", std::to_string(i)}));
    }
}

INSTANTIATE_TEST_SUITE_P(Transports, StreamTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? "Tls" : "Plain";
                         });

} // namespace
