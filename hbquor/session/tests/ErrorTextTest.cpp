// SPDX-License-Identifier: MIT
// Error texts for the session layer's own codes, socket errors and the
// library's codes.
#include "hbQuorErrors.h"

#include "quor.h"

#include <gtest/gtest.h>

namespace hbquor {
namespace {

TEST(ErrorText, ZeroIsEmptyAndOwnCodesAreInternal) {
    EXPECT_EQ(ErrorText(0), "");
    EXPECT_EQ(ErrorText(-1), "internal error");
    EXPECT_EQ(ErrorText(-5), "internal error");
    EXPECT_EQ(ErrorText(-20), "internal error");
    EXPECT_EQ(ErrorText(-10000), "internal error");
    EXPECT_EQ(ErrorText(-10001), quor_geterrortext(-10001));
}

TEST(ErrorText, SocketErrorsHaveTheirOwnTexts) {
    EXPECT_EQ(ErrorText(10004), "Interrupted Function Call - A blocking operation was cancelled");
    EXPECT_EQ(ErrorText(10022),
              "An obscure Winsock error message: An invalid argument was passed to a function. Is "
              "your DHCP server unreacheable (cable not connected, wrong ipconfig settings)?");
    EXPECT_EQ(ErrorText(10054), "The connection is reset by the remote device");
    EXPECT_EQ(ErrorText(10061), "Connection is forcefully rejected");
    EXPECT_EQ(ErrorText(10093), "WinsockInit should be called first");
    EXPECT_EQ(ErrorText(11004), "Valid name; no data record of requested type");
    EXPECT_EQ(ErrorText(10060), ErrorText(10058));
    EXPECT_EQ(ErrorText(10058), "Socket has been shut down");
}

TEST(ErrorText, OtherCodesComeFromTheLibrary) {
    EXPECT_EQ(ErrorText(3), "login invalid");
    EXPECT_EQ(ErrorText(26), "user unavailable");
    EXPECT_EQ(ErrorText(40), "TLS handshake failed");
    EXPECT_EQ(ErrorText(41), "server certificate not trusted");
    EXPECT_EQ(ErrorText(42), "server certificate does not match the host name");
    EXPECT_EQ(ErrorText(43), "TLS could not be set up");
    EXPECT_EQ(ErrorText(44), "server sent too much before its answer");
    EXPECT_EQ(ErrorText(45), "proxy refused the connection");
    EXPECT_EQ(ErrorText(46), "proxy authentication failed");
    EXPECT_EQ(ErrorText(47), "proxy not reachable");
    EXPECT_EQ(ErrorText(48), "proxy setting invalid");
    EXPECT_EQ(ErrorText(49), "unknown error code");
    // Socket numbers outside the table go to the library too.
    for (int code : {10039, 10041, 10042, 10044, 10047, 10059, 10062, 10092, 10094, 11000})
        EXPECT_EQ(ErrorText(code), "unknown error code") << code;
}

} // namespace
} // namespace hbquor
