#include "ConnectionSettings.h"

#include "QuorSettings.h"

namespace {

const QString TlsKey = QStringLiteral("QuorTls");
const QString CaFileKey = QStringLiteral("QuorCaFile");
const QString AutoReconnectKey = QStringLiteral("AutoReconnect");

} // namespace

ConnectionSettings ConnectionSettings::Read(const QuorSettings &file, const QString &section) {
    ConnectionSettings s;
    s.Tls = file.ReadBool(section, TlsKey, s.Tls);
    s.CaFile = file.ReadString(section, CaFileKey, s.CaFile);
    s.AutoReconnect = file.ReadBool(section, AutoReconnectKey, s.AutoReconnect);
    return s;
}

void ConnectionSettings::Write(QuorSettings &file, const QString &section) const {
    file.WriteBool(section, TlsKey, Tls);
    file.WriteString(section, CaFileKey, CaFile);
    file.WriteBool(section, AutoReconnectKey, AutoReconnect);
}
