// SPDX-License-Identifier: MIT
#include "ServerAddress.h"

#include <arpa/inet.h>
#include <netinet/in.h>

namespace hbquor::client {

namespace {

constexpr int DefaultPort = 8317;

bool IsLoopbackIPv4(const QByteArray &host) {
    in_addr address{};
    return inet_pton(AF_INET, host.constData(), &address) == 1 &&
           (ntohl(address.s_addr) >> 24) == 127;
}

bool IsLoopbackIPv6(const QByteArray &host) {
    in6_addr address{};
    if (inet_pton(AF_INET6, host.constData(), &address) != 1)
        return false;
    return IN6_IS_ADDR_LOOPBACK(&address) ||
           (IN6_IS_ADDR_V4MAPPED(&address) && address.s6_addr[12] == 127);
}

bool IsIPv6(const QString &host) {
    in6_addr address{};
    return inet_pton(AF_INET6, host.toLatin1().constData(), &address) == 1;
}

} // namespace

QString ServerAddress::EffectiveHost() const {
    return Host.isEmpty() ? QStringLiteral("localhost") : Host;
}

QString ServerAddress::Text() const {
    const QString host = EffectiveHost();
    const int port = Port > 0 ? Port : DefaultPort;
    return (IsIPv6(host) ? QLatin1Char('[') + host + QLatin1Char(']') : host) + QLatin1Char(':') +
           QString::number(port);
}

bool ServerAddress::IsLoopback() const {
    const QString host = EffectiveHost();
    if (host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 ||
        host.compare(QStringLiteral("localhost."), Qt::CaseInsensitive) == 0)
        return true;
    const QByteArray latin = host.toLatin1();
    return IsLoopbackIPv4(latin) || IsLoopbackIPv6(latin);
}

} // namespace hbquor::client
