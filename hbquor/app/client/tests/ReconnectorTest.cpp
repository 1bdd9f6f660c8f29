// SPDX-License-Identifier: MIT
// Logging on again after a lost connection, driven by a clock of the test's
// own: the waits of the backoff, one line per attempt, which failures are
// retried and which end the retries, what the user cancels, and the
// channels rejoined with their passwords.
#include "Reconnector.h"
#include "JoinedChannels.h"
#include "ReconnectBackoff.h"

#include <QTest>

#include <algorithm>
#include <memory>

using namespace hbquor::client;
using namespace std::chrono_literals;
using Failure = Reconnector::Failure;

namespace {

const QString Server = QStringLiteral("chat.example.org:8317");

} // namespace

class ReconnectorTest : public QObject {
    Q_OBJECT

    std::chrono::steady_clock::time_point FNow;
    QStringList FLines;
    QStringList FLogOns;
    int FLogOnResult = 0;
    QList<JoinedChannel> FRejoined;
    std::unique_ptr<Reconnector> R;

    /// Anna logged on by the user, connected, and the connection lost.
    void LoseConnection() {
        R->LoggingOn(QStringLiteral("anna"), QStringLiteral("pw"));
        R->Connected();
        R->Disconnected(true);
    }

    /// Moves the clock on and lets a due attempt start.
    void Wait(std::chrono::milliseconds time) {
        FNow += time;
        R->Poll();
    }

private slots:
    void init() {
        FNow = {};
        FLines.clear();
        FLogOns.clear();
        FLogOnResult = 0;
        FRejoined.clear();
        Reconnector::Hooks hooks;
        hooks.Log = [this](const QString &line) { FLines << line; };
        hooks.LogOn = [this](const QString &name, const QString &password) {
            FLogOns << name + QLatin1Char(' ') + password;
            return FLogOnResult;
        };
        hooks.ShowRetrying = [] {};
        hooks.Rejoin = [this](const JoinedChannel &channel) { FRejoined << channel; };
        R = std::make_unique<Reconnector>(hooks, Server, ReconnectBackoff([] { return 0.0; }),
                                          [this] { return FNow; });
    }

    void backoffDoublesToAMinuteAndJitterOnlyShortens_data() {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<double>("drawn");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("first") << 1 << 0.0 << 1000;
        QTest::newRow("second") << 2 << 0.0 << 2000;
        QTest::newRow("sixth") << 6 << 0.0 << 32000;
        QTest::newRow("seventh reaches the minute") << 7 << 0.0 << 60000;
        QTest::newRow("far on stays a minute") << 5000 << 0.0 << 60000;
        QTest::newRow("most jitter") << 1 << 0.999 << 751;
        QTest::newRow("half jitter at the top") << 9 << 0.5 << 52500;
        QTest::newRow("a draw out of range") << 2 << 7.0 << 1500;
    }

    void backoffDoublesToAMinuteAndJitterOnlyShortens() {
        QFETCH(int, attempt);
        QFETCH(double, drawn);
        QFETCH(int, milliseconds);
        const ReconnectBackoff backoff([drawn] { return drawn; });
        QCOMPARE(backoff.Delay(attempt).count(), milliseconds);
    }

    void seededBackoffStaysWithinItsBounds() {
        const ReconnectBackoff backoff;
        for (int attempt = 1; attempt <= 10; ++attempt) {
            const auto full =
                std::min(ReconnectBackoff::Longest, ReconnectBackoff::First * (1 << (attempt - 1)));
            QVERIFY(backoff.Delay(attempt) <= full);
            QVERIFY(backoff.Delay(attempt) >= full * 3 / 4);
        }
    }

    void joinedChannelsAreKeptByNameIgnoringCase() {
        JoinedChannels channels;
        channels.Remember({QStringLiteral("#a"), 0, {}});
        channels.Remember({QStringLiteral("#b"), 2, QStringLiteral("x")});
        channels.Remember({QStringLiteral("#A"), 1, {}});
        QCOMPARE(channels.List().size(), 2);
        QCOMPARE(channels.List()[0].Name, QStringLiteral("#A"));
        QCOMPARE(channels.List()[0].Type, 1);
        channels.Forget(QStringLiteral("#B"));
        QCOMPARE(channels.List().size(), 1);
    }

    void failedAttemptsWaitLongerEachTimeWithOneLineEach() {
        LoseConnection();
        QCOMPARE(FLines, QStringList{QStringLiteral(
                             "Connection lost - reconnecting to chat.example.org:8317 in 1 s")});
        QVERIFY(R->Retrying());
        Wait(999ms);
        QVERIFY(FLogOns.isEmpty());
        Wait(1ms);
        QCOMPARE(FLogOns, QStringList{QStringLiteral("anna pw")});
        QVERIFY(R->Attempting());
        QCOMPARE(R->LoginFailed(10061, QStringLiteral("refused")), Failure::RetryLater);
        QCOMPARE(FLines.last(), QStringLiteral("Reconnect attempt 1 to chat.example.org:8317 "
                                               "failed: 10061 refused - next attempt in 2 s"));
        Wait(1999ms);
        QCOMPARE(FLogOns.size(), 1);
        Wait(1ms);
        QCOMPARE(R->LoginFailed(40, QStringLiteral("TLS handshake failed")), Failure::RetryLater);
        QCOMPARE(FLines.last(), QStringLiteral("Reconnect attempt 2 to chat.example.org:8317 "
                                               "failed: 40 TLS handshake failed - next attempt "
                                               "in 4 s"));
        QCOMPARE(FLines.size(), 3);
        Wait(3999ms);
        QCOMPARE(FLogOns.size(), 2);
        Wait(1ms);
        QCOMPARE(FLogOns.size(), 3);
    }

    void aRetryWhoseConnectionClosesBeforeTheAnswerFailed() {
        LoseConnection();
        Wait(1s);
        R->Disconnected(true);
        QCOMPARE(FLines.last(), QStringLiteral("Reconnect attempt 1 to chat.example.org:8317 "
                                               "failed: the connection closed - next attempt in "
                                               "2 s"));
        Wait(2s);
        QCOMPARE(FLogOns.size(), 2);
    }

    void aSuccessfulRetryRejoinsTheChannelsWithTheirPasswords() {
        R->LoggingOn(QStringLiteral("anna"), QStringLiteral("pw"));
        R->Connected();
        R->Channels().Remember({QStringLiteral("#lobby"), 0, {}});
        R->Channels().Remember({QStringLiteral("#den"), 2, QStringLiteral("den-pw")});
        QVERIFY(FRejoined.isEmpty()); // the user's own logon rejoins nothing
        R->Disconnected(true);
        Wait(1s);
        R->Connected();
        QCOMPARE(FRejoined, R->Channels().List());
        QCOMPARE(FRejoined.size(), 2);
        QVERIFY(!R->Retrying());
    }

    void nothingIsRetriedWithoutALostConnectionOfALoggedOnUser() {
        const QList<std::function<void()>> cases{
            // Logoff, a logon as another name, or a changed e-mail address.
            [this] {
                R->LoggingOn(QStringLiteral("anna"), QStringLiteral("pw"));
                R->Connected();
                R->Disconnected(false);
            },
            // AutoReconnect off.
            [this] {
                R->SetEnabled(false);
                LoseConnection();
                R->SetEnabled(true);
            },
            // A refused logon: never connected.
            [this] {
                R->LoggingOn(QStringLiteral("anna"), QStringLiteral("wrong"));
                QCOMPARE(R->LoginFailed(3, QStringLiteral("login invalid")), Failure::NotARetry);
                R->Disconnected(true);
            },
        };
        for (const auto &run : cases) {
            run();
            Wait(1h);
            QVERIFY(!R->Retrying());
        }
        QVERIFY(FLogOns.isEmpty());
        QVERIFY(FLines.isEmpty());
    }

    void refusalsEndTheRetries_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("retriesBeforeGivingUp");
        QTest::newRow("logged on elsewhere") << 4 << 0;
        QTest::newRow("untrusted certificate") << 41 << 0;
        QTest::newRow("another API build") << 24 << 0;
        QTest::newRow("login invalid, perhaps a busy server") << 3 << 2;
    }

    void refusalsEndTheRetries() {
        QFETCH(int, code);
        QFETCH(int, retriesBeforeGivingUp);
        LoseConnection();
        for (int retry = 0; retry < retriesBeforeGivingUp; ++retry) {
            Wait(1min);
            QCOMPARE(R->LoginFailed(code, QStringLiteral("no")), Failure::RetryLater);
        }
        Wait(1min);
        QCOMPARE(R->LoginFailed(code, QStringLiteral("no")), Failure::GaveUp);
        QCOMPARE(FLines.last(), QStringLiteral("Reconnect attempt %1 to chat.example.org:8317 "
                                               "refused: %2 no - no more attempts")
                                    .arg(retriesBeforeGivingUp + 1)
                                    .arg(code));
        Wait(1h);
        QCOMPARE(FLogOns.size(), retriesBeforeGivingUp + 1);
        QVERIFY(!R->Retrying());
    }

    void theUsersLogoffOrLogonCancels() {
        LoseConnection();
        R->Channels().Remember({QStringLiteral("#lobby"), 0, {}});
        R->LoggingOff();
        QCOMPARE(FLines.last(), QStringLiteral("Reconnecting stopped"));
        QVERIFY(R->Channels().List().isEmpty());
        Wait(1h);
        QVERIFY(FLogOns.isEmpty());

        LoseConnection();
        Wait(1s);
        QVERIFY(R->Attempting());
        R->LoggingOn(QStringLiteral("bob"), QStringLiteral("bob-pw"));
        QVERIFY(!R->Retrying());
        // The attempt's late failure is the user's logon's now.
        QCOMPARE(R->LoginFailed(10061, QStringLiteral("refused")), Failure::NotARetry);
        Wait(1h);
        QCOMPARE(FLogOns, QStringList{QStringLiteral("anna pw")});
    }

    void aConnectionLostSoonAfterARetryCountsOn() {
        LoseConnection();
        Wait(1s);
        R->Connected();
        Wait(10s);
        R->Disconnected(true);
        QCOMPARE(FLines.last(),
                 QStringLiteral("Connection lost - reconnecting to chat.example.org:8317 in 2 s"));
        Wait(2s);
        R->Connected();
        Wait(1min);
        R->Disconnected(true);
        QCOMPARE(FLines.last(),
                 QStringLiteral("Connection lost - reconnecting to chat.example.org:8317 in 1 s"));
    }

    void aLogonThatCannotStartIsAFailedAttempt() {
        FLogOnResult = -1;
        LoseConnection();
        Wait(1s);
        QCOMPARE(FLines.last(), QStringLiteral("Reconnect attempt 1 to chat.example.org:8317 "
                                               "failed: -1 internal error - next attempt in 2 s"));
        QVERIFY(R->Retrying() && !R->Attempting());
    }
};

QTEST_GUILESS_MAIN(ReconnectorTest)
#include "ReconnectorTest.moc"
