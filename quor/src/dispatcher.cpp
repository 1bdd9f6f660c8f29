// SPDX-License-Identifier: MIT
#include "dispatcher.h"

#include "callbacks.h"
#include "library.h"
#include "server_messages.h"

#include "quor_wire/protocol_ids.h"

#include <type_traits>

namespace quor {

namespace {

using namespace wire;

void OnLoginResult(QuorSession &session) {
    int result = 0;
    if (session.state() != STATE_LOGGED_ON) {
        result = TranslateError(kLoginRequest, session.lastError());
    }
    RaiseCallback<QUOR_CB_LOGIN_FN>(QUOR_CB_LOGIN, HandleOf(session), result);
}

// Every purpose's outcome slot is raised through the login slot's type.
static_assert(std::is_same_v<QUOR_CB_LOGIN_FN, QUOR_CB_CREATEUSER_FN>);
static_assert(std::is_same_v<QUOR_CB_LOGIN_FN, QUOR_CB_REQPASSWORD_FN>);

void OnConnectFailed(QuorSession &session) {
    const int slot = session.purpose() == MODE_LOGIN        ? QUOR_CB_LOGIN
                     : session.purpose() == MODE_CREATEUSER ? QUOR_CB_CREATEUSER
                                                            : QUOR_CB_REQPASSWORD;
    RaiseCallback<QUOR_CB_LOGIN_FN>(slot, HandleOf(session), session.lastError());
}

// The connection is closed by now: its single answer is read from what it
// received.
void OnAccountReply(QuorSession &session) {
    const QuorMessage *m = session.TakeMessage();
    if (m == nullptr) {
        return;
    }
    QUORHANDLE h = HandleOf(session);
    if (m->id() == kAccountCreated) {
        RaiseCallback<QUOR_CB_CREATEUSER_FN>(QUOR_CB_CREATEUSER, h, 0);
    } else if (m->id() == kPasswordMailed) {
        RaiseCallback<QUOR_CB_REQPASSWORD_FN>(QUOR_CB_REQPASSWORD, h, 0);
    } else if (IsErrorId(m->id())) {
        const ErrorReply reply = ReadErrorReply(*m);
        if (reply.requestId == kCreateAccountRequest) {
            RaiseCallback<QUOR_CB_CREATEUSER_FN>(
                QUOR_CB_CREATEUSER, h, TranslateError(kCreateAccountRequest, reply.errorId));
        } else if (reply.requestId == kPasswordRequest) {
            RaiseCallback<QUOR_CB_REQPASSWORD_FN>(QUOR_CB_REQPASSWORD, h,
                                                  TranslateError(kPasswordRequest, reply.errorId));
        }
    }
}

// One record per read notification; a ping taken is answered and raises
// nothing.
void OnMessage(QuorSession &session) {
    if (const QuorMessage *m = session.TakeMessage()) {
        DispatchServerMessage(session, *m);
    }
}

} // namespace

void Dispatch(QuorConnection &connection, ConnectionEvent event) {
    auto &session = static_cast<QuorSession &>(connection);
    switch (event) {
    case EV_LOGIN_RESULT:
        OnLoginResult(session);
        break;
    case EV_CLOSED:
        RaiseCallback<QUOR_CB_DISCONNECT_FN>(QUOR_CB_DISCONNECT, HandleOf(session));
        break;
    case EV_CONNECT_FAILED:
        OnConnectFailed(session);
        break;
    case EV_CREATEUSER_REPLY:
    case EV_REQPASSWORD_REPLY:
        OnAccountReply(session);
        break;
    case EV_MESSAGE:
        OnMessage(session);
        break;
    }
}

} // namespace quor
