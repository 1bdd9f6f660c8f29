// SPDX-License-Identifier: MIT
// What the talk windows tell a screen reader beyond what it sees: the pane's
// name after the peer or channel, and the toggle's state kept current.
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

class TestTalkWindowSpeech : public QObject {
    Q_OBJECT

private slots:
    void paneIsNamedAfterThePeerOrChannel() {
        TFormQuorChat chat;
        chat.SetPeerName(QStringLiteral("alice"));
        QCOMPARE(chat.Memo1->accessibleName(), QStringLiteral("Conversation with alice"));
        TFormQuorChannel channel;
        channel.SetChannelName(QStringLiteral("#chan"));
        QCOMPARE(channel.Memo1->accessibleName(), QStringLiteral("Texts in #chan"));
    }

    void toggleDescriptionFollowsTheScrollMode() {
        TFormQuorChat chat;
        QVERIFY(chat.SpeedButton1->accessibleDescription().startsWith(u"Scrolling"));
        chat.SpeedButton1Click();
        QVERIFY(chat.SpeedButton1->accessibleDescription().startsWith(u"Frozen"));
    }
};

QTEST_MAIN(TestTalkWindowSpeech)
#include "TalkWindowSpeechTest.moc"
