// SPDX-License-Identifier: MIT
#include "quor.h"

#include <utility>

namespace {

// Searched in this order; the first entry with the code wins.
constexpr std::pair<int, const char *> kErrorTexts[] = {
    {0, "no error"},
    {1, "not initialized"},
    {2, "quor handle invalid"},
    {3, "login invalid"},
    {4, "user already online"},
    {5, "connection could not be established"},
    {6, "socket not yet logged on or connection closed"},
    {7, "no such callback"},
    {8, "channel name invalid"},
    {9, "already subscribed to channel"},
    {10, "not subscribed to channel"},
    {11, "access denied"},
    {12, "version mismatch"},
    {13, "channel limit exceeded"},
    {26, "user unavailable"},
    {27, "offline datagram queue full"},
    {14, "channel is invite-only"},
    {15, "channel password is invalid"},
    {16, "not channel owner"},
    {17, "user already invited"},
    {18, "channel not invite-only"},
    {19, "IP address banned"},
    {20, "no such user"},
    {21, "bad name"},
    {22, "maximum users per e-mail"},
    {23, "e-mail address invalid"},
    {32, "name length invalid"},
    {33, "name restricted"},
    {34, "user registration disabled"},
    {35, "name taken"},
    {36, "maximum recent users created"},
    {37, "incorrect e-mail address"},
    {28, "user is an administrator"},
    {38, "password sent too recently"},
    {39, "bad password"},
    {24, "API build invalid"},
    {25, "QUORHANDLE in use"},
    {29, "timer creation failed"},
    {30, "timer initialization failed"},
    {31, "already initialized"},
    {40, "TLS handshake failed"},
    {41, "server certificate not trusted"},
    {42, "server certificate does not match the host name"},
    {43, "TLS could not be set up"},
    {44, "server sent too much before its answer"},
    {45, "proxy refused the connection"},
    {46, "proxy authentication failed"},
    {47, "proxy not reachable"},
    {48, "proxy setting invalid"},
};

} // namespace

extern "C" QUOR_API const char *quor_geterrortext(int code) {
    for (const auto &[entry, text] : kErrorTexts) {
        if (entry == code) {
            return text;
        }
    }
    return "unknown error code";
}
