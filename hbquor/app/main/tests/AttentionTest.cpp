// SPDX-License-Identifier: MIT
// The main window's settings that draw and keep the user's attention:
// notifications for what arrives while the user works elsewhere, the conversation kept
// for windows opened later, time stamps before said lines (ChatTimes) and
// every time in the chosen base (TimeMode). A window logs on to the
// scripted loopback server; events are raised through the session
// manager's callback handlers. Runs in the zone Europe/Berlin (set by the
// test's environment).
#include "ScriptedLogOn.h"

#include "FileBytes.h"
#include "PastLines.h"
#include "TimeText.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "UnitUserProfile.h"

#include "hbQuorTime.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

class AttentionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedLogOn> FLogOn;
    MainWindowFixture *F = nullptr;
    TFormQuorMain *W = nullptr;
    hbquor::ThbQuorCentral *C = nullptr;
    QUORHANDLE H = nullptr;

    /// Starts the window with the settings lines and logs alice on.
    bool LogOnWith(const QByteArray &settings) {
        FLogOn = std::make_unique<ScriptedLogOn>();
        F = &FLogOn->Fixture;
        const bool loggedOn = FLogOn->Start(settings);
        W = FLogOn->Window;
        C = FLogOn->Central;
        H = FLogOn->Handle;
        return loggedOn;
    }

    static QStringList PaneLines(const QPlainTextEdit *pane) {
        return pane->toPlainText().split(QLatin1Char('\n'));
    }

    QString LogLine(int fromEnd = 0) const {
        QTextBlock block = W->ui.RichEdit1->document()->lastBlock();
        for (int i = 0; i < fromEnd; ++i)
            block = block.previous();
        return block.text();
    }

    QStringList Notified() const {
        QStringList shown;
        for (const RecordingNotifier::Notification &n : F->Notifications->Shown)
            shown << n.Summary + QStringLiteral(" | ") + n.Body;
        return shown;
    }

private slots:
    void cleanup() { FLogOn.reset(); }

    void whatArrivesWhileTheProgramIsInactiveNotifies() {
        QVERIFY(LogOnWith({}));
        C->HandleText(H, "bob", "hello");
        C->HandleOfflineText(H, "carol", 7200, "later");
        C->HandleInvitation(H, "dave", "#lobby");
        C->HandleBroadcast(H, "admin", "restart");
        QCOMPARE(Notified(),
                 (QStringList{QStringLiteral("bob | hello"),
                              QStringLiteral("carol (while you were away) | later"),
                              QStringLiteral("dave | invites you to join channel #lobby"),
                              QStringLiteral("admin (to everyone) | restart")}));
        QCOMPARE(F->UrgentWindows, (QList<QWidget *>(4, W)));

        // With bob's conversation open, his texts show there: that window
        // is marked, and the click brings it up.
        TFormQuorChat *chat = W->TalkWindows().CreateChatWindow(QStringLiteral("bob"));
        C->HandleText(H, "BOB", "again");
        QCOMPARE(F->UrgentWindows.last(), chat);
        QVERIFY(!chat->isVisible());
        F->Notifications->Shown.last().OnClick();
        QVERIFY(chat->isVisible());

        // Nothing while a window of the program is active.
        F->ActiveWindow = chat;
        C->HandleText(H, "bob", "seen");
        C->HandleBroadcast(H, "admin", "seen");
        QCOMPARE(F->Notifications->Shown.size(), 5);
        chat->close();
    }

    void notifyOffRaisesNothing() {
        QVERIFY(LogOnWith("Notify=0\n"));
        C->HandleText(H, "bob", "hello");
        C->HandleInvitation(H, "dave", "#lobby");
        QVERIFY(F->Notifications->Shown.isEmpty());
        QVERIFY(F->UrgentWindows.isEmpty());
        QVERIFY(F->CloseWithYes());
        QVERIFY(ReadFileBytes(F->Files().SettingsFile).contains("Notify=0"));
    }

    void aConversationOpenedLaterShowsWhatWasExchanged() {
        QVERIFY(LogOnWith({}));
        C->HandleText(H, "bob", "one");
        QVERIFY(F->Say(QStringLiteral("Bob"), QStringLiteral("two")));
        C->HandleText(H, "carol", "not for bob");
        C->HandleOfflineText(H, "bob", 7200, "offline texts stay in the log");
        TFormQuorChat *chat = W->TalkWindows().CreateChatWindow(QStringLiteral("BOB"));
        const QString earlier = hbquor::historyview::PastLines::EarlierMark();
        QCOMPARE(PaneLines(chat->Memo1), (QStringList{QStringLiteral("bob: \tone"),
                                                      QStringLiteral("alice: \ttwo"), earlier}));

        // Said in the window: shown there once, and kept.
        chat->Edit1->setText(QStringLiteral("three"));
        chat->Edit1KeyDown(Qt::Key_Return);
        C->HandleText(H, "bob", "four");
        QStringList all{QStringLiteral("bob: \tone"), QStringLiteral("alice: \ttwo"), earlier,
                        QStringLiteral("alice: \tthree"), QStringLiteral("bob: \tfour")};
        QCOMPARE(PaneLines(chat->Memo1), all);
        chat->close();
        chat = W->TalkWindows().CreateChatWindow(QStringLiteral("bob"));
        all.move(2, 4);
        QCOMPARE(PaneLines(chat->Memo1), all);
        chat->close();
    }

    void chatTimesStampSaidLinesInThePanesOnly() {
        QVERIFY(LogOnWith("ChatTimes=1\n"));
        const QString at = TimeText().TimeOfDay(F->Now) + QLatin1Char(' ');
        C->HandleText(H, "bob", "hi");
        QCOMPARE(LogLine(), at + QStringLiteral("bob (to alice): \thi"));
        const double said = F->Now;
        F->Now += 1.0 / 24;
        const QString later = TimeText().TimeOfDay(F->Now) + QLatin1Char(' ');

        // The conversation window shows the kept line with the time it was
        // said, and its own line with now.
        TFormQuorChat *chat = W->TalkWindows().CreateChatWindow(QStringLiteral("bob"));
        chat->Edit1->setText(QStringLiteral("yes"));
        chat->Edit1KeyDown(Qt::Key_Return);
        QCOMPARE(PaneLines(chat->Memo1),
                 (QStringList{TimeText().TimeOfDay(said) + QStringLiteral(" bob: \thi"),
                              hbquor::historyview::PastLines::EarlierMark(),
                              later + QStringLiteral("alice: \tyes")}));
        QCOMPARE(LogLine(), later + QStringLiteral("alice (to bob): \tyes"));
        chat->close();

        // A channel's lines; its membership news are not said lines.
        F->JoinChannel(QStringLiteral("#lobby"));
        TFormQuorChannel *channel = W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby"));
        QVERIFY(channel);
        C->HandleChannelJoin(H, "#lobby", "bob");
        C->HandleChannelText(H, "bob", "#lobby", "all");
        QCOMPARE(PaneLines(channel->Memo1), (QStringList{QStringLiteral("* bob joined"),
                                                         later + QStringLiteral("bob: \tall")}));
        QCOMPARE(LogLine(), later + QStringLiteral("#lobby - bob: \tall"));
        QCOMPARE(LogLine(1), QStringLiteral("bob joined channel #lobby"));

        // The chat log's lines are as without ChatTimes.
        const QStringList file = F->ChatLogLines();
        for (const char *line : {"bob (to alice): hi", "alice (to bob): yes", "#lobby - bob: all"})
            QVERIFY2(file.contains(QLatin1String(line)), line);
        channel->close();
    }

    void everyTimeFollowsTheTimeBase_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("clockHint");
        QTest::newRow("VRT") << QByteArray() << 0 << "VRT"
                             << "Virtual Reality Time:\n2004 March 5 Friday 09:07";
        QTest::newRow("UTC") << QByteArray("TimeMode=1\n") << 1 << "UTC"
                             << "Universal Time (UTC):\n2004 March 5 Friday 11:07";
        QTest::newRow("local") << QByteArray("TimeMode=2\n") << 2 << "CET"
                               << "Local time (CET):\n2004 March 5 Friday 12:07";
    }

    void everyTimeFollowsTheTimeBase() {
        QFETCH(QByteArray, settings);
        QFETCH(int, mode);
        QFETCH(QString, zone);
        QVERIFY(LogOnWith(settings));
        QCOMPARE(W->ui.pnVRT->text(), zone + QStringLiteral("..."));
        W->Timer1Timer();
        QTEST(W->ui.pnVRT->toolTip(), "clockHint");
        const TimeText times(mode);
        QCOMPARE(W->ui.pnVRT->text(), times.HourMinute(F->Now));

        // 1 January 1970, 03:07 UTC.
        C->HandleOfflineText(H, "bob", 3 * 3600 + 7 * 60, "see you");
        QCOMPARE(LogLine(1), QStringLiteral("bob (to alice), sent on %1 %2:")
                                 .arg(times.LongDate(25569.0 + (3600 + 420) / 86400.0), zone));
        const QStringList file = F->ChatLogLines();
        QCOMPARE(file.value(1),
                 QStringLiteral("Quor Log opened %1 %2").arg(times.LongDate(F->Now), zone));
        QVERIFY2(file.contains(times.TimeOfDay(F->Now) + QLatin1Char(' ') + zone +
                               QStringLiteral(" - Connected: alice")),
                 qPrintable(file.join(QLatin1Char('\n'))));

        // The own profile's times in the profile window the menu opens.
        const int created = 978307200; // 1 January 2001, 00:00 UTC: winter in Berlin
        C->HandleUserProfile(H, 0, "alice", "secret", "alice@example.org", 0, created, created, 0,
                             0);
        QString shownCreated;
        F->AnswerDialog = [&shownCreated](QDialog &dialog) {
            auto *profile = qobject_cast<hbquor::account::TFormUserProfile *>(&dialog);
            if (profile != nullptr) {
                profile->show();
                shownCreated = profile->inpCreated->text();
            }
            return int(QDialog::Rejected);
        };
        W->mnuUserProfileClick();
        QCOMPARE(shownCreated, times.DateAndTime(hbquor::UnixToVrt(created)));
        QVERIFY2(shownCreated.endsWith(QLatin1Char(' ') + zone), qPrintable(shownCreated));
    }
};

QTEST_MAIN(AttentionTest)
#include "AttentionTest.moc"
