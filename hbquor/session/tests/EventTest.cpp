// SPDX-License-Identifier: MIT
// The single-handler event and the fault guard around library calls.
#include "hbQuorEvent.h"
#include "hbQuorGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace hbquor {
namespace {

struct Listener {
    std::string heard;
    void Hear(const std::string &text, int n) { heard += text + std::to_string(n); }
};

TEST(ThbQuorEvent, WithoutAHandlerNothingHappens) {
    ThbQuorEvent<const std::string &, int> event;
    EXPECT_FALSE(event.Assigned());
    event("ignored", 1); // must not crash
}

TEST(ThbQuorEvent, CallsAMemberFunctionOfItsTarget) {
    Listener listener;
    ThbQuorEvent<const std::string &, int> event;
    event.Set(&listener, &Listener::Hear);
    EXPECT_TRUE(event.Assigned());
    event("a", 1);
    event("b", 2);
    EXPECT_EQ(listener.heard, "a1b2");
}

TEST(ThbQuorEvent, ASetterReplacesTheOneHandler) {
    Listener first, second;
    ThbQuorEvent<const std::string &, int> event;
    event.Set(&first, &Listener::Hear);
    event.Set(&second, &Listener::Hear);
    event("x", 3);
    EXPECT_EQ(first.heard, "");
    EXPECT_EQ(second.heard, "x3");
    int calls = 0;
    event.Set([&](const std::string &, int) { ++calls; });
    event("y", 4);
    EXPECT_EQ(calls, 1);
    event.Clear();
    event("z", 5);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(second.heard, "x3");
}

TEST(ThbQuorEvent, AHandlerMayReplaceItselfWhileItRuns) {
    ThbQuorEvent<const std::string &, int> event;
    std::string trace;
    event.Set([&](const std::string &text, int) {
        event.Set([&](const std::string &later, int) { trace += "second:" + later; });
        trace += "first:" + text + ";"; // still safe to use captures here
    });
    event("a", 1);
    event("b", 2);
    EXPECT_EQ(trace, "first:a;second:b");
}

TEST(GuardLibraryCall, PassesCompletedCallsThrough) {
    int result = 0;
    EXPECT_EQ(GuardLibraryCall([&] { result = 7; }), std::nullopt);
    EXPECT_EQ(result, 7);
}

TEST(GuardLibraryCall, TurnsAFaultIntoItsKindAndMessage) {
    auto text = GuardLibraryCall([] { throw std::runtime_error("socket table damaged"); });
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "std::runtime_error - socket table damaged");
    auto other = GuardLibraryCall([] { throw 42; });
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(*other, UnknownFaultText());
}

} // namespace
} // namespace hbquor
