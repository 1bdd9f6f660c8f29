// SPDX-License-Identifier: MIT
#include "hbQuorProxy.h"

#include "hbQuorApi.h"

namespace hbquor {

int ApplyProxySettings(const TQuorProxySettings &settings) {
    const char *user = settings.User.empty() ? nullptr : settings.User.c_str();
    const char *password = user ? settings.Password.c_str() : nullptr;
    const int result = quor_setproxy(static_cast<int>(settings.Type), settings.Host.c_str(),
                                     settings.Port, user, password);
    return result == 0 ? kResultOk : quor_getlasterror();
}

} // namespace hbquor
