// SPDX-License-Identifier: MIT
// Proxies for the session layer: the program's proxy settings handed to the
// library, which opens every later log-on, account request and password
// request through that proxy.
#pragma once

#include <string>

namespace hbquor {

enum class TQuorProxyType { None = 0, Socks5 = 1, Http = 2 };

struct TQuorProxySettings {
    TQuorProxyType Type = TQuorProxyType::None;
    std::string Host;
    int Port = 0;
    std::string User;     // empty: no authentication
    std::string Password; // never logged
};

// Hands the proxy to the library for every later connection; 0, or the
// library's error code (the earlier proxy then stays in force).
int ApplyProxySettings(const TQuorProxySettings &settings);

} // namespace hbquor
