// SPDX-License-Identifier: MIT
// Two instances of the program talking through the real chat server: anna's
// main window in this process, bob's in a second process (a process holds
// one library with one callback table, so one session manager). Private
// texts both ways, a shared channel, and a join the server refuses.
#include "LongTextGuard.h"
#include "MainWindowFixture.h"
#include "PeerInstance.h"
#include "QuordForAnnaAndBob.h"

#include "PastLines.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"
#include "pump_until.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <memory>

namespace {

QString Joined(const QStringList &items) {
    return items.join(kSeparator);
}

QStringList PaneLines(const QPlainTextEdit *pane) {
    return pane->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

class TwoInstancesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<quord::testing::QuordProcess> FServer;
    std::unique_ptr<MainWindowFixture> F;
    std::unique_ptr<PeerInstance> Bob;
    TFormQuorMain *W = nullptr;

    QStringList LogLines() const { return W->ui.RichEdit1->toPlainText().split(QLatin1Char('\n')); }

    bool AwaitLogLine(const QString &line) {
        return quor::testing::PumpUntil([&] { return LogLines().contains(line); }, 5000,
                                        hbquor::PumpPending);
    }

private slots:
    void init() {
        FServer = StartQuordForAnnaAndBob();
        QVERIFY(FServer != nullptr);
        Bob = std::make_unique<PeerInstance>(FServer->port());
        QVERIFY(Bob->Started());
        QCOMPARE(Bob->Ask(QStringLiteral("logon bob bob-pw")), QStringLiteral("ok"));
        QVERIFY(Bob->AwaitLogLine(QStringLiteral("Connected: bob")));

        F = std::make_unique<MainWindowFixture>();
        W = &F->StartForServer(FServer->port());
        F->LogOn(QStringLiteral("anna"), QStringLiteral("anna-pw"));
        QVERIFY(AwaitLogLine(QStringLiteral("Connected: anna")));
    }

    void cleanup() {
        F.reset();
        if (Bob)
            QCOMPARE(Bob->Finish(), 0);
        Bob.reset();
        FServer.reset();
    }

    void privateTextsBothWays() {
        // An incoming text is logged; it opens no conversation window.
        QCOMPARE(Bob->Ask(QStringLiteral("say anna first from bob")), QStringLiteral("sent"));
        QVERIFY(Bob->AwaitLogLine(QStringLiteral("bob (to anna): \tfirst from bob")));
        QVERIFY(AwaitLogLine(QStringLiteral("bob (to anna): \tfirst from bob")));
        QCOMPARE(W->TalkWindows().FindChatWindow(QStringLiteral("bob")), nullptr);
        QVERIFY(F->ChatLogLines().contains(QStringLiteral("bob (to anna): first from bob")));

        // Anna answers from an open conversation window's peer; the window
        // opens with the text bob sent before, and the "earlier" line.
        TFormQuorChat *chat = W->TalkWindows().CreateChatWindow(QStringLiteral("bob"));
        QVERIFY(chat != nullptr);
        QVERIFY(F->Say(QStringLiteral("bob"), QStringLiteral("hello bob")));
        QCOMPARE(F->LastLogLine(), QStringLiteral("anna (to bob): \thello bob"));
        const QString earlier = hbquor::historyview::PastLines::EarlierMark();
        const QStringList before{QStringLiteral("bob: \tfirst from bob"),
                                 QStringLiteral("anna: \thello bob")};
        QCOMPARE(PaneLines(chat->Memo1), (QStringList{before[0], earlier, before[1]}));
        QVERIFY(Bob->AwaitLogLine(QStringLiteral("anna (to bob): \thello bob")));
        QCOMPARE(Bob->Ask(QStringLiteral("chat anna")), QStringLiteral("none"));

        // With a window open on bob's side too (showing both texts so far),
        // each text reaches the other's window once, after the sender's own
        // line.
        QCOMPARE(Bob->Ask(QStringLiteral("open anna")), QStringLiteral("ok"));
        QCOMPARE(Bob->Ask(QStringLiteral("say anna second from bob")), QStringLiteral("sent"));
        const QString bobsLines = QStringLiteral("lines ") + before.join(kSeparator) + kSeparator +
                                  earlier + kSeparator + QStringLiteral("bob: \tsecond from bob");
        QCOMPARE(Bob->Ask(QStringLiteral("chat anna")), bobsLines);
        QVERIFY(AwaitLogLine(QStringLiteral("bob (to anna): \tsecond from bob")));
        QCOMPARE(PaneLines(chat->Memo1), (QStringList{before[0], earlier, before[1],
                                                      QStringLiteral("bob: \tsecond from bob")}));
        QVERIFY(F->Say(QStringLiteral("bob"), QStringLiteral("last from anna")));
        QVERIFY(Bob->AwaitAnswer(QStringLiteral("chat anna"), [&bobsLines](const QString &answer) {
            return answer == bobsLines + kSeparator + QStringLiteral("anna: \tlast from anna");
        }));
        QCOMPARE(W->TalkWindows().FindChatWindow(QStringLiteral("carol")), nullptr);
        chat->close();
    }

    void longPasteReachesThePeerWhole() {
        // 120 lines pasted into the say input: asked once, then paced within
        // the server's budget of 50 at once and 20 a second, none lost.
        auto *guard = W->ui.inpSayThis->findChild<LongTextGuard *>();
        QStringList questions;
        guard->SetAsk([&](QWidget *, const QString &question) {
            questions << question;
            return true;
        });
        QStringList pasted;
        for (int i = 1; i <= 120; ++i)
            pasted << QStringLiteral("paste %1").arg(i);
        W->ui.inpTarget->setText(QStringLiteral("bob"));
        QGuiApplication::clipboard()->setText(pasted.join(u'\n'));
        QTest::keySequence(W->ui.inpSayThis, QKeySequence::Paste);
        QCOMPARE(questions, QStringList{QStringLiteral("Send 120 lines to bob?")});
        QVERIFY(quor::testing::PumpUntil([&] { return !guard->Sender().IsSending(); }, 20000,
                                         [](int ms) {
                                             hbquor::PumpPending(ms);
                                             QCoreApplication::processEvents();
                                         }));
        QStringList expected;
        for (const QString &line : pasted)
            expected << QStringLiteral("anna (to bob): \t") + line;
        QVERIFY(Bob->AwaitAnswer(QStringLiteral("log"), [&](const QString &log) {
            return log.split(kSeparator).filter(QStringLiteral("\tpaste ")) == expected;
        }));
    }

    void channelTextsReachTheOthersWindow() {
        QCOMPARE(Bob->Ask(QStringLiteral("join lobby")), QStringLiteral("ok"));
        QVERIFY(Bob->AwaitLogLine(QStringLiteral("bob joined channel #lobby")));
        F->JoinChannel(QStringLiteral("lobby"));
        TFormQuorChannel *lobby = W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby"));
        QVERIFY(lobby != nullptr);
        const QStringList both{QStringLiteral("anna"), QStringLiteral("bob")};
        QVERIFY(quor::testing::PumpUntil([&] { return lobby->MemberNames() == both; }, 5000,
                                         hbquor::PumpPending));
        QVERIFY(Bob->AwaitAnswer(QStringLiteral("members #lobby"), [&](const QString &answer) {
            return answer == QStringLiteral("members ") + Joined(both);
        }));

        // Anna says something through the main window's say input.
        QVERIFY(F->Say(QStringLiteral("#lobby"), QStringLiteral("hello channel")));
        QCOMPARE(F->LastLogLine(), QStringLiteral("anna (to #lobby): \thello channel"));
        QVERIFY(Bob->AwaitLogLine(QStringLiteral("#lobby - anna: \thello channel")));
        QVERIFY(Bob->Ask(QStringLiteral("channel #lobby"))
                    .split(kSeparator)
                    .endsWith(QStringLiteral("anna: \thello channel")));

        // Bob answers; anna's channel window shows it after her own line.
        QCOMPARE(Bob->Ask(QStringLiteral("say #lobby hi anna")), QStringLiteral("sent"));
        QVERIFY(AwaitLogLine(QStringLiteral("#lobby - bob: \thi anna")));
        const QStringList lines = PaneLines(lobby->Memo1);
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList{QStringLiteral("anna: \thello channel"),
                                                           QStringLiteral("bob: \thi anna")}));
        QCOMPARE(lines.count(QStringLiteral("anna: \thello channel")), 1);

        // Anna leaves by closing the window; bob's list loses her.
        lobby->close();
        QVERIFY(Bob->AwaitAnswer(QStringLiteral("members #lobby"), [](const QString &answer) {
            return answer == QStringLiteral("members bob");
        }));
    }

    void refusedJoinClosesTheChannelWindow() {
        // Bob opens an invite-only channel; anna is not invited.
        QCOMPARE(Bob->Ask(QStringLiteral("join club 1")), QStringLiteral("ok"));
        QVERIFY(Bob->AwaitLogLine(QStringLiteral("bob joined channel #club")));
        F->JoinChannel(QStringLiteral("club"));
        QPointer<TFormQuorChannel> club =
            W->TalkWindows().FindChannelWindow(QStringLiteral("#club"));
        QVERIFY(club != nullptr);
        QVERIFY(quor::testing::PumpUntil([&] { return club.isNull() || !club->isVisible(); }, 5000,
                                         hbquor::PumpPending));
        QCOMPARE(W->TalkWindows().FindChannelWindow(QStringLiteral("#club")), nullptr);
        QCOMPARE(W->ui.ListView2->topLevelItemCount(), 0);
        QVERIFY(F->LastLogLine().startsWith(QStringLiteral("Channel error: #club, anna - ")));
        QVERIFY(LogLines().contains(QStringLiteral("anna left channel #club")));
    }
};

QTEST_MAIN(TwoInstancesTest)
#include "TwoInstancesTest.moc"
