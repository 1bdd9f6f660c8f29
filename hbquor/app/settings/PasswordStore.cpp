// SPDX-License-Identifier: MIT
#include "PasswordStore.h"

namespace hbquor::settings {

QString AccountPasswordKey(const QString &server, const QString &user) {
    return QStringLiteral("account ") + user + QLatin1Char('@') + server;
}

QString ProxyPasswordKey(const QString &proxy, const QString &user) {
    return QStringLiteral("proxy ") + user + QLatin1Char('@') + proxy;
}

} // namespace hbquor::settings
