// SPDX-License-Identifier: MIT
#include "FindBar.h"
#include "HistoryStore.h"
#include "PastLines.h"
#include "TalkWindowHistory.h"
#include "UnitQuorChat.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace hbquor;
using historyview::FindBar;

class FindBarTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    history::HistoryStore FStore;
    const history::Account FAnna{QStringLiteral("127.0.0.1:8317"), QStringLiteral("anna")};

    /// The text of the line the pane's selection is in.
    static QString SelectedLine(const TFormQuorChat &window) {
        return window.Memo1->textCursor().block().text();
    }

private slots:
    void initTestCase() {
        // 450 lines: "line N", with "Apple N" at 10, 200 and 440.
        QVERIFY(FStore.Open(FDir.filePath(QStringLiteral("history.sqlite"))));
        for (int i = 1; i <= 450; ++i) {
            history::Line line;
            line.Owner = FAnna;
            line.Peer = line.Sender = QStringLiteral("bob");
            line.Text = QStringLiteral("%1 %2")
                            .arg(i == 10 || i == 200 || i == 440 ? "Apple" : "line")
                            .arg(i);
            FStore.Append(line);
        }
        QVERIFY(FStore.Flush(5000));
    }

    void scrollingToTheTopLoadsTheOlderPageInPlace() {
        TFormQuorChat window;
        historyview::AttachHistory(window, FStore, FAnna, QStringLiteral("BOB"),
                                   [](const history::Line &line) { return line.Text; });
        window.show();
        QScrollBar *bar = window.Memo1->verticalScrollBar();
        for (const int lines : {401, 451}) {
            bar->setValue(bar->minimum());
            QCOMPARE(window.LineCount(), lines);
            QVERIFY(bar->value() > bar->minimum()); // the old top stays in view
        }
        // Lines the pane's rule cut away come back from the history.
        for (int i = 0; i < 151; ++i)
            window.AddLine(QStringLiteral("new"));
        QCOMPARE(window.Memo1->document()->firstBlock().text(), QStringLiteral("line 102"));
        bar->setValue(bar->minimum());
        QCOMPARE(window.Memo1->document()->firstBlock().text(), QStringLiteral("line 1"));
    }

    void enterStepsOlderAcrossPagesAndShiftEnterNewer() {
        TFormQuorChat window;
        FindBar *bar =
            historyview::AttachHistory(window, FStore, FAnna, QStringLiteral("bob"),
                                       [](const history::Line &line) { return line.Text; });
        // The last page, oldest first, then the "earlier" line.
        QCOMPARE(window.LineCount(), history::HistoryStore::WindowLines + 1);
        QCOMPARE(window.Memo1->document()->firstBlock().text(), QStringLiteral("line 251"));
        QCOMPARE(window.Memo1->document()->lastBlock().text(),
                 historyview::PastLines::EarlierMark());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keySequence(&window, QKeySequence::Find);
        QVERIFY(bar->isVisible());
        QVERIFY(bar->inpFind->hasFocus());
        // Typing finds the newest match; only the last page is loaded.
        QTest::keyClicks(bar->inpFind, QStringLiteral("apple"));
        QCOMPARE(SelectedLine(window), QStringLiteral("Apple 440"));
        QCOMPARE(bar->MatchCount(), 1);
        const struct {
            Qt::KeyboardModifiers Modifiers;
            const char *Line;
            int Matches;
        } steps[] = {
            {Qt::NoModifier, "Apple 200", 2}, // from the page before
            {Qt::NoModifier, "Apple 10", 3},  // two pages back
            {Qt::NoModifier, "Apple 10", 3},  // nothing older
            {Qt::ShiftModifier, "Apple 200", 3}, {Qt::ShiftModifier, "Apple 440", 3},
        };
        for (const auto &step : steps) {
            QTest::keyClick(bar->inpFind, Qt::Key_Return, step.Modifiers);
            QCOMPARE(SelectedLine(window), QString::fromLatin1(step.Line));
            QCOMPARE(bar->MatchCount(), step.Matches);
        }
        bar->inpFind->setText(QStringLiteral("pear"));
        QCOMPARE(bar->MatchCount(), 0);
        // Esc closes the bar, not the window.
        QTest::keyClick(bar->inpFind, Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QVERIFY(window.isVisible());
        QVERIFY(window.Memo1->extraSelections().isEmpty());
    }
};

QTEST_MAIN(FindBarTest)
#include "FindBarTest.moc"
