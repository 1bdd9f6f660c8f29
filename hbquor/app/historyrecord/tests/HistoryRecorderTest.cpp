// SPDX-License-Identifier: MIT
#include "ChatClient.h"
#include "ProgramHistory.h"

#include <QTemporaryDir>
#include <QTest>

using namespace hbquor;

class HistoryRecorderTest : public QObject {
    Q_OBJECT

    /// 1 January 2024 12:00 UTC as a VRT day count.
    static constexpr double At = 45292.5 - 2.0 / 24;

private slots:
    void everyAnnouncedLineIsFiledUnderItsPeerWithItsKind() {
        QTemporaryDir dir;
        client::ChatClient::Options options;
        options.VrtClock = [] { return At; };
        client::ChatClient core(options);
        historyrecord::ProgramHistory history(core);
        history.Open(dir.filePath(QStringLiteral("history.sqlite")), true, 0);

        emit core.Connected(QStringLiteral("anna"));
        emit core.TextReceived({QStringLiteral("anna"), QStringLiteral("Bob"), "hi", At});
        emit core.TextSent({QStringLiteral("anna"), QStringLiteral("bob"), "hello", At});
        emit core.TextSent({QStringLiteral("anna"), QStringLiteral("#lobby"), "all", At});
        emit core.OfflineTextReceived({QStringLiteral("anna"), QStringLiteral("bob"), "late", 1});
        emit core.BroadcastReceived({QStringLiteral("anna"), QStringLiteral("admin"), "news"});
        emit core.InvitationReceived(
            {QStringLiteral("anna"), QStringLiteral("bob"), QStringLiteral("#lobby")});
        emit core.Disconnected(QStringLiteral("anna"));
        // A line without a session's name has no account to go to.
        emit core.TextReceived({QString(), QStringLiteral("bob"), "lost", At});
        QVERIFY(history.Store().Flush(5000));

        // Each line as "kind direction sender text", oldest first.
        const history::Account anna{core.Server().Text(), QStringLiteral("anna")};
        const std::pair<const char *, QStringList> conversations[] = {
            {"BOB", {"0 0 Bob hi", "0 1 anna hello", "1 0 bob late"}},
            {"#lobby", {"2 1 anna all", "4 0 bob "}},
            {"admin", {"3 0 admin news"}},
            {"", {"5 1 anna ", "6 1 anna "}},
        };
        for (const auto &[peer, expected] : conversations) {
            QStringList lines;
            for (const history::Line &line : history.Store().Recent(anna, peer))
                lines << QStringLiteral("%1 %2 %3 %4")
                             .arg(int(line.Kind))
                             .arg(int(line.Direction))
                             .arg(line.Sender, line.Text);
            QCOMPARE(lines, expected);
        }
        const QList<history::Line> bob = history.Store().Recent(anna, QStringLiteral("bob"));
        QCOMPARE(bob[1].Sender, QStringLiteral("anna"));
        QCOMPARE(bob[1].AtMs, Q_INT64_C(1704110400000));
    }
};

QTEST_GUILESS_MAIN(HistoryRecorderTest)
#include "HistoryRecorderTest.moc"
