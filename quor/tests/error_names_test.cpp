// SPDX-License-Identifier: MIT
// The header's named error codes: each library code names the text the
// library gives it, and each socket code is what the matching system error
// becomes.
#include "socket_errors.h"

#include "quor.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <string>

namespace quor::testing {
namespace {

struct NamedCode {
    int code;
    const char *text;
};

TEST(ErrorNames, EveryLibraryCodeNamesItsText) {
    const NamedCode named[] = {
        {QUOR_ERR_NONE, "no error"},
        {QUOR_ERR_NOT_INITIALIZED, "not initialized"},
        {QUOR_ERR_INVALID_HANDLE, "quor handle invalid"},
        {QUOR_ERR_LOGIN_INVALID, "login invalid"},
        {QUOR_ERR_ALREADY_ONLINE, "user already online"},
        {QUOR_ERR_CONNECT, "connection could not be established"},
        {QUOR_ERR_NOT_LOGGED_ON, "socket not yet logged on or connection closed"},
        {QUOR_ERR_NO_SUCH_CALLBACK, "no such callback"},
        {QUOR_ERR_CHANNEL_NAME_INVALID, "channel name invalid"},
        {QUOR_ERR_ALREADY_SUBSCRIBED, "already subscribed to channel"},
        {QUOR_ERR_NOT_SUBSCRIBED, "not subscribed to channel"},
        {QUOR_ERR_ACCESS_DENIED, "access denied"},
        {QUOR_ERR_VERSION_MISMATCH, "version mismatch"},
        {QUOR_ERR_CHANNEL_LIMIT, "channel limit exceeded"},
        {QUOR_ERR_CHANNEL_INVITE_ONLY, "channel is invite-only"},
        {QUOR_ERR_CHANNEL_PASSWORD, "channel password is invalid"},
        {QUOR_ERR_NOT_CHANNEL_OWNER, "not channel owner"},
        {QUOR_ERR_ALREADY_INVITED, "user already invited"},
        {QUOR_ERR_CHANNEL_NOT_INVITE_ONLY, "channel not invite-only"},
        {QUOR_ERR_ADDRESS_BANNED, "IP address banned"},
        {QUOR_ERR_NO_SUCH_USER, "no such user"},
        {QUOR_ERR_BAD_NAME, "bad name"},
        {QUOR_ERR_USERS_PER_EMAIL, "maximum users per e-mail"},
        {QUOR_ERR_EMAIL_INVALID, "e-mail address invalid"},
        {QUOR_ERR_API_BUILD, "API build invalid"},
        {QUOR_ERR_HANDLE_IN_USE, "QUORHANDLE in use"},
        {QUOR_ERR_USER_UNAVAILABLE, "user unavailable"},
        {QUOR_ERR_OFFLINE_QUEUE_FULL, "offline datagram queue full"},
        {QUOR_ERR_USER_IS_ADMINISTRATOR, "user is an administrator"},
        {QUOR_ERR_TIMER_CREATE, "timer creation failed"},
        {QUOR_ERR_TIMER_INIT, "timer initialization failed"},
        {QUOR_ERR_ALREADY_INITIALIZED, "already initialized"},
        {QUOR_ERR_NAME_LENGTH, "name length invalid"},
        {QUOR_ERR_NAME_RESTRICTED, "name restricted"},
        {QUOR_ERR_REGISTRATION_DISABLED, "user registration disabled"},
        {QUOR_ERR_NAME_TAKEN, "name taken"},
        {QUOR_ERR_RECENT_USERS, "maximum recent users created"},
        {QUOR_ERR_EMAIL_INCORRECT, "incorrect e-mail address"},
        {QUOR_ERR_PASSWORD_TOO_RECENT, "password sent too recently"},
        {QUOR_ERR_BAD_PASSWORD, "bad password"},
        {QUOR_ERR_TLS_HANDSHAKE, "TLS handshake failed"},
        {QUOR_ERR_TLS_UNTRUSTED, "server certificate not trusted"},
        {QUOR_ERR_TLS_HOST_MISMATCH, "server certificate does not match the host name"},
        {QUOR_ERR_TLS_SETUP, "TLS could not be set up"},
        {QUOR_ERR_TOO_MUCH_BEFORE_REPLY, "server sent too much before its answer"},
        {QUOR_ERR_PROXY_REFUSED, "proxy refused the connection"},
        {QUOR_ERR_PROXY_AUTH, "proxy authentication failed"},
        {QUOR_ERR_PROXY_UNREACHABLE, "proxy not reachable"},
        {QUOR_ERR_PROXY_SETTING, "proxy setting invalid"},
    };
    std::set<int> codes;
    for (const NamedCode &n : named) {
        EXPECT_STREQ(quor_geterrortext(n.code), n.text) << "code " << n.code;
        codes.insert(n.code);
    }
    EXPECT_EQ(codes.size(), 49u); // 0 to 48, each named once
    EXPECT_EQ(*codes.rbegin(), 48);
}

TEST(ErrorNames, SocketCodesAreWhatTheSystemErrorsBecome) {
    const std::pair<int, int> named[] = {
        {QUOR_ERR_SOCKET_INVALID, EINVAL},
        {QUOR_ERR_SOCKET_ADDRESS_IN_USE, EADDRINUSE},
        {QUOR_ERR_SOCKET_ADDRESS_UNAVAILABLE, EADDRNOTAVAIL},
        {QUOR_ERR_SOCKET_NETWORK_DOWN, ENETDOWN},
        {QUOR_ERR_SOCKET_NETWORK_UNREACHABLE, ENETUNREACH},
        {QUOR_ERR_SOCKET_ABORTED, ECONNABORTED},
        {QUOR_ERR_SOCKET_RESET, ECONNRESET},
        {QUOR_ERR_SOCKET_TIMED_OUT, ETIMEDOUT},
        {QUOR_ERR_SOCKET_REFUSED, ECONNREFUSED},
        {QUOR_ERR_SOCKET_HOST_DOWN, EHOSTDOWN},
        {QUOR_ERR_SOCKET_HOST_UNREACHABLE, EHOSTUNREACH},
    };
    for (const auto &[code, err] : named) {
        EXPECT_EQ(SocketErrorFromErrno(err), code) << "errno " << err;
    }
}

} // namespace
} // namespace quor::testing
