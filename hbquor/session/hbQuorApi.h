// SPDX-License-Identifier: MIT
// The program's binding to the protocol library. The program links against
// libquor.so at build time, so the loader refuses to start it when the
// library or one of the functions below is missing; there is no lazy
// loading and no fallback.
//
// Functions the session layer calls (all but the two user-data functions):
//   frame:     quor_init, quor_term, quor_create, quor_destroy,
//              quor_setcallback, quor_getlasterror, quor_geterrortext
//   log-on:    quor_login, quor_createuser, quor_reqpassword
//   requests:  quor_sendtext, quor_isonline, quor_pinguser, quor_joinchannel,
//              quor_leavechannel, quor_reqchannellist, quor_inviteuser,
//              quor_requserprofile, quor_modifyuserprofile, quor_changeemail
//   contacts:  quor_addcontact, quor_delcontact, quor_updatecontacts
// On this platform the library is driven through quor_getfd and quor_pump,
// and quor_setserver chooses its server; hbQuorPump.h wraps all three, so
// the windows never call the library themselves.
#pragma once

#include "quor.h"

namespace hbquor {

// The API build the program was written for; quor_init is always given it.
inline constexpr int kQuorApiBuild = QUOR_API_BUILD;
static_assert(kQuorApiBuild == 14, "the session layer speaks API build 14");

// The session layer's own result codes; any other value is a library error
// code or a socket error passed through.
inline constexpr int kResultOk = 0;
// Bad or empty argument, unknown session or entry, or wrong state.
inline constexpr int kResultBadRequest = -1;
// Connect on a session that is already connecting or connected.
inline constexpr int kResultAlreadyConnecting = -2;
// A request that needs a library handle on a session without one.
inline constexpr int kResultNoHandle = -20;

} // namespace hbquor
