// SPDX-License-Identifier: MIT
// The server as the log names it, which hosts count as this machine, and
// what the TLS settings make the program say: a CA file that cannot be read
// and a logon whose password would travel unencrypted.
#include "ServerAddress.h"
#include "TlsSetup.h"

#include "hbQuorTls.h"

#include <QTest>

using namespace hbquor::client;

class ConnectionSecurityTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(hbquor::ApplyTlsSettings({}), 0); }

    void serverTextAndLoopback_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("loopback");
        QTest::newRow("localhost") << "localhost" << 8317 << "localhost:8317" << true;
        QTest::newRow("any case, with the root dot") << "LocalHost." << 1 << "LocalHost.:1" << true;
        QTest::newRow("the defaults") << "" << 0 << "localhost:8317" << true;
        QTest::newRow("127.0.0.1") << "127.0.0.1" << 9000 << "127.0.0.1:9000" << true;
        QTest::newRow("the whole 127 net") << "127.255.0.9" << 1 << "127.255.0.9:1" << true;
        QTest::newRow("128.0.0.1") << "128.0.0.1" << 1 << "128.0.0.1:1" << false;
        QTest::newRow("any address") << "0.0.0.0" << 1 << "0.0.0.0:1" << false;
        QTest::newRow("::1") << "::1" << 8317 << "[::1]:8317" << true;
        QTest::newRow("mapped 127") << "::ffff:127.0.0.1" << 1 << "[::ffff:127.0.0.1]:1" << true;
        QTest::newRow("mapped other") << "::ffff:10.0.0.1" << 1 << "[::ffff:10.0.0.1]:1" << false;
        QTest::newRow("link-local") << "fe80::1" << 1 << "[fe80::1]:1" << false;
        QTest::newRow("a name") << "chat.example.org" << 1 << "chat.example.org:1" << false;
        QTest::newRow("a name that only starts like one")
            << "localhost.example.org" << 1 << "localhost.example.org:1" << false;
        QTest::newRow("a name made of an address")
            << "127.0.0.1.example.org" << 1 << "127.0.0.1.example.org:1" << false;
    }

    void serverTextAndLoopback() {
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, text);
        QFETCH(bool, loopback);
        const ServerAddress server{host, port};
        QCOMPARE(server.Text(), text);
        QCOMPARE(server.IsLoopback(), loopback);
    }

    void plainLogonsToAnotherMachineAreWarnedOf() {
        const ServerAddress remote{QStringLiteral("chat.example.org"), 8317};
        const TlsSetup plain(ConnectionSettings{remote, false, {}, true});
        QVERIFY(plain.Problem().isEmpty());
        QVERIFY(plain.Usable());
        QCOMPARE(plain.LogonLine(), QStringLiteral("Warning: TLS is off - the password and texts "
                                                   "travel unencrypted to chat.example.org:8317"));
        QCOMPARE(TlsSetup({{QStringLiteral("::1"), 8317}, false, {}, true}).LogonLine(), QString());
        QCOMPARE(TlsSetup({remote, true, {}, true}).LogonLine(), QString());
    }

    void anUnreadableCaFileKeepsTlsOnWithTheSystemsCertificates() {
        const TlsSetup setup({{QStringLiteral("chat.example.org"), 8317},
                              true,
                              QStringLiteral("/nonexistent/ca.pem")});
        QCOMPARE(setup.Problem(), QStringLiteral("TLS: the CA file /nonexistent/ca.pem cannot be "
                                                 "read; only the system's certificates are "
                                                 "trusted"));
        QVERIFY(setup.Usable());
        QCOMPARE(setup.LogonLine(), QString());
    }
};

QTEST_GUILESS_MAIN(ConnectionSecurityTest)
#include "ConnectionSecurityTest.moc"
