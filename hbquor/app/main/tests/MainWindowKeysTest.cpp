// SPDX-License-Identifier: MIT
// The main window from the keyboard, with its handlers connected: Ctrl+Q and
// File, Exit ask the exit question; Enter on a contact does what a double
// click does.
#include "MainWindowFixture.h"

#include "KeyboardTestSupport.h"
#include "UnitQuorChat.h"

#include <QMenuBar>
#include <QTest>
#include <QTreeWidget>

class MainWindowKeysTest : public QObject {
    Q_OBJECT

private slots:
    void exitKeysAskTheQuestion() {
        MainWindowFixture f;
        TFormQuorMain &window = f.Start();
        f.ExitAnswer = false;
        QVERIFY(ShowActive(window));
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(f.ExitQuestions, 1);
        QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
        QMenu *file = window.menuBar()->actions().first()->menu();
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_X);
        QCOMPARE(f.ExitQuestions, 2);
        QVERIFY(window.isVisible());
    }

    void enterOnAContactShowsItsConversation() {
        MainWindowFixture f;
        f.WriteContacts("bob\r\ncarol\r\n");
        TFormQuorMain &window = f.Start();
        // Disconnected, a double click only shows a conversation already open.
        TFormQuorChat *carol = window.TalkWindows().CreateChatWindow(QStringLiteral("carol"));
        QVERIFY(!carol->isVisible());
        QVERIFY(ShowActive(window));
        QTreeWidget *contacts = window.ui.ListView1;
        contacts->setFocus();
        contacts->setCurrentItem(contacts->topLevelItem(1));
        QTest::keyClick(contacts, Qt::Key_Return);
        QVERIFY(carol->isVisible());
    }
};

QTEST_MAIN(MainWindowKeysTest)
#include "MainWindowKeysTest.moc"
