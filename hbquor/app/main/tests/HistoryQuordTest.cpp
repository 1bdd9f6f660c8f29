// SPDX-License-Identifier: MIT
// The history end to end against the real chat server: texts exchanged
// with bob (in a second program) are in anna's conversation window after
// her program was restarted on the same folder, before an "earlier" line;
// a text arriving while that window is not active counts in its title and
// makes bob bold in the contacts pane until the window is activated; the
// search finds the text and opens the conversation at it; a damaged history
// file is one line in the log.
#include "MainWindowFixture.h"
#include "PeerInstance.h"
#include "QuordForAnnaAndBob.h"

#include "PastLines.h"
#include "SearchDialog.h"
#include "UnitQuorChat.h"

#include "hbQuorPump.h"
#include "pump_until.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <memory>

class HistoryQuordTest : public QObject {
    Q_OBJECT

    std::unique_ptr<quord::testing::QuordProcess> FServer;
    std::unique_ptr<MainWindowFixture> F;
    TFormQuorMain *W = nullptr;

    QStringList LogLines() const { return W->ui.RichEdit1->toPlainText().split(QLatin1Char('\n')); }

    bool Await(const std::function<bool()> &done) {
        return quor::testing::PumpUntil(done, 5000, hbquor::PumpPending);
    }

    bool AwaitLogLine(const QString &line) {
        return Await([&] { return LogLines().contains(line); });
    }

    void StartAndLogOnAnna() {
        W = &F->StartForServer(FServer->port());
        F->LogOn(QStringLiteral("anna"), QStringLiteral("anna-pw"));
        QVERIFY(AwaitLogLine(QStringLiteral("Connected: anna")));
    }

    bool BobInBold() const {
        const auto items = W->ui.ListView1->findItems(QStringLiteral("bob"), Qt::MatchExactly);
        return !items.isEmpty() && items.first()->font(0).bold();
    }

private slots:
    void init() {
        FServer = StartQuordForAnnaAndBob();
        QVERIFY(FServer != nullptr);
        F = std::make_unique<MainWindowFixture>();
    }

    void cleanup() {
        F.reset();
        FServer.reset();
    }

    void aRestartedProgramOpensTheConversationWithItsPast() {
        PeerInstance bob(FServer->port());
        QVERIFY(bob.Started());
        QCOMPARE(bob.Ask(QStringLiteral("logon bob bob-pw")), QStringLiteral("ok"));
        QVERIFY(bob.AwaitLogLine(QStringLiteral("Connected: bob")));
        StartAndLogOnAnna();
        QCOMPARE(bob.Ask(QStringLiteral("say anna hello anna")), QStringLiteral("sent"));
        QVERIFY(AwaitLogLine(QStringLiteral("bob (to anna): \thello anna")));
        QVERIFY(F->Say(QStringLiteral("bob"), QStringLiteral("hi bob")));

        F->Destroy();
        StartAndLogOnAnna();
        TFormQuorChat *chat = W->TalkWindows().CreateChatWindow(QStringLiteral("bob"));
        QVERIFY(chat != nullptr);
        const QStringList past{QStringLiteral("bob: \thello anna"),
                               QStringLiteral("anna: \thi bob"),
                               hbquor::historyview::PastLines::EarlierMark()};
        QCOMPARE(chat->Memo1->toPlainText().split(QLatin1Char('\n')), past);

        // Not active: the line counts until the window is.
        QCOMPARE(bob.Ask(QStringLiteral("say anna are you there")), QStringLiteral("sent"));
        QVERIFY(AwaitLogLine(QStringLiteral("bob (to anna): \tare you there")));
        QCOMPARE(chat->windowTitle(), QStringLiteral("(1) anna talk / telegram to bob"));
        QVERIFY(BobInBold());
        chat->ShowInFront(false);
        QApplication::setActiveWindow(chat);
        QVERIFY(Await([&] { return !BobInBold(); }));
        QCOMPARE(chat->windowTitle(), QStringLiteral("anna talk / telegram to bob"));
        QCOMPARE(F->Client().Unread().UnreadPrivateTexts(), 0);

        // Found through the search, a hit opens its conversation at its line.
        chat->close();
        W->ui.mnuSearchHistory->trigger();
        auto *search = W->findChild<hbquor::historyview::SearchDialog *>();
        QVERIFY(search != nullptr && search->isVisible());
        search->inpQuery->setText(QStringLiteral("hel*"));
        search->Search();
        QCOMPARE(search->Hits().size(), 1);
        search->btOpen->click();
        chat = W->TalkWindows().FindChatWindow(QStringLiteral("bob"));
        QVERIFY(chat != nullptr);
        QCOMPARE(chat->Memo1->textCursor().selectedText(), QStringLiteral("bob: \thello anna"));
        QCOMPARE(bob.Finish(), 0);
    }

    void aDamagedHistoryFileIsOneLineInTheLog() {
        QFile file(F->Files().HistoryFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(8192, 'x'));
        file.close();
        W = &F->StartForServer(FServer->port());
        QVERIFY(Await([&] {
            return LogLines().filter(QStringLiteral("History: ")).size() == 1 &&
                   LogLines().filter(QStringLiteral("was damaged")).size() == 1;
        }));
    }
};

QTEST_MAIN(HistoryQuordTest)
#include "HistoryQuordTest.moc"
