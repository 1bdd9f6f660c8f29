#include "ChatClient.h"
#include "ProgramHistory.h"

#include <QTemporaryDir>
#include <QTest>

using namespace hbquor;
using history::LineDirection;
using history::LineKind;

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

        const history::Account anna{core.Server().Text(), QStringLiteral("anna")};
        const struct {
            const char *Peer;
            QList<LineKind> Kinds;
            QList<LineDirection> Directions;
            QStringList Texts;
        } cases[] = {
            {"BOB",
             {LineKind::Text, LineKind::Text, LineKind::OfflineText},
             {LineDirection::Received, LineDirection::Sent, LineDirection::Received},
             {"hi", "hello", "late"}},
            {"#lobby",
             {LineKind::ChannelText, LineKind::Invitation},
             {LineDirection::Sent, LineDirection::Received},
             {"all", ""}},
            {"admin", {LineKind::Broadcast}, {LineDirection::Received}, {"news"}},
            {"",
             {LineKind::Logon, LineKind::Logoff},
             {LineDirection::Sent, LineDirection::Sent},
             {"", ""}},
        };
        for (const auto &conversation : cases) {
            const QList<history::Line> lines = history.Store().Recent(anna, conversation.Peer);
            QList<LineKind> kinds;
            QList<LineDirection> directions;
            QStringList texts;
            for (const history::Line &line : lines) {
                kinds << line.Kind;
                directions << line.Direction;
                texts << line.Text;
            }
            QCOMPARE(kinds, conversation.Kinds);
            QCOMPARE(directions, conversation.Directions);
            QCOMPARE(texts, conversation.Texts);
        }
        const QList<history::Line> bob = history.Store().Recent(anna, QStringLiteral("bob"));
        QCOMPARE(bob[1].Sender, QStringLiteral("anna"));
        QCOMPARE(bob[1].AtMs, Q_INT64_C(1704110400000));
    }
};

QTEST_GUILESS_MAIN(HistoryRecorderTest)
#include "HistoryRecorderTest.moc"
