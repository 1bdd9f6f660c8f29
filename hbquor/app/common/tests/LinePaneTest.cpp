// SPDX-License-Identifier: MIT
// The shared pane rule: trimming, frozen and scrolling modes.
#include "LinePane.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

class LinePaneTest : public QObject {
    Q_OBJECT

private:
    static void Fill(LinePane &pane, int count, int from = 0) {
        for (int i = from; i < from + count; ++i)
            pane.AddLine(QStringLiteral("line %1").arg(i));
    }

    /// A pane of 601 lines is cut back to 500 before the 602nd is added.
    template <class View> static void CheckCutBack() {
        View view;
        LinePane pane(&view);
        Fill(pane, 601);
        pane.AddLine(QStringLiteral("newest"));
        QCOMPARE(pane.LineCount(), 501);
        // The oldest lines went: the first kept one is line 101.
        QCOMPARE(view.document()->firstBlock().text(), QStringLiteral("line 101"));
        QCOMPARE(view.document()->lastBlock().text(), QStringLiteral("newest"));
        pane.Clear();
        QCOMPARE(pane.LineCount(), 0);
    }

    /// Across a cut the frozen view keeps showing the text the user reads,
    /// and the selection stays on the same characters.
    template <class View> static void CheckFrozenAcrossCut() {
        View view;
        view.resize(200, 100);
        view.show();
        LinePane pane(&view);
        Fill(pane, 601);
        pane.SetFrozen(true);
        QTextCursor selection(view.document());
        const QTextBlock selected = view.document()->findBlockByNumber(400);
        selection.setPosition(selected.position());
        selection.setPosition(selected.position() + 4, QTextCursor::KeepAnchor);
        view.setTextCursor(selection);
        QScrollBar *bar = view.verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const QString topLine = view.cursorForPosition(QPoint(0, 0)).block().text();

        pane.AddLine(QStringLiteral("newest"));
        QCOMPARE(pane.LineCount(), 501);
        QCOMPARE(view.cursorForPosition(QPoint(0, 0)).block().text(), topLine);
        QCOMPARE(view.textCursor().selectedText(), QStringLiteral("line"));
        QCOMPARE(view.textCursor().block().text(), QStringLiteral("line 400"));
    }

private slots:
    void emptyPaneHoldsNoLines() {
        QTextEdit view;
        LinePane pane(&view);
        QCOMPARE(pane.LineCount(), 0);
        pane.AddLine(QStringLiteral("first"));
        QCOMPARE(pane.LineCount(), 1);
        QCOMPARE(view.toPlainText(), QStringLiteral("first"));
        pane.AddLine(QStringLiteral("second"));
        QCOMPARE(view.toPlainText(), QStringLiteral("first\nsecond"));
    }

    void sixHundredLinesAreKept() {
        QTextEdit view;
        LinePane pane(&view);
        Fill(pane, 600);
        QCOMPARE(pane.LineCount(), 600);
        pane.AddLine(QStringLiteral("line 600"));
        QCOMPARE(pane.LineCount(), 601);
    }

    void lineAfterSixHundredAndOneCutsBackToFiveHundred() { CheckCutBack<QTextEdit>(); }

    void trimmingKeepsFormatsOfRemainingLines() {
        QTextEdit view;
        LinePane pane(&view);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        QTextBlockFormat indented;
        indented.setLeftMargin(40);
        for (int i = 0; i < 601; ++i)
            pane.AddLine(QStringLiteral("x%1").arg(i), i % 2 ? indented : QTextBlockFormat(),
                         i % 2 ? bold : QTextCharFormat());
        pane.AddLine(QStringLiteral("last"));
        const QTextBlock first = view.document()->firstBlock();
        QCOMPARE(first.text(), QStringLiteral("x101"));
        QCOMPARE(first.blockFormat().leftMargin(), 40.0);
        QCOMPARE(first.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
    }

    void scrollingFollowsNewLines() {
        QTextEdit view;
        view.resize(200, 100);
        view.show();
        LinePane pane(&view);
        Fill(pane, 100);
        QScrollBar *bar = view.verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(view.textCursor().position(), view.document()->characterCount() - 1);
    }

    void frozenKeepsViewAndSelection() {
        QTextEdit view;
        view.resize(200, 100);
        view.show();
        LinePane pane(&view);
        Fill(pane, 100);
        pane.SetFrozen(true);
        QVERIFY(pane.IsFrozen());
        QTextCursor selection(view.document());
        selection.setPosition(20);
        selection.setPosition(35, QTextCursor::KeepAnchor);
        view.setTextCursor(selection);
        QScrollBar *bar = view.verticalScrollBar();
        bar->setValue(bar->maximum() / 3);
        const int viewTop = bar->value();
        QVERIFY(viewTop > 0);

        Fill(pane, 50, 100);
        QCOMPARE(bar->value(), viewTop);
        QVERIFY(bar->maximum() > viewTop);
        QCOMPARE(view.textCursor().selectionStart(), 20);
        QCOMPARE(view.textCursor().selectionEnd(), 35);
    }

    void frozenRichPaneKeepsItsTextAcrossACut() { CheckFrozenAcrossCut<QTextEdit>(); }
    void frozenPlainPaneKeepsItsTextAcrossACut() { CheckFrozenAcrossCut<QPlainTextEdit>(); }

    void frozenKeepsViewWhenTheCaretIsAtTheEnd() {
        QTextEdit view;
        view.resize(200, 100);
        view.show();
        LinePane pane(&view);
        Fill(pane, 100);
        pane.SetFrozen(true);
        QScrollBar *bar = view.verticalScrollBar();
        bar->setValue(10);
        const int caret = view.textCursor().position();
        Fill(pane, 20, 100);
        QCOMPARE(bar->value(), 10);
        QCOMPARE(view.textCursor().position(), caret);
    }

    void switchingToScrollingJumpsToTheEnd() {
        QTextEdit view;
        view.resize(200, 100);
        view.show();
        LinePane pane(&view);
        pane.SetFrozen(true);
        Fill(pane, 100);
        QScrollBar *bar = view.verticalScrollBar();
        bar->setValue(0);
        pane.SetFrozen(false);
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
    }

    void modeCaptions() {
        QCOMPARE(LinePane::ModeCaption(true), QStringLiteral("frozen"));
        QCOMPARE(LinePane::ModeCaption(false), QStringLiteral("scrolling"));
    }

    void plainTextPaneFollowsTheSameRule() { CheckCutBack<QPlainTextEdit>(); }
};

QTEST_MAIN(LinePaneTest)
#include "LinePaneTest.moc"
