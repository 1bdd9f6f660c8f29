// SPDX-License-Identifier: MIT
#include "ConnectionSettings.h"

#include "CheckedKeys.h"
#include "QuorSettings.h"

namespace {

const QString TlsKey = QStringLiteral("QuorTls");
const QString CaFileKey = QStringLiteral("QuorCaFile");
const QString AutoReconnectKey = QStringLiteral("AutoReconnect");
const QString ProxyTypeKey = QStringLiteral("ProxyType");
const QString ProxyHostKey = QStringLiteral("ProxyHost");
const QString ProxyPortKey = QStringLiteral("ProxyPort");
const QString ProxyUserKey = QStringLiteral("ProxyUser");
const QString RememberPasswordKey = QStringLiteral("RememberPassword");
const QString AutoLogonKey = QStringLiteral("AutoLogon");

constexpr int HighestPort = 65535;

} // namespace

ConnectionSettings ConnectionSettings::Read(CheckedKeys &keys) {
    ConnectionSettings s;
    s.Tls = keys.Bool(TlsKey, s.Tls);
    s.CaFile = keys.String(CaFileKey, s.CaFile);
    s.AutoReconnect = keys.Bool(AutoReconnectKey, s.AutoReconnect);
    s.ProxyType = static_cast<Proxy>(keys.Integer(ProxyTypeKey, static_cast<int>(s.ProxyType),
                                                  static_cast<int>(Proxy::None),
                                                  static_cast<int>(Proxy::Http)));
    s.ProxyHost = keys.String(ProxyHostKey, s.ProxyHost);
    s.ProxyPort = keys.Integer(ProxyPortKey, s.ProxyPort, 0, HighestPort);
    s.ProxyUser = keys.String(ProxyUserKey, s.ProxyUser);
    s.RememberPassword = keys.Bool(RememberPasswordKey, s.RememberPassword);
    s.AutoLogon = keys.Bool(AutoLogonKey, s.AutoLogon);
    return s;
}

void ConnectionSettings::Write(QuorSettings &file, const QString &section) const {
    file.WriteBool(section, TlsKey, Tls);
    file.WriteString(section, CaFileKey, CaFile);
    file.WriteBool(section, AutoReconnectKey, AutoReconnect);
    file.WriteInteger(section, ProxyTypeKey, static_cast<int>(ProxyType));
    file.WriteString(section, ProxyHostKey, ProxyHost);
    file.WriteInteger(section, ProxyPortKey, ProxyPort);
    file.WriteString(section, ProxyUserKey, ProxyUser);
    file.WriteBool(section, RememberPasswordKey, RememberPassword);
    file.WriteBool(section, AutoLogonKey, AutoLogon);
}
