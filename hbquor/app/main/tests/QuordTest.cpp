// SPDX-License-Identifier: MIT
// The main window end to end against the real chat server, started for each
// test on a free 127.0.0.1 port with its own data folder: logon with the
// welcome and the channel listing that follow it, the own profile, joining
// a channel, a text to an offline user, logoff, and a logon as a second name.
#include "MainWindowFixture.h"
#include "QuordForAnnaAndBob.h"

#include "VrtText.h"

#include "UnitQuorChannel.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"
#include "pump_until.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

class QuordTest : public QObject {
    Q_OBJECT

    std::unique_ptr<quord::testing::QuordProcess> FServer;
    std::unique_ptr<MainWindowFixture> F;
    TFormQuorMain *W = nullptr;

    QString LogText() const { return W->ui.RichEdit1->document()->toPlainText(); }

    bool AwaitLogLine(const QString &line) {
        return quor::testing::PumpUntil(
            [&] { return LogText().split(QLatin1Char('\n')).contains(line); }, 5000,
            hbquor::PumpPending);
    }

    void LogOnAsAnna() {
        F->LogOn(QStringLiteral("anna"), QStringLiteral("anna-pw"));
        QVERIFY(AwaitLogLine(QStringLiteral("Connected: anna")));
    }

private slots:
    void init() {
        FServer = StartQuordForAnnaAndBob();
        QVERIFY(FServer != nullptr);
        F = std::make_unique<MainWindowFixture>();
        W = &F->StartForServer(FServer->port());
    }

    void cleanup() {
        F.reset();
        FServer.reset();
    }

    void logonShowsWelcomeChannelListingAndProfile() {
        LogOnAsAnna();
        QVERIFY(W->ui.inpSayThis->isEnabled());
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - anna"));
        // Every logon is followed by a channel listing; none are open yet.
        QVERIFY(AwaitLogLine(QStringLiteral("There are 0 channels operating")));
        QVERIFY(quor::testing::PumpUntil([this] { return W->ui.mnuUserProfile->isEnabled(); }, 5000,
                                         hbquor::PumpPending));
        QVERIFY(F->ChatLogLines().contains(FormatLogTimeStamp(F->Now) +
                                           QStringLiteral(" VRT - Connected: anna")));
    }

    void joinedChannelIsListedAndShownInItsWindow() {
        LogOnAsAnna();
        F->JoinChannel(QStringLiteral("lobby"));
        QVERIFY(AwaitLogLine(QStringLiteral("anna joined channel #lobby")));
        TFormQuorChannel *window = W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby"));
        QVERIFY(window != nullptr);
        QCOMPARE(window->MemberNames(), QStringList{QStringLiteral("anna")});
        W->Commands().mnuListChannelsClick();
        QVERIFY(AwaitLogLine(QStringLiteral("There is 1 channel operating")));
        QVERIFY(LogText().contains(QStringLiteral("  Channel: #lobby - Standard - 1 user")));
    }

    void textToAnOfflineUserAndLogoff() {
        LogOnAsAnna();
        W->ui.inpTarget->setText(QStringLiteral("bob"));
        W->ui.inpSayThis->setText(QStringLiteral("see you later"));
        QVERIFY(W->inpSayThisKeyDown(Qt::Key_Return));
        QVERIFY(LogText().contains(QStringLiteral("anna (to bob): \tsee you later")));
        QCOMPARE(W->ui.inpSayThis->text(), QString());
        W->spbLogoffClick();
        QVERIFY(AwaitLogLine(QStringLiteral("Disconnected: anna")));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - disconnected"));
    }

    void logonAsASecondNameDropsTheFirstSilently() {
        LogOnAsAnna();
        F->LogOn(QStringLiteral("bob"), QStringLiteral("bob-pw"));
        QVERIFY(AwaitLogLine(QStringLiteral("Connected: bob")));
        QVERIFY(!F->Client().Central().HasLogin("anna"));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - bob"));
        // Nothing arrives later for the dropped session either.
        quor::testing::PumpFor(300, hbquor::PumpPending);
        QVERIFY(!LogText().contains(QStringLiteral("Disconnected: ")));
        QVERIFY(F->Client().Central().IsConnected("bob"));
    }

    void wrongPasswordIsALoginError() {
        F->LogOn(QStringLiteral("anna"), QStringLiteral("wrong"));
        QVERIFY(quor::testing::PumpUntil(
            [this] { return LogText().contains(QStringLiteral("Login error: anna - ")); }, 5000,
            hbquor::PumpPending));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - disconnected"));
    }
};

QTEST_MAIN(QuordTest)
#include "QuordTest.moc"
