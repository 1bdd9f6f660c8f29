// SPDX-License-Identifier: MIT
// The private conversation window on its own: title, input limit, sending on
// Enter through the installed handler, the pane's line rule and scroll modes,
// and the close handler.
#include "TalkTestSupport.h"
#include "UnitQuorChat.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

namespace {

QString FirstVisibleLine(QPlainTextEdit *pane) {
    return pane->cursorForPosition(QPoint(2, 2)).block().text();
}

void AddNumberedLines(TQuorTalkWindow &window, int from, int to) {
    for (int i = from; i < to; ++i)
        window.AddLine(QStringLiteral("line %1").arg(i));
}

} // namespace

class TestChatWindow : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyScrollingAndLimited();
    void windowStaysOnTopWithItsDesignedLayout();
    void inputHasTheFocusWhenShown();
    void titleShowsOwnAndPeerName();
    void inputAcceptsAtMost400Characters();
    void enterSendsTextAsTypedAndAddsOwnLine();
    void keypadEnterSendsToo();
    void enterOnEmptyInputDoesNothing();
    void enterWithoutHandlerKeepsText();
    void failedSendKeepsTextAndAddsNothing();
    void handlerFillsEmptyOwnNameButTitleStays();
    void otherKeysGoToTheInput();
    void paneIsCutTo500BeyondSixHundredLines();
    void frozenKeepsViewAndSelection();
    void frozenKeepsViewAcrossTrimming();
    void scrollingFollowsNewLines();
    void toggleBarSwitchesModes();
    void closeTellsHandlerOnceAndFreesWindow();
};

void TestChatWindow::startsEmptyScrollingAndLimited() {
    TFormQuorChat window;
    QCOMPARE(window.LineCount(), 0);
    QVERIFY(window.Memo1->toPlainText().isEmpty());
    QVERIFY(window.Edit1->text().isEmpty());
    QCOMPARE(window.Edit1->maxLength(), 400);
    QVERIFY(!window.IsFrozen());
    QCOMPARE(window.SpeedButton1->text(), QStringLiteral("scrolling"));
    QVERIFY(window.Memo1->isReadOnly());
    QCOMPARE(window.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(window.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The selection keeps its colours when the pane loses the focus.
    const QPalette palette = window.Memo1->palette();
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Highlight),
             palette.color(QPalette::Active, QPalette::Highlight));
}

void TestChatWindow::windowStaysOnTopWithItsDesignedLayout() {
    TFormQuorChat window;
    QCOMPARE(window.size(), QSize(410, 218));
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!window.testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(window.Edit1->geometry(), QRect(8, 192, 393, 22));
    QCOMPARE(window.Memo1->geometry(), QRect(8, 8, 393, 177));
    QCOMPARE(window.SpeedButton1->geometry(), QRect(8, 184, 393, 9));
    QCOMPARE(window.SpeedButton1->font().pixelSize(), 8);
    QCOMPARE(window.Edit1->font().family(), QStringLiteral("Arial"));
    QCOMPARE(window.Memo1->font().pointSize(), 8);
    // The input takes the focus.
    QCOMPARE(window.focusProxy(), window.Edit1);
}

void TestChatWindow::inputHasTheFocusWhenShown() {
    TFormQuorChat window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.Edit1);
}

void TestChatWindow::titleShowsOwnAndPeerName() {
    TFormQuorChat window;
    window.SetPeerName(QStringLiteral("bob"));
    QCOMPARE(window.windowTitle(), QStringLiteral(" talk / telegram to bob"));
    window.SetOwnName(QStringLiteral("alice"));
    QCOMPARE(window.windowTitle(), QStringLiteral("alice talk / telegram to bob"));
    QCOMPARE(window.GetPeerName(), QStringLiteral("bob"));
    // A "%" in a name is shown as it stands.
    window.SetPeerName(QStringLiteral("50%1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("alice talk / telegram to 50%1"));
}

void TestChatWindow::inputAcceptsAtMost400Characters() {
    TFormQuorChat window;
    QTest::keyClicks(window.Edit1, QString(405, QLatin1Char('x')));
    QCOMPARE(window.Edit1->text().size(), 400);
}

void TestChatWindow::enterSendsTextAsTypedAndAddsOwnLine() {
    TFormQuorChat window;
    window.SetOwnName(QStringLiteral("alice"));
    window.SetPeerName(QStringLiteral("bob"));
    SendRecorder sender;
    window.SetOnSendText(sender.Handler());
    QTest::keyClicks(window.Edit1, QStringLiteral("  hello there "));
    QTest::keyClick(window.Edit1, Qt::Key_Return);

    QCOMPARE(sender.Calls.size(), 1);
    QCOMPARE(sender.Calls[0].OwnName, QStringLiteral("alice"));
    QCOMPARE(sender.Calls[0].Target, QStringLiteral("bob"));
    QCOMPARE(sender.Calls[0].Text, QStringLiteral("  hello there "));
    QCOMPARE(window.LineCount(), 1);
    QCOMPARE(LastLine(window), QStringLiteral("alice: \t  hello there "));
    QVERIFY(window.Edit1->text().isEmpty());
}

void TestChatWindow::keypadEnterSendsToo() {
    TFormQuorChat window;
    SendRecorder sender;
    window.SetOnSendText(sender.Handler());
    window.Edit1->setText(QStringLiteral("hi"));
    QTest::keyClick(window.Edit1, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(sender.Calls.size(), 1);
    QVERIFY(window.Edit1->text().isEmpty());
}

void TestChatWindow::enterOnEmptyInputDoesNothing() {
    TFormQuorChat window;
    SendRecorder sender;
    window.SetOnSendText(sender.Handler());
    QTest::keyClick(window.Edit1, Qt::Key_Return);
    QVERIFY(sender.Calls.isEmpty());
    QCOMPARE(window.LineCount(), 0);
}

void TestChatWindow::enterWithoutHandlerKeepsText() {
    TFormQuorChat window;
    EnterLine(window, QStringLiteral("hi"));
    QCOMPARE(window.Edit1->text(), QStringLiteral("hi"));
    QCOMPARE(window.LineCount(), 0);
}

void TestChatWindow::failedSendKeepsTextAndAddsNothing() {
    TFormQuorChat window;
    SendRecorder sender;
    sender.Result = false;
    window.SetOnSendText(sender.Handler());
    EnterLine(window, QStringLiteral("are you there?"));
    QCOMPARE(sender.Calls.size(), 1);
    QCOMPARE(window.Edit1->text(), QStringLiteral("are you there?"));
    QCOMPARE(window.LineCount(), 0);
}

void TestChatWindow::handlerFillsEmptyOwnNameButTitleStays() {
    TFormQuorChat window;
    window.SetOwnName(QString());
    window.SetPeerName(QStringLiteral("Bob"));
    SendRecorder sender;
    sender.FillOwnName = QStringLiteral("alice");
    window.SetOnSendText(sender.Handler());

    EnterLine(window, QStringLiteral("one"));
    EnterLine(window, QStringLiteral("two"));

    QCOMPARE(window.GetOwnName(), QStringLiteral("alice"));
    QCOMPARE(window.windowTitle(), QStringLiteral(" talk / telegram to Bob"));
    QCOMPARE(sender.Calls.size(), 2);
    QCOMPARE(sender.Calls[1].OwnName, QStringLiteral("alice"));
    QCOMPARE(window.Memo1->toPlainText(), QStringLiteral("alice: \tone\nalice: \ttwo"));
}

void TestChatWindow::otherKeysGoToTheInput() {
    TFormQuorChat window;
    SendRecorder sender;
    window.SetOnSendText(sender.Handler());
    QTest::keyClicks(window.Edit1, QStringLiteral("ab"));
    QTest::keyClick(window.Edit1, Qt::Key_Backspace);
    QCOMPARE(window.Edit1->text(), QStringLiteral("a"));
    QVERIFY(sender.Calls.isEmpty());
}

void TestChatWindow::paneIsCutTo500BeyondSixHundredLines() {
    TFormQuorChat window;
    AddNumberedLines(window, 0, 600);
    QCOMPARE(window.LineCount(), 600);
    window.AddLine(QStringLiteral("line 600"));
    QCOMPARE(window.LineCount(), 601);
    // 601 lines are cut to 500 before the next line goes in: 501.
    window.AddLine(QStringLiteral("line 601"));
    QCOMPARE(window.LineCount(), 501);
    QCOMPARE(window.Memo1->document()->firstBlock().text(), QStringLiteral("line 101"));
    QCOMPARE(LastLine(window), QStringLiteral("line 601"));
}

void TestChatWindow::frozenKeepsViewAndSelection() {
    TFormQuorChat window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AddNumberedLines(window, 0, 100);
    QScrollBar *bar = window.Memo1->verticalScrollBar();
    QVERIFY(bar->value() > 0);

    window.SetFrozen(true);
    QCOMPARE(window.SpeedButton1->text(), QStringLiteral("frozen"));
    bar->setValue(10);
    const QString topLine = FirstVisibleLine(window.Memo1);
    QTextCursor selection(window.Memo1->document()->findBlockByNumber(12));
    selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    window.Memo1->setTextCursor(selection);

    AddNumberedLines(window, 100, 150);
    QCOMPARE(bar->value(), 10);
    QCOMPARE(FirstVisibleLine(window.Memo1), topLine);
    QCOMPARE(window.Memo1->textCursor().selectedText(), QStringLiteral("line 12"));

    // Back to scrolling: the view jumps to the newest line.
    window.SetFrozen(false);
    QCOMPARE(window.SpeedButton1->text(), QStringLiteral("scrolling"));
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(window.Memo1->textCursor().atEnd());
}

void TestChatWindow::frozenKeepsViewAcrossTrimming() {
    TFormQuorChat window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AddNumberedLines(window, 0, 601);
    window.SetFrozen(true);
    QScrollBar *bar = window.Memo1->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const QString topLine = FirstVisibleLine(window.Memo1);

    window.AddLine(QStringLiteral("line 601"));
    QCOMPARE(window.LineCount(), 501);
    // The line the user was reading stays at the top although 101 lines above
    // it were cut.
    QCOMPARE(FirstVisibleLine(window.Memo1), topLine);
}

void TestChatWindow::scrollingFollowsNewLines() {
    TFormQuorChat window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AddNumberedLines(window, 0, 100);
    QScrollBar *bar = window.Memo1->verticalScrollBar();
    bar->setValue(0);
    window.AddLine(QStringLiteral("newest"));
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(bar->maximum() > 0);
}

void TestChatWindow::toggleBarSwitchesModes() {
    TFormQuorChat window;
    QTest::mouseClick(window.SpeedButton1, Qt::LeftButton);
    QVERIFY(window.IsFrozen());
    QCOMPARE(window.SpeedButton1->text(), QStringLiteral("frozen"));
    QTest::mouseClick(window.SpeedButton1, Qt::LeftButton);
    QVERIFY(!window.IsFrozen());
    QCOMPARE(window.SpeedButton1->text(), QStringLiteral("scrolling"));
}

void TestChatWindow::closeTellsHandlerOnceAndFreesWindow() {
    QPointer<TFormQuorChat> window = new TFormQuorChat;
    window->SetPeerName(QStringLiteral("Bob"));
    QStringList closed;
    window->SetOnClose([&](TFormQuorChat &w) { closed << w.GetPeerName(); });
    window->show();
    QVERIFY(window->close());
    window->close();
    QCOMPARE(closed, QStringList{QStringLiteral("Bob")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

QTEST_MAIN(TestChatWindow)
#include "ChatWindowTest.moc"
