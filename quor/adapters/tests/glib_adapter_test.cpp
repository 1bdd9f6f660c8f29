// SPDX-License-Identifier: MIT
// The GLib adapter: a logon and a text delivered by a GMainLoop through the
// library's GSource, and a source that outlives its library.
#include "loop_logon.h"

#include <quor/adapters/glib.h>

#include <gtest/gtest.h>

namespace quor::testing {
namespace {

struct LoopRun {
    LoopLogon *logon;
    GMainLoop *loop;
};

gboolean StepServer(gpointer data) {
    auto *run = static_cast<LoopRun *>(data);
    if (run->logon->Step()) {
        g_main_loop_quit(run->loop);
    }
    return G_SOURCE_CONTINUE;
}

gboolean GiveUp(gpointer data) {
    g_main_loop_quit(static_cast<GMainLoop *>(data));
    return G_SOURCE_REMOVE;
}

// A timer source on the context, calling fn with data every ms.
GSource *AttachTimer(GMainContext *context, guint ms, GSourceFunc fn, gpointer data) {
    GSource *timer = g_timeout_source_new(ms);
    g_source_set_callback(timer, fn, data, nullptr);
    g_source_attach(timer, context);
    return timer;
}

void Detach(GSource *source) {
    g_source_destroy(source);
    g_source_unref(source);
}

TEST(GlibAdapter, MainLoopDeliversALogonAndAText) {
    LoopLogon logon;
    GMainContext *context = g_main_context_new();
    GMainLoop *loop = g_main_loop_new(context, FALSE);
    GSource *library = quor_glib_source_new();
    ASSERT_NE(library, nullptr);
    g_source_attach(library, context);
    LoopRun run{&logon, loop};
    GSource *stepper = AttachTimer(context, 5, StepServer, &run);
    GSource *guard = AttachTimer(context, 5000, GiveUp, loop);

    g_main_loop_run(loop);

    Detach(guard);
    Detach(stepper);
    Detach(library);
    g_main_loop_unref(loop);
    g_main_context_unref(context);
    EXPECT_EQ(LoopLogon::Outcome().loginResult, 0);
    EXPECT_EQ(LoopLogon::Outcome().sender, "bob");
    EXPECT_EQ(LoopLogon::Outcome().text, LoopLogon::Text());
}

TEST(GlibAdapter, SourceRemovesItselfOnceItsLibraryIsTerminated) {
    EXPECT_EQ(quor_glib_source_new(), nullptr);

    ASSERT_EQ(quor_init(QUOR_API_BUILD), 0);
    GMainContext *context = g_main_context_new();
    GSource *library = quor_glib_source_new();
    g_source_attach(library, context);
    quor_term();
    for (int i = 0; i < 10 && !g_source_is_destroyed(library); ++i) {
        g_main_context_iteration(context, FALSE);
    }
    EXPECT_TRUE(g_source_is_destroyed(library));
    g_source_unref(library);
    g_main_context_unref(context);
}

} // namespace
} // namespace quor::testing
