// SPDX-License-Identifier: MIT
// The log pane and the chat log written together, outside the window:
// paragraph styles, the line rule, the chat log's frames and what happens
// when the file cannot be opened.
#include "EventLogFixture.h"

#include <QTest>
#include <QTextBlock>

namespace {

const QString Hyphens(45, QLatin1Char('-'));

} // namespace

class EventLogTest : public QObject {
    Q_OBJECT

private slots:
    void logStylesSetColourBoldAndIndents() {
        LogFixture f;
        f.Log.AddLine(lsChat, QStringLiteral("bob (to alice): \thello"));
        QTextBlock chat = f.Pane.document()->lastBlock();
        QCOMPARE(chat.text(), QStringLiteral("bob (to alice): \thello"));
        QCOMPARE(chat.blockFormat().leftMargin(), 80.0);
        QCOMPARE(chat.blockFormat().textIndent(), -80.0);
        QCOMPARE(chat.blockFormat().tabPositions().size(), 1);
        QCOMPARE(chat.blockFormat().tabPositions().first().position, 80.0);
        QTextCharFormat chars = chat.begin().fragment().charFormat();
        QCOMPARE(chars.fontWeight(), int(QFont::Bold));
        QCOMPARE(chars.foreground().color(), QColor(0, 0, 0));
        QCOMPARE(chars.fontPointSize(), 8.0);
        QCOMPARE(chars.fontFamilies().toStringList().first(), QStringLiteral("Arial"));

        f.Log.AddLine(lsTelegramBody, QStringLiteral("\tbody"));
        QTextBlock body = f.Pane.document()->lastBlock();
        QCOMPARE(body.blockFormat().leftMargin(), 40.0);
        QCOMPARE(body.blockFormat().rightMargin(), 40.0);
        QCOMPARE(body.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));

        f.Log.AddLine(lsConnection, QStringLiteral("Connecting..."));
        QTextBlock connection = f.Pane.document()->lastBlock();
        QCOMPARE(connection.blockFormat().leftMargin(), 0.0);
        QCOMPARE(connection.begin().fragment().charFormat().foreground().color(),
                 QColor(0, 128, 0));
        QCOMPARE(connection.begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(f.Pane.document()->blockCount(), 3);
    }

    void logPaneKeepsAtMostSixHundredLines() {
        LogFixture f;
        for (int i = 0; i < 601; ++i)
            f.Log.AddLine(lsStatus, QStringLiteral("line %1").arg(i));
        QCOMPARE(f.Pane.document()->blockCount(), 601);
        f.Log.AddLine(lsServer, QStringLiteral("newest"));
        QCOMPARE(f.Pane.document()->blockCount(), 501);
        QCOMPARE(f.Pane.document()->firstBlock().text(), QStringLiteral("line 101"));
        QCOMPARE(f.Pane.document()->lastBlock().text(), QStringLiteral("newest"));
    }

    void paneAndChatLogAreWrittenTogether() {
        LogFixture f;
        f.Log.Write(lsConnection, QStringLiteral("before"), QStringLiteral("not logged"));
        f.Log.OpenChatLog();
        QVERIFY(f.LogChat.isChecked());
        f.Log.Write(lsConnection, QStringLiteral("pane"), QStringLiteral("file"));
        f.Log.Write(lsStatus, QStringLiteral("pane only"));
        QCOMPARE(f.Pane.document()->blockCount(), 3);
        QCOMPARE(f.Pane.document()->lastBlock().text(), QStringLiteral("pane only"));
        f.Now += 1.0 / 24;
        f.Log.ToggleChatLog();
        QVERIFY(!f.Log.ChatLogOpen());
        QVERIFY(!f.LogChat.isChecked());
        QCOMPARE(f.FileLines(),
                 (QStringList{
                     Hyphens, QStringLiteral("Quor Log opened 2004 March 5 Friday 09:07 VRT"),
                     Hyphens, QStringLiteral("file"), Hyphens,
                     QStringLiteral("Quor Log closed 2004 March 5 Friday 10:07 VRT"), Hyphens}));
    }

    void chatLogFrameFollowsTheTimeBase() {
        LogFixture f;
        f.Log.SetTimeText(TimeText(TimeText::Utc));
        f.Log.OpenChatLog();
        f.Log.CloseChatLog();
        QCOMPARE(f.FileLines().value(1),
                 QStringLiteral("Quor Log opened 2004 March 5 Friday 11:07 UTC"));
        QCOMPARE(f.FileLines().value(4),
                 QStringLiteral("Quor Log closed 2004 March 5 Friday 11:07 UTC"));
    }

    void chatLogInAMissingFolderStaysOff() {
        LogFixture f;
        EventLog log(
            {&f.Pane, &f.Mode, &f.LogChat}, f.Dir.filePath(QStringLiteral("no/Log.txt")),
            [] { return 0.0; }, [&f](const QString &text) { f.Messages << text; });
        log.ToggleChatLog();
        QVERIFY(!log.ChatLogOpen());
        QVERIFY(!f.LogChat.isChecked());
        QCOMPARE(f.Messages, QStringList{QStringLiteral("No such file or directory")});
    }

    void modeButtonShowsTheScrollMode() {
        LogFixture f;
        QCOMPARE(f.Mode.text(), QStringLiteral("scrolling"));
        f.Log.SetFrozen(true);
        QVERIFY(f.Log.IsFrozen());
        QCOMPARE(f.Mode.text(), QStringLiteral("frozen"));
        QVERIFY(f.Mode.accessibleDescription().startsWith(QStringLiteral("Frozen:")));
        f.Log.SetFrozen(false);
        QVERIFY(f.Mode.accessibleDescription().startsWith(QStringLiteral("Scrolling:")));
    }
};

QTEST_MAIN(EventLogTest)
#include "EventLogTest.moc"
