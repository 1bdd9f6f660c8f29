// SPDX-License-Identifier: MIT
// What the conversation and channel windows share as windows: the designed
// size is the starting and smallest size; a larger or maximised window gives
// the pane (and the member list) the room, the toggle bar and the input
// staying at the bottom; Tab walks the input, the pane, the member list and
// the toggle bar; Esc and Ctrl+W close the window.
#include "KeyboardTestSupport.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace {

/// A new window of either kind; it frees itself when closed.
TQuorTalkWindow *MakeWindow(bool channel) {
    if (channel)
        return new TFormQuorChannel;
    return new TFormQuorChat;
}

QTreeWidget *MemberList(TQuorTalkWindow *window) {
    auto *channel = qobject_cast<TFormQuorChannel *>(window);
    return channel != nullptr ? channel->ListView1 : nullptr;
}

void AddKinds() {
    QTest::addColumn<bool>("channel");
    QTest::newRow("conversation") << false;
    QTest::newRow("channel") << true;
}

/// Places of the window's controls, the member list last when it has one.
QList<QRect> Places(TQuorTalkWindow *window) {
    QList<QRect> places{window->Memo1->geometry(), window->SpeedButton1->geometry(),
                        window->Edit1->geometry()};
    if (QTreeWidget *members = MemberList(window))
        places << members->geometry();
    return places;
}

} // namespace

class TestTalkWindowFrame : public QObject {
    Q_OBJECT

private slots:
    void designedSizeIsTheSmallestAndTheRestGoesToThePane_data() { AddKinds(); }
    void designedSizeIsTheSmallestAndTheRestGoesToThePane() {
        QFETCH(bool, channel);
        QPointer<TQuorTalkWindow> window = MakeWindow(channel);
        const QSize start =
            channel ? TFormQuorChannel::StartingSize() : TFormQuorChat::StartingSize();
        QCOMPARE(window->size(), start);
        QCOMPARE(window->minimumSize(), start);
        QVERIFY(window->windowFlags() & Qt::WindowMaximizeButtonHint);
        const QList<QRect> designed = Places(window);

        window->show();
        window->resize(start + QSize(100, 60));
        QTRY_COMPARE(window->size(), start + QSize(100, 60));
        const QList<QRect> grown = Places(window);
        QCOMPARE(grown[0], designed[0].adjusted(0, 0, 100, 60));                  // the pane
        QCOMPARE(grown[1], designed[1].translated(0, 60).adjusted(0, 0, 100, 0)); // toggle
        QCOMPARE(grown[2], designed[2].translated(0, 60).adjusted(0, 0, 100, 0)); // input
        if (channel)
            QCOMPARE(grown[3], designed[3].adjusted(0, 0, 0, 60)); // the member list

        // Maximised, the input still ends as far above the bottom as designed.
        window->showMaximized();
        QTRY_VERIFY(window->width() > start.width() + 100);
        QCOMPARE(start.height() - designed[2].bottom(),
                 window->height() - window->Edit1->geometry().bottom());
        window->showNormal();
        window->resize(start - QSize(50, 50));
        QTRY_COMPARE(window->size(), start);
        QCOMPARE(Places(window), designed);
        window->close();
    }

    void tabWalksInputPaneMembersAndToggle_data() { AddKinds(); }
    void tabWalksInputPaneMembersAndToggle() {
        QFETCH(bool, channel);
        QPointer<TQuorTalkWindow> window = MakeWindow(channel);
        QVERIFY(ShowActive(*window));
        QList<QWidget *> expected{window->Memo1};
        if (QTreeWidget *members = MemberList(window))
            expected << members;
        expected << window->SpeedButton1 << window->Edit1;
        QCOMPARE(TabChain(window->Edit1, int(expected.size())), expected);
        window->close();
    }

    void escapeAndCtrlWClose_data() {
        QTest::addColumn<bool>("channel");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (const bool channel : {false, true}) {
            const char *kind = channel ? "channel" : "conversation";
            QTest::addRow("%s, Esc", kind) << channel << int(Qt::Key_Escape) << 0;
            QTest::addRow("%s, Ctrl+W", kind)
                << channel << int(Qt::Key_W) << int(Qt::ControlModifier);
        }
    }

    void escapeAndCtrlWClose() {
        QFETCH(bool, channel);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QPointer<TQuorTalkWindow> window = MakeWindow(channel);
        QVERIFY(ShowActive(*window));
        window->Edit1->setText(QStringLiteral("typed"));
        QTest::keyClick(window->Edit1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    void otherKeysKeepTheWindowOpen() {
        QPointer<TQuorTalkWindow> window = MakeWindow(false);
        QVERIFY(ShowActive(*window));
        QTest::keyClick(window->Edit1, Qt::Key_W);
        QTest::keyClick(window->Edit1, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(window->isVisible());
        QCOMPARE(window->Edit1->text(), QStringLiteral("w"));
        window->close();
    }
};

QTEST_MAIN(TestTalkWindowFrame)
#include "TalkWindowFrameTest.moc"
