// SPDX-License-Identifier: MIT
// The libuv adapter: a logon and a text delivered by a uv loop through the
// library's uv_poll_t, which then closes cleanly.
#include "loop_logon.h"

#include <quor/adapters/libuv.h>

#include <gtest/gtest.h>

namespace quor::testing {
namespace {

void StepServer(uv_timer_t *timer) {
    if (static_cast<LoopLogon *>(timer->data)->Step()) {
        uv_stop(timer->loop);
    }
}

void GiveUp(uv_timer_t *timer) {
    uv_stop(timer->loop);
}

TEST(LibuvAdapter, LoopDeliversALogonAndAText) {
    LoopLogon logon;
    uv_loop_t loop;
    ASSERT_EQ(uv_loop_init(&loop), 0);
    uv_poll_t library;
    ASSERT_EQ(quor_uv_start(&loop, &library), 0);
    uv_timer_t stepper;
    uv_timer_t guard;
    uv_timer_init(&loop, &stepper);
    uv_timer_init(&loop, &guard);
    stepper.data = &logon;
    uv_timer_start(&stepper, StepServer, 5, 5);
    uv_timer_start(&guard, GiveUp, 5000, 0);

    uv_run(&loop, UV_RUN_DEFAULT);

    quor_uv_stop(&library, nullptr);
    uv_close(reinterpret_cast<uv_handle_t *>(&stepper), nullptr);
    uv_close(reinterpret_cast<uv_handle_t *>(&guard), nullptr);
    uv_run(&loop, UV_RUN_DEFAULT);
    EXPECT_EQ(uv_loop_close(&loop), 0); // every handle closed
    EXPECT_EQ(LoopLogon::Outcome().loginResult, 0);
    EXPECT_EQ(LoopLogon::Outcome().sender, "bob");
    EXPECT_EQ(LoopLogon::Outcome().text, LoopLogon::Text());
}

TEST(LibuvAdapter, RefusesToStartWithoutALibrary) {
    uv_loop_t loop;
    ASSERT_EQ(uv_loop_init(&loop), 0);
    uv_poll_t library;
    EXPECT_EQ(quor_uv_start(&loop, &library), UV_EBADF);
    EXPECT_EQ(uv_loop_close(&loop), 0); // nothing was registered
}

} // namespace
} // namespace quor::testing
