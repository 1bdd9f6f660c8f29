// SPDX-License-Identifier: MIT
// The program's connection end to end against the real chat server: a
// server restart it logs on again after, with its channels and texts; a
// Logoff during the retries; a refused logon and a logon elsewhere that end
// them; an e-mail change that ends the session without any; TLS with
// QuorCaFile and a certificate it does not trust; and the warning of a
// logon whose password would travel unencrypted. Anna's window runs in this
// process with the retries on a clock of the test's own; bob's program runs
// in a second process on real time.
#include "MainWindowFixture.h"
#include "PeerInstance.h"
#include "QuordForAnnaAndBob.h"

#include "UnitQuorChannel.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"
#include "pump_until.h"
#include "test_certificate.h"

#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <memory>

using namespace std::chrono_literals;

class ConnectionQuordTest : public QObject {
    Q_OBJECT

    std::unique_ptr<quord::testing::QuordProcess> FServer;
    std::unique_ptr<MainWindowFixture> F;
    TFormQuorMain *W = nullptr;

    QStringList LogLines() const { return W->ui.RichEdit1->toPlainText().split(QLatin1Char('\n')); }

    bool AwaitLogLine(const QString &line, int ms = 5000) {
        return quor::testing::PumpUntil([&] { return LogLines().contains(line); }, ms,
                                        hbquor::PumpPending);
    }

    QString Server() const { return QStringLiteral("127.0.0.1:%1").arg(FServer->port()); }

    /// Anna's window on the test's clock, for the running server reached
    /// as host, with further settings lines.
    void StartAnna(const QByteArray &moreSettings = {},
                   const QString &host = QStringLiteral("127.0.0.1")) {
        F = std::make_unique<MainWindowFixture>();
        F->ReconnectNow = std::chrono::steady_clock::time_point{};
        F->WriteSettings(QStringLiteral("[Parameters]\nQuorHost=%1\nQuorPort=%2\n")
                             .arg(host)
                             .arg(FServer->port())
                             .toUtf8() +
                         moreSettings);
        W = &F->Start();
    }

    void LogOnAnna() {
        F->LogOn(QStringLiteral("anna"), QStringLiteral("anna-pw"));
        QVERIFY(AwaitLogLine(QStringLiteral("Connected: anna")));
    }

    /// Moves anna's retry clock on and lets a due attempt start.
    void WaitForRetry(std::chrono::seconds time) {
        *F->ReconnectNow += time;
        F->Client().Reconnection().Poll();
    }

    bool AwaitMembers(const QString &channel, const QStringList &members) {
        return quor::testing::PumpUntil(
            [&] {
                const TFormQuorChannel *window = W->TalkWindows().FindChannelWindow(channel);
                return window != nullptr && window->MemberNames() == members;
            },
            5000, hbquor::PumpPending);
    }

private slots:
    void init() {
        FServer = StartQuordForAnnaAndBob();
        QVERIFY(FServer != nullptr);
    }

    void cleanup() {
        F.reset();
        FServer.reset();
    }

    void aServerRestartIsFollowedByTheSessionAndItsChannels() {
        PeerInstance bob(FServer->port());
        QVERIFY(bob.Started());
        QCOMPARE(bob.Ask(QStringLiteral("logon bob bob-pw")), QStringLiteral("ok"));
        QVERIFY(bob.AwaitLogLine(QStringLiteral("Connected: bob")));
        StartAnna();
        LogOnAnna();
        F->JoinChannel(QStringLiteral("lobby"));
        F->JoinChannel(QStringLiteral("den"), 2, QStringLiteral("den-pw"));
        QCOMPARE(bob.Ask(QStringLiteral("join lobby")), QStringLiteral("ok"));
        const QStringList both{QStringLiteral("anna"), QStringLiteral("bob")};
        QVERIFY(AwaitMembers(QStringLiteral("#lobby"), both));

        QVERIFY(FServer->Restart());
        QVERIFY(AwaitLogLine(QStringLiteral("Disconnected: anna")));
        QCOMPARE(LogLines().last(),
                 QStringLiteral("Connection lost - reconnecting to %1 in 1 s").arg(Server()));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - anna"));
        QVERIFY(W->ui.spbLogoff->isEnabled());
        QCOMPARE(W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby")), nullptr);
        // Bob's program retries on real time and rejoins #lobby.
        QVERIFY(bob.AwaitAnswer(
            QStringLiteral("log"),
            [](const QString &log) {
                return log.split(kSeparator).count(QStringLiteral("bob joined channel #lobby")) ==
                       2;
            },
            500));

        WaitForRetry(1s);
        QVERIFY(quor::testing::PumpUntil(
            [this] { return LogLines().count(QStringLiteral("Connected: anna")) == 2; }, 5000,
            hbquor::PumpPending));
        QVERIFY(AwaitMembers(QStringLiteral("#lobby"), both));
        QVERIFY(AwaitMembers(QStringLiteral("#den"), {QStringLiteral("anna")}));
        QVERIFY(W->ui.inpSayThis->isEnabled());

        // Texts flow both ways again, in the channel and in private.
        QVERIFY(F->Say(QStringLiteral("#lobby"), QStringLiteral("back again")));
        QVERIFY(bob.AwaitLogLine(QStringLiteral("#lobby - anna: \tback again")));
        QCOMPARE(bob.Ask(QStringLiteral("say anna welcome back")), QStringLiteral("sent"));
        QVERIFY(AwaitLogLine(QStringLiteral("bob (to anna): \twelcome back")));
        // #den was made again with its password: bob without it is refused.
        QCOMPARE(bob.Ask(QStringLiteral("join den")), QStringLiteral("ok"));
        QVERIFY(bob.AwaitAnswer(QStringLiteral("log"), [](const QString &log) {
            return log.contains(QStringLiteral("Channel error: #den, bob - 15 "));
        }));
        QCOMPARE(bob.Finish(), 0);
    }

    void logoffDuringTheRetriesStopsThem() {
        StartAnna();
        LogOnAnna();
        FServer->Stop();
        QVERIFY(AwaitLogLine(
            QStringLiteral("Connection lost - reconnecting to %1 in 1 s").arg(Server())));
        WaitForRetry(1s);
        QVERIFY(quor::testing::PumpUntil(
            [this] {
                return LogLines().last().startsWith(
                    QStringLiteral("Reconnect attempt 1 to %1 failed: 10061 ").arg(Server()));
            },
            5000, hbquor::PumpPending));
        QVERIFY(LogLines().last().endsWith(QStringLiteral(" - next attempt in 2 s")));
        W->spbLogoffClick();
        QVERIFY(!F->Client().Reconnection().Retrying());
        QCOMPARE(LogLines().mid(LogLines().size() - 2),
                 (QStringList{QStringLiteral("Reconnecting stopped"),
                              QStringLiteral("Disconnected: anna")}));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - disconnected"));

        QVERIFY(FServer->Restart());
        WaitForRetry(1min);
        quor::testing::PumpFor(300, hbquor::PumpPending);
        QCOMPARE(LogLines().count(QStringLiteral("Connected: anna")), 1);
        QVERIFY(!F->Client().Central().IsConnected("anna"));
    }

    void aLogonElsewhereEndsTheRetries() {
        StartAnna();
        LogOnAnna();
        QVERIFY(FServer->Restart());
        QVERIFY(AwaitLogLine(
            QStringLiteral("Connection lost - reconnecting to %1 in 1 s").arg(Server())));
        PeerInstance elsewhere(FServer->port());
        QVERIFY(elsewhere.Started());
        QCOMPARE(elsewhere.Ask(QStringLiteral("logon anna anna-pw")), QStringLiteral("ok"));
        QVERIFY(elsewhere.AwaitLogLine(QStringLiteral("Connected: anna")));

        WaitForRetry(1s);
        const QString refused =
            QStringLiteral("Reconnect attempt 1 to %1 refused: 4 user already online - no more "
                           "attempts")
                .arg(Server());
        QVERIFY(AwaitLogLine(refused));
        QVERIFY(!F->Client().Reconnection().Retrying());
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - disconnected"));
        WaitForRetry(1min);
        QCOMPARE(LogLines().last(), refused);
        QCOMPARE(elsewhere.Finish(), 0);
    }

    void aRefusedLogonIsNotRetried() {
        StartAnna();
        F->LogOn(QStringLiteral("anna"), QStringLiteral("wrong"));
        const QString error =
            QStringLiteral("Login error: anna - 3 login invalid (%1)").arg(Server());
        QVERIFY(AwaitLogLine(error));
        QVERIFY(!F->Client().Reconnection().Retrying());
        WaitForRetry(1min);
        QCOMPARE(LogLines().last(), error);
    }

    void anEmailChangeEndsTheSessionWithoutRetries() {
        StartAnna();
        LogOnAnna();
        QCOMPARE(F->Client().Central().ChangeEmail("anna", "anna@example.net"), 0);
        QVERIFY(AwaitLogLine(QStringLiteral("Disconnected: anna")));
        QVERIFY(!F->Client().Reconnection().Retrying());
        WaitForRetry(1min);
        quor::testing::PumpFor(300, hbquor::PumpPending);
        QCOMPARE(LogLines().last(), QStringLiteral("Disconnected: anna"));
        QVERIFY(!F->Client().Central().IsConnected("anna"));
    }

    void logsOnOverTlsTrustingTheCaFile() {
        const quor::testing::TestCertificate certificate;
        FServer->Stop();
        QVERIFY(FServer->Start(
            {"--tls-cert", certificate.certFile(), "--tls-key", certificate.keyFile()}));
        StartAnna("QuorTls=1\nQuorCaFile=" + QByteArray::fromStdString(certificate.certFile()) +
                  "\n");
        LogOnAnna();
        F->JoinChannel(QStringLiteral("lobby"));
        QVERIFY(AwaitMembers(QStringLiteral("#lobby"), {QStringLiteral("anna")}));
        // No warning: TLS is on, and the server is this machine anyway.
        QVERIFY(!LogLines().join(QLatin1Char('\n')).contains(QStringLiteral("Warning")));
        QVERIFY(FServer->Log().find("clients speak TLS") != std::string::npos);
    }

    void aCertificateTheProgramDoesNotTrustIsRefused_data() {
        QTest::addColumn<QByteArray>("caFile");
        QTest::addColumn<QString>("startLine");
        QTest::newRow("the system's store only") << QByteArray() << QString();
        QTest::newRow("a CA file that cannot be read")
            << QByteArray("/nonexistent/ca.pem")
            << "TLS: the CA file /nonexistent/ca.pem cannot be read; only the system's "
               "certificates are trusted";
    }

    void aCertificateTheProgramDoesNotTrustIsRefused() {
        QFETCH(QByteArray, caFile);
        QFETCH(QString, startLine);
        const quor::testing::TestCertificate certificate;
        FServer->Stop();
        QVERIFY(FServer->Start(
            {"--tls-cert", certificate.certFile(), "--tls-key", certificate.keyFile()}));
        StartAnna("QuorTls=1\nQuorCaFile=" + caFile + "\n");
        QCOMPARE(LogLines().first(), startLine);
        F->LogOn(QStringLiteral("anna"), QStringLiteral("anna-pw"));
        QVERIFY(AwaitLogLine(
            QStringLiteral("Login error: anna - 41 server certificate not trusted (%1)")
                .arg(Server())));
        QVERIFY(!F->Client().Reconnection().Retrying());
    }

    void aPlainLogonToAnotherAddressIsWarnedOf() {
        // 0.0.0.0 reaches this machine but is not a loopback address.
        StartAnna({}, QStringLiteral("0.0.0.0"));
        F->LogOn(QStringLiteral("anna"), QStringLiteral("anna-pw"));
        QVERIFY(AwaitLogLine(QStringLiteral("Connected: anna")));
        const QString warning =
            QStringLiteral("Warning: TLS is off - the password and texts travel unencrypted to "
                           "0.0.0.0:%1")
                .arg(FServer->port());
        QCOMPARE(LogLines().mid(0, 2), (QStringList{warning, QStringLiteral("Connecting...")}));
    }
};

QTEST_MAIN(ConnectionQuordTest)
#include "ConnectionQuordTest.moc"
