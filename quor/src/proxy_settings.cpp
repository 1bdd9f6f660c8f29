// SPDX-License-Identifier: MIT
// The export that chooses a proxy, or none, for later connect requests.
#include "library.h"
#include "proxy_handshake.h"

#include "quor.h"

#include <cstring>

using namespace quor;

namespace {

bool FitsCredential(const char *text) {
    return std::strlen(OrEmpty(text)) <= kMaxProxyCredential;
}

} // namespace

extern "C" QUOR_API int quor_setproxy(int type, const char *host, int port, const char *user,
                                      const char *password) {
    Library &lib = Lib();
    if (type == QUOR_PROXY_NONE) {
        lib.proxy = ProxySettings{};
        return Succeed();
    }
    if ((type != QUOR_PROXY_SOCKS5 && type != QUOR_PROXY_HTTP) || OrEmpty(host)[0] == '\0' ||
        port < 1 || port > 65535 || !FitsCredential(user) || !FitsCredential(password)) {
        return Fail(QUOR_ERR_PROXY_SETTING);
    }
    lib.proxy = ProxySettings{type, host, port, OrEmpty(user), OrEmpty(password)};
    return Succeed();
}
