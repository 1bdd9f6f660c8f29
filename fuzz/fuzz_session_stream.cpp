// SPDX-License-Identifier: MIT
// Feeds an arbitrary server byte stream to one session through the
// connection's read path (receive assembler, login reply recognition, ping
// answers, dispatcher and callbacks) without a socket. The input layout is
// described in support/session_stream_input.h.
#include "checked_callbacks.h"
#include "fuzz_check.h"
#include "library.h"
#include "session_stream_input.h"

#include "quor.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace quor;
using namespace quor::fuzz;

namespace {

// What the callbacks of the current input are to do besides their checks.
struct InputRun {
    QUORHANDLE handle = nullptr;
    StreamHeader header;
    unsigned callbacks = 0;
    // Sessions the callbacks created; destroyed with the input's session.
    std::vector<QUORHANDLE> created;
};

InputRun g_run;

// Requests a real program makes from its callbacks; on a socketless session
// each is queued and then dropped by the send pump.
void AnswerWithRequests(const CallbackEvent &event) {
    if (event.peer != nullptr) {
        quor_sendtext(event.handle, event.peer, "thanks");
        quor_isonline(event.handle, event.peer);
    }
    if (event.slot == QUOR_CB_INVITATION) {
        quor_joinchannel(event.handle, event.channel, 0, nullptr);
    }
    if (event.slot == QUOR_CB_LOGIN && event.result == 0) {
        quor_addcontact(event.handle, "anna");
        quor_updatecontacts(event.handle);
        quor_reqchannellist(event.handle);
    }
    // A program starts its next session once this one has ended (a refused
    // login, an account or password answer); creating it reaps idle
    // sessions, this one included.
    const bool ended = (event.slot == QUOR_CB_LOGIN && event.result != 0) ||
                       event.slot == QUOR_CB_CREATEUSER || event.slot == QUOR_CB_REQPASSWORD;
    if (ended) {
        if (QUORHANDLE next = quor_create()) {
            g_run.created.push_back(next);
        }
    }
}

void OnCallback(const CallbackEvent &event) {
    FUZZ_CHECK(event.handle == g_run.handle);
    ++g_run.callbacks;
    if (g_run.header.answerWithRequests) {
        AnswerWithRequests(event);
    }
    if (g_run.callbacks == g_run.header.reentrantCallback) {
        if (g_run.header.terminateInsteadOfDestroy) {
            quor_term();
        } else {
            FUZZ_CHECK(quor_destroy(event.handle) == 0);
        }
    }
}

// The connection state and purpose of each situation, by its number.
struct SituationState {
    int state;
    ConnectionMode purpose;
};
constexpr SituationState kSituations[] = {
    {STATE_LOGGED_ON, MODE_LOGIN},
    {STATE_AWAITING_REPLY, MODE_LOGIN},
    {STATE_AWAITING_REPLY, MODE_CREATEUSER},
    {STATE_AWAITING_REPLY, MODE_REQPASSWORD},
};

void AssumeSituation(QuorSession &session, StreamSituation situation) {
    const SituationState &s = kSituations[static_cast<std::size_t>(situation)];
    session.AssumeStateForTesting(s.state, "me", s.purpose);
}

// One read notification as the library's pump delivers it: a session that a
// callback destroys stays in memory until the pump returns.
void DeliverRead(QuorSession &session, std::span<const std::uint8_t> bytes) {
    Library &lib = Lib();
    ++lib.pumpDepth;
    session.Received(bytes.data(), bytes.size());
    --lib.pumpDepth;
    lib.graveyard.clear();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (!Lib().initialised) {
        FUZZ_CHECK(quor_init(QUOR_API_BUILD) == 0);
    }
    ByteReader in(data, size);
    g_run = InputRun{};
    g_run.header = ReadStreamHeader(in);
    RegisterCheckedCallbacks(&OnCallback, g_run.header.emptySlots);
    g_run.handle = quor_create();
    FUZZ_CHECK(g_run.handle != nullptr);
    const auto tag = reinterpret_cast<std::uintptr_t>(g_run.handle);
    QuorSession *session = FindSession(tag);
    FUZZ_CHECK(session != nullptr);
    AssumeSituation(*session, g_run.header.situation);

    // The socket of a real session is closed once the session is idle, so
    // no further reads arrive.
    while (!in.empty() && session->state() != STATE_IDLE) {
        DeliverRead(*session, ReadChunk(in));
        session = Lib().initialised ? FindSession(tag) : nullptr;
        if (session == nullptr) {
            break;
        }
    }

    if (Lib().initialised) {
        FUZZ_CHECK(quor_destroy(g_run.handle) == 0);
        FUZZ_CHECK(FindSession(tag) == nullptr);
        for (QUORHANDLE created : g_run.created) {
            FUZZ_CHECK(quor_destroy(created) == 0);
        }
    }
    return 0;
}
