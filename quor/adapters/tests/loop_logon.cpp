// SPDX-License-Identifier: MIT
#include "loop_logon.h"

#include "quor_wire/protocol_ids.h"

#include <stdexcept>

namespace quor::testing {

namespace {

LoopOutcome outcome;

void OnLogin(QUORHANDLE, int result) {
    outcome.loginResult = result;
}

void OnText(QUORHANDLE, const char *sender, const char *text) {
    outcome.sender = sender;
    outcome.text = text;
}

} // namespace

LoopLogon::LoopLogon() {
    outcome = {};
    if (quor_init(QUOR_API_BUILD) != 0) {
        throw std::runtime_error("loop logon: the library does not start");
    }
    quor_setcallback(QUOR_CB_LOGIN, reinterpret_cast<QUORCALLBACK>(OnLogin));
    quor_setcallback(QUOR_CB_TEXT, reinterpret_cast<QUORCALLBACK>(OnText));
    server_.UseForLibrary();
    if (quor_login(quor_create(), "anna", "secret") != 0) {
        throw std::runtime_error("loop logon: the login request fails at once");
    }
}

LoopLogon::~LoopLogon() {
    quor_term();
    quor_setcallback(QUOR_CB_LOGIN, nullptr);
    quor_setcallback(QUOR_CB_TEXT, nullptr);
    quor_setserver(nullptr, 0);
}

bool LoopLogon::Step() {
    if (stage_ == Stage::Accept && server_.Accept(0) >= 0) {
        stage_ = Stage::ReadOpening;
    }
    if (stage_ == Stage::ReadOpening) {
        if (auto opening = server_.Read(0); opening && opening->id() == wire::kLoginRequest) {
            server_.Send(MakeRecord(wire::kLoggedOnUser, "$server", ""));
            server_.Send(MakeText("bob", "anna", Text()));
            stage_ = Stage::Done;
        }
    }
    return !outcome.text.empty();
}

const LoopOutcome &LoopLogon::Outcome() {
    return outcome;
}

} // namespace quor::testing
