// The lines kept per user: names alike but for case share them, the last
// 100 are kept, and a flood of senders keeps only the most recent ones.
#include "ConversationHistory.h"

#include <QTest>

using namespace hbquor::client;

class ConversationHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void linesPerUserIgnoringCaseOldestFirst() {
        ConversationHistory history;
        history.Add(QStringLiteral("bob"), QStringLiteral("bob: \thi"), 1.0);
        history.Add(QStringLiteral("carol"), QStringLiteral("carol: \tyo"), 2.0);
        history.Add(QStringLiteral("BOB"), QStringLiteral("alice: \thello"), 3.0);
        const QList<ConversationHistory::Line> lines = history.LinesWith(QStringLiteral("Bob"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].Text, QStringLiteral("bob: \thi"));
        QCOMPARE(lines[1].Text, QStringLiteral("alice: \thello"));
        QCOMPARE(lines[1].At, 3.0);
        QCOMPARE(history.LinesWith(QStringLiteral("carol")).size(), 1);
        QVERIFY(history.LinesWith(QStringLiteral("dave")).isEmpty());
    }

    void theLast100LinesAreKept() {
        ConversationHistory history;
        for (int i = 1; i <= ConversationHistory::MaxLines + 1; ++i)
            history.Add(QStringLiteral("bob"), QString::number(i), i);
        const QList<ConversationHistory::Line> lines = history.LinesWith(QStringLiteral("bob"));
        QCOMPARE(lines.size(), ConversationHistory::MaxLines);
        QCOMPARE(lines.first().Text, QStringLiteral("2"));
        QCOMPARE(lines.last().Text, QString::number(ConversationHistory::MaxLines + 1));
    }

    void aFloodOfSendersForgetsTheQuietestFirst() {
        ConversationHistory history;
        history.Add(QStringLiteral("bob"), QStringLiteral("early"), 0);
        history.Add(QStringLiteral("carol"), QStringLiteral("early"), 0);
        for (int i = 0; i < ConversationHistory::MaxUsers - 2; ++i)
            history.Add(QStringLiteral("u%1").arg(i), QStringLiteral("x"), 1);
        history.Add(QStringLiteral("bob"), QStringLiteral("again"), 2); // bob is active again
        history.Add(QStringLiteral("newcomer"), QStringLiteral("x"), 3);
        // Only the quietest one made room.
        QVERIFY(history.LinesWith(QStringLiteral("carol")).isEmpty());
        QCOMPARE(history.LinesWith(QStringLiteral("u0")).size(), 1);
        QCOMPARE(history.LinesWith(QStringLiteral("bob")).size(), 2);
        QCOMPARE(history.LinesWith(QStringLiteral("newcomer")).size(), 1);
    }
};

QTEST_GUILESS_MAIN(ConversationHistoryTest)
#include "ConversationHistoryTest.moc"
