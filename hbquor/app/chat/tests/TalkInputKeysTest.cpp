// SPDX-License-Identifier: MIT
// The keys of the talk windows' inputs: Tab completing names in a channel
// (members and known names, cycling, ": " at the start of a line), Tab
// moving on when there is nothing to complete, and Up and Down recalling
// the texts sent, with the draft kept.
#include "KeyboardTestSupport.h"
#include "TalkTestSupport.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

class TalkInputKeysTest : public QObject {
    Q_OBJECT

private:
    /// The input's text with a bar at the cursor.
    static QString Shown(const QLineEdit *input) {
        QString text = input->text();
        return text.insert(input->cursorPosition(), u'|');
    }

private slots:
    void tabCompletesInChannels_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("afterTabs");
        QTest::newRow("line start") << "ca" << QStringList{"carol: |", "Carla: |", "carol: |"};
        QTest::newRow("mid line") << "hi da" << QStringList{"hi dave|"};
        QTest::newRow("own name left out") << "an" << QStringList{"an|"};
        QTest::newRow("empty") << "" << QStringList{"|"};
    }
    void tabCompletesInChannels() {
        QFETCH(QString, typed);
        QFETCH(QStringList, afterTabs);
        TFormQuorChannel window;
        window.SetOwnName(QStringLiteral("anna"));
        for (const char *member : {"anna", "carol", "bob"})
            window.MemberJoined(QString::fromLatin1(member));
        window.SetKnownNames([] { return QStringList{"Carla", "CAROL", "dave"}; });
        QVERIFY(ShowActive(window));
        window.Edit1->setFocus();
        QTest::keyClicks(window.Edit1, typed);
        for (const QString &expected : afterTabs) {
            QTest::keyClick(window.Edit1, Qt::Key_Tab);
            QCOMPARE(Shown(window.Edit1), expected);
        }
        QCOMPARE(QApplication::focusWidget() == window.Edit1, afterTabs.first() != typed + u'|');
    }

    void upAndDownRecallSentTexts() {
        TFormQuorChat window;
        SendRecorder sent;
        window.SetOnSendText(sent.Handler());
        QVERIFY(ShowActive(window));
        EnterLine(window, QStringLiteral("first"));
        EnterLine(window, QStringLiteral("second"));
        sent.Result = false;
        EnterLine(window, QStringLiteral("not sent"));
        QCoreApplication::processEvents();
        window.Edit1->setText(QStringLiteral("draft"));
        const QStringList expected{"second", "first", "first", "second", "draft", "draft"};
        const QList<Qt::Key> keys{Qt::Key_Up,   Qt::Key_Up,   Qt::Key_Up,
                                  Qt::Key_Down, Qt::Key_Down, Qt::Key_Down};
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClick(window.Edit1, keys.at(i));
            QCOMPARE(window.Edit1->text(), expected.at(i));
        }
    }
};

QTEST_MAIN(TalkInputKeysTest)
#include "TalkInputKeysTest.moc"
