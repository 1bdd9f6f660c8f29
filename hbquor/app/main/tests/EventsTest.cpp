// SPDX-License-Identifier: MIT
// Every session event as the main window presents it: the exact log pane
// line, the chat log file line and the other effects. A window logs on to
// the scripted loopback server; the events are then raised through the
// session manager's callback handlers with the session's real handle.
#include "MainWindowFixture.h"

#include "ContactIcons.h"
#include "VrtText.h"

#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "UnitUserProfile.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"
#include "pump_until.h"
#include "quor_wire/protocol_ids.h"
#include "scripted_server.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTreeWidget>

#include <memory>

using hbquor::QuorUserStatus;

class EventsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<quor::testing::ScriptedServer> FServer;
    std::unique_ptr<MainWindowFixture> F;
    TFormQuorMain *W = nullptr;
    hbquor::ThbQuorCentral *C = nullptr;
    QUORHANDLE H = nullptr;

    QString Stamp() const { return FormatLogTimeStamp(F->Now); }
    QString LastFileLine() const { return F->ChatLogLines().value(F->ChatLogLines().size() - 1); }
    QString LogLine(int fromEnd) const {
        QTextBlock block = W->ui.RichEdit1->document()->lastBlock();
        for (int i = 0; i < fromEnd; ++i)
            block = block.previous();
        return block.text();
    }
    QColor LastLineColour() const {
        return W->ui.RichEdit1->document()
            ->lastBlock()
            .begin()
            .fragment()
            .charFormat()
            .foreground()
            .color();
    }
    int ImageOf(int row) const {
        return W->ui.ListView1->topLevelItem(row)->data(0, ContactImageRole).toInt();
    }
    /// Lets queued message boxes show.
    void ShowQueuedMessages() { QCoreApplication::processEvents(); }

private slots:
    void init() {
        FServer = std::make_unique<quor::testing::ScriptedServer>();
        F = std::make_unique<MainWindowFixture>();
        W = &F->StartForServer(FServer->port());
        C = &F->Client().Central();
        W->ui.inpUserName->setText(QStringLiteral("alice"));
        QCOMPARE(C->Login("alice", "secret"), 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("Connecting..."));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - alice"));
        QVERIFY(FServer->AcceptOpening(200));
        QVERIFY(quor::testing::PumpUntil([this] { return C->IsConnected("alice"); }, 3000,
                                         hbquor::PumpPending));
        H = C->FindByName("alice")->Handle();
        QVERIFY(H != nullptr);
    }

    void cleanup() {
        F.reset();
        FServer.reset();
    }

    void connectedWritesTheLinesAndTheLook() {
        QCOMPARE(LogLine(1), QStringLiteral("Connecting..."));
        QCOMPARE(F->LastLogLine(), QStringLiteral("Connected: alice"));
        QCOMPARE(LastLineColour(), QColor(0, 128, 0));
        QCOMPARE(LastFileLine(), Stamp() + QStringLiteral(" VRT - Connected: alice"));
        QVERIFY(W->ui.inpSayThis->isEnabled());
        QVERIFY(W->ui.mnuPingUser->isEnabled());
        QVERIFY(!W->ui.mnuUserProfile->isEnabled());
        // The own profile was asked for: the request reaches the server.
        QVERIFY(FServer->Read());
    }

    void contactListEntryAndContactStatusSetIcons() {
        C->HandleContactList(H, "BOB");
        QCOMPARE(ImageOf(0), 2);
        C->HandleContactStatus(H, "carol", 1);
        QCOMPARE(ImageOf(1), 1);
        C->HandleContactStatus(H, "carol", 3);
        QCOMPARE(ImageOf(1), 4);
        C->HandleContactStatus(H, "carol", 2);
        QCOMPARE(ImageOf(1), 0);
        C->HandleContactStatus(H, "carol", 9);
        QCOMPARE(ImageOf(1), 2);
    }

    void eventsNeedingASenderAreDroppedWithoutOne() {
        const int lines = F->LogLineCount();
        C->HandleContactList(nullptr, "carol"); // raised with no session
        QCOMPARE(ImageOf(1), 0);
        QCOMPARE(F->LogLineCount(), lines);
    }

    void channelJoinedAndLeft() {
        C->HandleChannelJoin(H, "#lobby", "bob");
        QCOMPARE(F->LastLogLine(), QStringLiteral("bob joined channel #lobby"));
        QCOMPARE(LastLineColour(), QColor(0, 128, 0));
        QCOMPARE(LastFileLine(), Stamp() + QStringLiteral(" VRT: bob joined channel #lobby"));
        C->HandleChannelLeave(H, "#lobby", "bob");
        QCOMPARE(F->LastLogLine(), QStringLiteral("bob left channel #lobby"));
        QCOMPARE(LastFileLine(), Stamp() + QStringLiteral(" VRT: bob left channel #lobby"));
    }

    void channelEventsReachAnOpenChannelWindow() {
        auto *window = new TFormQuorChannel;
        window->SetChannelName(QStringLiteral("#lobby"));
        W->TalkWindows().RegisterChannelWindow(QStringLiteral("#lobby"), window);
        QCOMPARE(W->ui.ListView2->topLevelItemCount(), 1);
        C->HandleChannelJoin(H, "#LOBBY", "bob");
        QCOMPARE(window->MemberNames(), QStringList{QStringLiteral("bob")});
        C->HandleChannelText(H, "bob", "#lobby", "hi all");
        QCOMPARE(F->LastLogLine(), QStringLiteral("#lobby - bob: \thi all"));
        QCOMPARE(LastFileLine(), QStringLiteral("#lobby - bob: hi all"));
        QCOMPARE(window->Memo1->document()->lastBlock().text(), QStringLiteral("bob: \thi all"));
        C->HandleChannelInfo(H, "#lobby", 2, "topic", "extra");
        QCOMPARE(window->GetChannelType(), 2);
        QCOMPARE(window->GetChannelInfo(), QStringLiteral("topic"));
        QCOMPARE(window->GetChannelInfoExtra(), QStringLiteral("extra"));
        C->HandleChannelLeave(H, "#lobby", "bob");
        QVERIFY(window->MemberNames().isEmpty());
        window->close();
    }

    void channelErrorClosesTheWindowThenLogs() {
        auto *window = new TFormQuorChannel;
        window->SetChannelName(QStringLiteral("#lobby"));
        W->TalkWindows().RegisterChannelWindow(QStringLiteral("#lobby"), window);
        QPointer<TFormQuorChannel> watch(window);
        C->HandleChannelError(H, "#lobby", 3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        QCOMPARE(W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby")), nullptr);
        QCOMPARE(W->ui.ListView2->topLevelItemCount(), 0);
        const QString errText = QString::fromStdString(hbquor::ErrorText(3));
        QCOMPARE(LogLine(2), QStringLiteral("alice left channel #lobby"));
        QCOMPARE(LogLine(1), QStringLiteral("alice closed channel #lobby"));
        QCOMPARE(F->LastLogLine(), QStringLiteral("Channel error: #lobby, alice - 3 ") + errText);
        QCOMPARE(LastLineColour(), QColor(255, 0, 0));
        QCOMPARE(LastFileLine(),
                 Stamp() + QStringLiteral(" VRT - Channel #lobby error 3: ") + errText);
    }

    void channelErrorWithoutAWindowIsDropped() {
        const int lines = F->LogLineCount();
        C->HandleChannelError(H, "#none", 3);
        QCOMPARE(F->LogLineCount(), lines);
    }

    void channelInfoWithoutAWindowSaysNotFound() {
        C->HandleChannelInfo(H, "#none", 0, "a", "b");
        QVERIFY(F->Messages.isEmpty()); // queued, not shown inside the callback
        ShowQueuedMessages();
        QCOMPARE(F->Messages, QStringList{QStringLiteral("#none not found")});
    }

    void offlineTextHeaderAndBody() {
        C->HandleOfflineText(H, "bob", 7200 + 3600 + 60 * 7, "see you");
        QCOMPARE(LogLine(1),
                 QStringLiteral("bob (to alice), sent on 1970 January 1 Thursday 01:07 VRT:"));
        QCOMPARE(F->LastLogLine(), QStringLiteral("\tsee you"));
        QCOMPARE(LastLineColour(), QColor(255, 0, 0));
        QCOMPARE(W->ui.RichEdit1->document()->lastBlock().blockFormat().leftMargin(), 40.0);
        QCOMPARE(
            LastFileLine(),
            QStringLiteral("bob (to alice), sent on 1970 January 1 Thursday 01:07 VRT: see you"));
    }

    void disconnectedShowsTheDisconnectedLook() {
        C->HandleContactStatus(H, "bob", 1);
        C->HandleDisconnect(H);
        QCOMPARE(F->LastLogLine(), QStringLiteral("Disconnected: alice"));
        QCOMPARE(LastFileLine(), Stamp() + QStringLiteral(" VRT - Disconnected: alice"));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - disconnected"));
        QVERIFY(!W->ui.inpSayThis->isEnabled());
        QCOMPARE(ImageOf(0), 0);
    }

    void userStatusTexts() {
        C->HandleIsOnline(H, "bob", 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("bob is not registered"));
        QCOMPARE(LastLineColour(), QColor(0, 0, 0));
        C->HandleIsOnline(H, "bob", 1);
        QCOMPARE(F->LastLogLine(), QStringLiteral("bob is online as user"));
        C->HandleIsOnline(H, "bob", 3);
        QCOMPARE(F->LastLogLine(), QStringLiteral("bob is online as administrator"));
        C->HandleIsOnline(H, "bob", 2);
        QCOMPARE(F->LastLogLine(), QStringLiteral("bob is offline"));
        C->HandleIsOnline(nullptr, "carol", 7); // no session: still shown
        QCOMPARE(F->LastLogLine(), QStringLiteral("carol is offline"));
    }

    void loginFailedShowsTheError() {
        C->HandleLogin(H, 3);
        const QString errText = QString::fromStdString(hbquor::ErrorText(3));
        // The server it went to ends the line.
        QCOMPARE(F->LastLogLine(), QStringLiteral("Login error: alice - 3 ") + errText +
                                       QStringLiteral(" (127.0.0.1:%1)").arg(FServer->port()));
        QCOMPARE(LastLineColour(), QColor(255, 0, 0));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - disconnected"));
    }

    void pingReplySecondOrSeconds() {
        C->HandlePingReply(H, "bob", 1);
        QCOMPARE(F->LastLogLine(), QStringLiteral("Ping reply from bob: 1 second"));
        C->HandlePingReply(H, "bob", 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("Ping reply from bob: 0 seconds"));
        C->HandlePingReply(H, "bob", 2);
        QCOMPARE(F->LastLogLine(), QStringLiteral("Ping reply from bob: 2 seconds"));
    }

    void textFailed() {
        C->HandleTextError(H, 4, "zed");
        const QString errText = QString::fromStdString(hbquor::ErrorText(4));
        QCOMPARE(F->LastLogLine(), QStringLiteral("Error alice - text for zed, 4 ") + errText);
        QCOMPARE(LastFileLine(),
                 Stamp() + QStringLiteral(" VRT - alice text for zed error 4: ") + errText);
    }

    void textIsLoggedAndReachesAnOpenConversationOnly() {
        C->HandleText(H, "bob", "hello there");
        QCOMPARE(F->LastLogLine(), QStringLiteral("bob (to alice): \thello there"));
        QCOMPARE(W->ui.RichEdit1->document()->lastBlock().blockFormat().leftMargin(), 80.0);
        QCOMPARE(LastFileLine(), QStringLiteral("bob (to alice): hello there"));
        QCOMPARE(W->TalkWindows().FindChatWindow(QStringLiteral("bob")), nullptr); // none opened

        auto *chat = new TFormQuorChat;
        chat->SetPeerName(QStringLiteral("bob"));
        W->TalkWindows().RegisterChatWindow(QStringLiteral("bob"), chat);
        C->HandleText(H, "BOB", "again");
        QCOMPARE(chat->LineCount(), 1);
        QCOMPARE(chat->Memo1->document()->lastBlock().text(), QStringLiteral("BOB: \tagain"));
        chat->close();
        QCOMPARE(W->TalkWindows().FindChatWindow(QStringLiteral("bob")), nullptr);
    }

    void receivedTextsShowAsUtf8OrElseWindows1252() {
        C->HandleText(H,
                      "b\xC3\xB6"
                      "b",
                      "Gr\xC3\xBC\xC3\x9F dich");
        QCOMPARE(F->LastLogLine(), QStringLiteral("böb (to alice): \tGrüß dich"));
        QCOMPARE(LastFileLine(), QStringLiteral("böb (to alice): Grüß dich"));
        C->HandleText(H,
                      "b\xF6"
                      "b",
                      "Gr\xFC\xDF dich \x80\x81");
        QCOMPARE(F->LastLogLine(), QStringLiteral("böb (to alice): \tGrüß dich €\uFFFD"));
        QCOMPARE(LastFileLine(), QStringLiteral("böb (to alice): Grüß dich €\uFFFD"));
        C->HandleWelcome(H, "Willkommen, \xE4lter Freund");
        QCOMPARE(LogLine(0), QStringLiteral("Willkommen, älter Freund"));
    }

    void aTextForgingLinesIsOneIsolatedLineEverywhere() {
        auto *chat = new TFormQuorChat;
        W->TalkWindows().RegisterChatWindow(QStringLiteral("bob"), chat);
        const int paneLines = F->LogLineCount();
        const qsizetype fileLines = F->ChatLogLines().size();
        // Through the library, as a server would relay it.
        using namespace std::string_literals;
        FServer->Send(quor::testing::MakeText("bob", "alice",
                                              "hi\r\n12:00 VRT - Disconnected: anna\n\xE2\x80\xA8"
                                              "admin (to anna): re-enter your password \xE2\x80\xAE"
                                              "drow\x1B[2J\0hidden"s));
        QVERIFY(quor::testing::PumpUntil([&] { return F->LogLineCount() > paneLines; }, 3000,
                                         hbquor::PumpPending));
        const QString text = QStringLiteral("hi  12:00 VRT - Disconnected: anna  admin (to anna): "
                                            "re-enter your password ");
        const QString tail = QStringLiteral("drow [2J");
        const QString isolated = QChar(0x2068) + text + QChar(0x202E) + tail + QChar(0x2069);
        QCOMPARE(F->LogLineCount(), paneLines + 1);
        QCOMPARE(F->LastLogLine(), QStringLiteral("bob (to alice): \t") + isolated);
        QCOMPARE(F->ChatLogLines().size(), fileLines + 1);
        QCOMPARE(LastFileLine(), QStringLiteral("bob (to alice): ") + text + tail);
        QCOMPARE(chat->LineCount(), 1);
        QCOMPARE(chat->Memo1->document()->lastBlock().text(), QStringLiteral("bob: \t") + isolated);
        QCOMPARE(F->Notifications->Shown.last().Body, text + QChar(0x202E) + tail);

        // Pasted line breaks in the own text show the same way; what goes
        // out is the session layer's business, as before.
        QVERIFY(F->Say(QStringLiteral("bob"), QStringLiteral("one\r\ntwo")));
        QCOMPARE(F->LastLogLine(), QStringLiteral("alice (to bob): \tone  two"));
        QCOMPARE(chat->Memo1->document()->lastBlock().text(), QStringLiteral("alice: \tone  two"));
        std::optional<quor::QuorMessage> sent;
        do
            sent = FServer->Read();
        while (sent && sent->id() != quor::wire::kText);
        QVERIFY(sent);
        QCOMPARE(sent->rawText(), std::string("one  two"));
        chat->close();
    }

    void welcomeAsksForTheChannelList() {
        FServer->Read(); // the own profile request
        C->HandleChannelList(H, "#a", 0, 1);
        C->HandleWelcome(H, "Welcome to Quor");
        QCOMPARE(F->LastLogLine(), QStringLiteral("Welcome to Quor"));
        QCOMPARE(LastLineColour(), QColor(0, 0, 255));
        QCOMPARE(LastFileLine(),
                 Stamp() + QStringLiteral(" VRT - Quor server welcome message: Welcome to Quor"));
        QVERIFY(FServer->Read()); // the channel list request
        // The listing that follows is counted from none.
        C->HandleChannelList(H, "", 0, 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("There are 0 channels operating"));
    }

    void broadcast() {
        C->HandleBroadcast(H, "admin", "maintenance at noon");
        QCOMPARE(F->LastLogLine(), QStringLiteral("admin: maintenance at noon"));
        QCOMPARE(LastFileLine(),
                 Stamp() +
                     QStringLiteral(" VRT - Quor server broadcast message: maintenance at noon"));
    }

    void channelListingSingularPluralAndNone() {
        C->HandleChannelList(H, "#a", 0, 1);
        QCOMPARE(F->LastLogLine(), QStringLiteral("  Channel: #a - Standard - 1 user"));
        QCOMPARE(LastFileLine(), QStringLiteral("  Channel: #a - Standard - 1 user"));
        C->HandleChannelList(H, "", 0, 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("There is 1 channel operating"));
        C->HandleChannelList(H, "#b", 1, 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("  Channel: #b - Invite-only - 0 users"));
        C->HandleChannelList(H, "#c", 2, 5);
        QCOMPARE(F->LastLogLine(), QStringLiteral("  Channel: #c - Passworded - 5 users"));
        C->HandleChannelList(H, "#d", 7, 2);
        QCOMPARE(F->LastLogLine(), QStringLiteral("  Channel: #d - Unknown - 2 users"));
        C->HandleChannelList(H, "", 0, 0);
        // The count is not reset at the end marker, only before a listing.
        QCOMPARE(F->LastLogLine(), QStringLiteral("There are 4 channels operating"));
        C->HandleWelcome(H, "w");
        C->HandleChannelList(H, "", 0, 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("There are 0 channels operating"));
        QCOMPARE(LastLineColour(), QColor(0, 0, 255));
    }

    void invitation() {
        C->HandleInvitation(H, "bob", "#secret");
        const QString text =
            QStringLiteral("Invitation: bob invites alice to join channel #secret");
        QCOMPARE(F->LastLogLine(), text);
        QCOMPARE(LastLineColour(), QColor(255, 0, 0));
        QCOMPARE(LastFileLine(), text);
    }

    void errorWithAndWithoutSender() {
        QCOMPARE(C->Login("", "x"), -1);
        QCOMPARE(
            F->LastLogLine(),
            QStringLiteral("Error: ThbQuorCentral.Login, , -1 User name or password are empty"));
        C->ForwardError(C->FindByName("alice"), "ThbQuorUnit.AddContact ", "quor_addcontact", 5,
                        "some text");
        QCOMPARE(F->LastLogLine(),
                 QStringLiteral("Error: alice - ThbQuorUnit.AddContact , quor_addcontact, 5 some "
                                "text"));
        QCOMPARE(LastLineColour(), QColor(255, 0, 0));
    }

    void inviteResultTexts() {
        QCOMPARE(F->Client().InviteUser(QStringLiteral("#lobby"), QStringLiteral("bob")), 0);
        C->HandleInviteUser(H, "BOB", 0);
        C->HandleInviteUser(H, "#lobby", 8);
        C->HandleInviteUser(H, "zed", 0);
        C->HandleInviteUser(H, "zed", 8);
        ShowQueuedMessages();
        const QString errText = QString::fromStdString(hbquor::ErrorText(8));
        QCOMPARE(
            F->Messages,
            (QStringList{QStringLiteral("Invitation for bob to join #lobby authorised!"),
                         QStringLiteral("Invitation for bob to join #lobby FAILED\rReason 8: ") +
                             errText,
                         QStringLiteral("Invitation for zed authorised!"),
                         QStringLiteral("Invitation for zed FAILED\rReason 8: ") + errText}));
    }

    void createUserResultTexts() {
        C->HandleCreateUser(H, 0);
        C->HandleCreateUser(H, 9);
        ShowQueuedMessages();
        const QString errText = QString::fromStdString(hbquor::ErrorText(9));
        QCOMPARE(
            F->Messages,
            (QStringList{QStringLiteral("New Quor account created for: alice\rPassword will be "
                                        "emailed to: "),
                         QStringLiteral("New Quor account FAILED for: alice\rEmail: \rReason 9: ") +
                             errText}));
    }

    void passwordRequestResultTexts() {
        QCOMPARE(C->RequestPassword("bob", "bob@example.org"), 0);
        C->HandleReqPassword(nullptr, 0);
        QCOMPARE(C->RequestPassword("carol", "c@example.org"), 0);
        C->HandleReqPassword(nullptr, 10);
        ShowQueuedMessages();
        const QString errText = QString::fromStdString(hbquor::ErrorText(10));
        QCOMPARE(F->Messages,
                 (QStringList{QStringLiteral("Password request of bob accepted\rPassword will be "
                                             "emailed to: bob@example.org"),
                              QStringLiteral("Password request of carol FAILED\rEmail: "
                                             "c@example.org\rReason 10: ") +
                                  errText}));
    }

    void lostAccountRequestsAreRefusalsAndLeaveTheLogonAlone_data() {
        QTest::addColumn<bool>("createAccount");
        QTest::addColumn<QString>("message");
        const QString errText = QString::fromStdString(hbquor::ErrorText(QUOR_ERR_CONNECT));
        QTest::newRow("create account")
            << true << QStringLiteral("Could not create a new user account!\r") + errText;
        QTest::newRow("request password")
            << false << QStringLiteral("Could not request password!\r") + errText;
    }

    void lostAccountRequestsAreRefusalsAndLeaveTheLogonAlone() {
        QFETCH(bool, createAccount);
        QFETCH(QString, message);
        auto *channel = new TFormQuorChannel;
        channel->SetChannelName(QStringLiteral("#lobby"));
        W->TalkWindows().RegisterChannelWindow(QStringLiteral("#lobby"), channel);
        const int lines = F->LogLineCount();
        QCOMPARE(createAccount ? C->CreateUser("newbie", "n@example.org")
                               : C->RequestPassword("newbie", "n@example.org"),
                 0);
        QVERIFY(FServer->AcceptOpening(0));
        FServer->Close(); // the account request's connection, accepted last
        QVERIFY(quor::testing::PumpUntil(
            [this] {
                ShowQueuedMessages();
                return !F->Messages.isEmpty();
            },
            3000, hbquor::PumpPending));
        QCOMPARE(F->Messages, QStringList{message});
        QCOMPARE(F->LogLineCount(), lines);
        QVERIFY(!C->HasLogin("newbie"));
        QVERIFY(C->IsConnected("alice"));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - alice"));
        QVERIFY(W->ui.inpSayThis->isEnabled());
        QCOMPARE(W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby")), channel);
        channel->close();
    }

    void ownProfileEnablesTheProfileCommand() {
        C->HandleUserProfile(H, 0, "bob", "", "", 0, 0, 0, 0, 0);
        QVERIFY(!W->ui.mnuUserProfile->isEnabled());
        C->HandleUserProfile(H, 5, "alice", "", "", 0, 0, 0, 0, 0);
        QVERIFY(!W->ui.mnuUserProfile->isEnabled());
        C->HandleUserProfile(H, 0, "ALICE", "pw", "a@example.org", 0, 7200, 7200, 0, 0);
        QVERIFY(W->ui.mnuUserProfile->isEnabled());
    }

    void profileEventsReachAnOpenProfileWindow() {
        C->HandleUserProfile(H, 0, "alice", "pw", "a@example.org", 0, 7200, 7200, 0, 0);
        F->Messages.clear();
        QString shownName;
        QString selfCreated;
        F->AnswerDialog = [&](QDialog &dialog) {
            auto &profile = dynamic_cast<hbquor::account::TFormUserProfile &>(dialog);
            C->HandleUserProfile(H, 0, "bob", "pw", "bob@example.org", 0, 7200, 7200, 2, 1);
            shownName = profile.inpUserName->text();
            selfCreated = profile.inpSelfCreated->text();
            C->HandleModifyUserProfile(H, 11, "bob");
            C->HandleChangeEmail(H, 12);
            ShowQueuedMessages();
            return int(QDialog::Rejected);
        };
        W->mnuUserProfileClick();
        QCOMPARE(shownName, QStringLiteral("bob"));
        QCOMPARE(selfCreated, QStringLiteral("2"));
        QCOMPARE(F->Messages.size(), 2);
    }
};

QTEST_MAIN(EventsTest)
#include "EventsTest.moc"
