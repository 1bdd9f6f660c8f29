// SPDX-License-Identifier: MIT
// The main window's commands: logon and logoff, the say input, contacts,
// conversations, channels, invitations and dragging onto the target input.
// Dialogs are answered by the test; the window logs on to the scripted
// loopback server.
#include "MainWindowFixture.h"

#include "UnitAddUser.h"
#include "UnitInviteUser.h"
#include "VrtText.h"

#include "InviteDialogEvent.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include "hbQuorClasses.h"
#include "hbQuorPump.h"
#include "pump_until.h"
#include "scripted_server.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <memory>

namespace {

/// A dialog answer that types name into the user-name dialog and confirms.
std::function<int(QDialog &)> TypeUserName(const QString &name, QStringList *seen = nullptr) {
    return [name, seen](QDialog &dialog) {
        auto &userDialog = dynamic_cast<TFormAddUser &>(dialog);
        if (seen != nullptr)
            *seen << userDialog.windowTitle() << userDialog.lbAddUser->text()
                  << userDialog.inpAddUser->text() << userDialog.btnAddDelete->text();
        userDialog.inpAddUser->setText(name);
        return int(QDialog::Accepted);
    };
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<quor::testing::ScriptedServer> FServer;
    std::unique_ptr<MainWindowFixture> F;
    TFormQuorMain *W = nullptr;
    hbquor::ThbQuorCentral *C = nullptr;

    void Start() {
        FServer = std::make_unique<quor::testing::ScriptedServer>();
        F = std::make_unique<MainWindowFixture>();
        W = &F->StartForServer(FServer->port());
        C = &F->Client().Central();
    }

    /// Logs on as alice through the logon button.
    void LogOn() {
        W->ui.inpUserName->setText(QStringLiteral("alice"));
        W->ui.inpPassword->setText(QStringLiteral("secret"));
        W->spbLogonClick();
        QVERIFY(FServer->AcceptOpening(200));
        QVERIFY(quor::testing::PumpUntil([this] { return C->IsConnected("alice"); }, 3000,
                                         hbquor::PumpPending));
        QVERIFY(FServer->Read()); // the own profile request
    }

    void Select(QTreeWidget *pane, const QString &caption) {
        pane->clearSelection();
        for (int i = 0; i < pane->topLevelItemCount(); ++i)
            if (pane->topLevelItem(i)->text(0) == caption)
                pane->topLevelItem(i)->setSelected(true);
    }

private slots:
    void init() { Start(); }

    void cleanup() {
        F.reset();
        FServer.reset();
    }

    // ---- Logon and logoff ----
    void logonHandsTheContactsToTheSession() {
        LogOn();
        const hbquor::ThbQuorUnit *session = C->FindByName("alice");
        QVERIFY(session != nullptr);
        QCOMPARE(session->Contacts().size(), std::size_t(2));
        QCOMPARE(session->Contacts()[0].second->Name, std::string("bob"));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - alice"));
        QVERIFY(W->ui.inpSayThis->isEnabled());
        QVERIFY(W->accessibleDescription().startsWith(QStringLiteral("Connected:")));
    }

    void logonRefusesAnEmptyPassword() {
        W->ui.inpUserName->setText(QStringLiteral("alice"));
        W->spbLogonClick();
        QCOMPARE(F->Messages, QStringList{QStringLiteral("check user name and password")});
        QVERIFY(!C->HasLogin("alice"));
    }

    void logoffWithoutSessionCannotLogoff() {
        W->ui.inpUserName->setText(QStringLiteral("alice"));
        W->spbLogoffClick();
        QCOMPARE(F->Messages, QStringList{QStringLiteral("Cannot logoff.")});
    }

    void logoffDisconnects() {
        LogOn();
        W->spbLogoffClick();
        QVERIFY(F->Messages.isEmpty());
        QCOMPARE(F->LastLogLine(), QStringLiteral("Disconnected: alice"));
        QCOMPARE(W->windowTitle(), QStringLiteral("  HB Quor Client  - disconnected"));
        QVERIFY(W->accessibleDescription().startsWith(QStringLiteral("Disconnected:")));
    }

    void enterInTheLoginInputs() {
        W->ui.inpPassword->setText(QStringLiteral("secret"));
        W->show();
        W->ui.inpPassword->setFocus();
        W->inpPasswordKeyDown(Qt::Key_Return);
        QVERIFY(!C->HasLogin("secret"));
        QCOMPARE(W->focusWidget(), W->ui.inpUserName);
        W->ui.inpUserName->setText(QStringLiteral("alice"));
        W->inpPasswordKeyDown(Qt::Key_A); // other keys are ignored
        QVERIFY(!C->HasLogin("alice"));
        QTest::keyClick(W->ui.inpPassword, Qt::Key_Return);
        QVERIFY(C->HasLogin("alice"));
        QCOMPARE(F->LastLogLine(), QStringLiteral("Connecting..."));
    }

    void commandsNeedAnInitialisedLibrary() {
        MainWindowFixture second; // the library is already in use
        TFormQuorMain &w = second.Start();
        second.Messages.clear();
        w.spbLogonClick();
        w.spbLogoffClick();
        w.inpSayThisKeyDown(Qt::Key_X);
        QCOMPARE(second.Messages,
                 QStringList(3, QStringLiteral("QuorCentral has not been initialised")));
    }

    // ---- Say ----
    void sayToAUserLogsAndEchoesIntoAnOpenConversation() {
        LogOn();
        auto *chat = W->TalkWindows().CreateChatWindow(QStringLiteral("bob"));
        QVERIFY(chat != nullptr);
        W->ui.inpTarget->setText(QStringLiteral(" bob "));
        W->ui.inpSayThis->setText(QStringLiteral("hi bob"));
        QVERIFY(W->inpSayThisKeyDown(Qt::Key_Return));
        QCOMPARE(F->LastLogLine(), QStringLiteral("alice (to bob): \thi bob"));
        QCOMPARE(F->ChatLogLines().last(), QStringLiteral("alice (to bob): hi bob"));
        QCOMPARE(W->ui.inpSayThis->text(), QString());
        QCOMPARE(chat->LineCount(), 1);
        QVERIFY(FServer->Read()); // the text record
        chat->close();
    }

    void enterInTheSayInputSends() {
        LogOn();
        W->ui.inpTarget->setText(QStringLiteral("bob"));
        W->ui.inpSayThis->setText(QStringLiteral("typed"));
        QTest::keyClick(W->ui.inpSayThis, Qt::Key_Return);
        QCOMPARE(F->LastLogLine(), QStringLiteral("alice (to bob): \ttyped"));
        QCOMPARE(W->ui.inpSayThis->text(), QString());
    }

    void textsThatCannotGoOutStayAndTheLogSaysWhy() {
        LogOn();
        F->JoinChannel(QStringLiteral("lobby"));
        const QList<QPair<QString, QString>> refusals{
            {QStringLiteral("ALICE"), QStringLiteral("Not sent to ALICE: that is your own name")},
            {QStringLiteral("#lobby"),
             QStringLiteral("Not sent to #lobby: nobody else is in the channel")},
            {QStringLiteral("#den"), QStringLiteral("Not sent to #den: join the channel first")},
            {QString(), QStringLiteral("Not sent: no user or channel to send to")},
        };
        for (const auto &[target, line] : refusals) {
            W->ui.inpTarget->setText(target);
            W->ui.inpSayThis->setText(QStringLiteral("me"));
            QVERIFY(W->inpSayThisKeyDown(Qt::Key_Return));
            QCOMPARE(W->ui.inpSayThis->text(), QStringLiteral("me"));
            QCOMPARE(F->LastLogLine(), line);
        }
        // Enter in the channel window where alice is alone says the same.
        TFormQuorChannel *channel = W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby"));
        channel->Edit1->setText(QStringLiteral("anyone?"));
        QVERIFY(channel->Edit1KeyDown(Qt::Key_Return));
        QCOMPARE(channel->Edit1->text(), QStringLiteral("anyone?"));
        QCOMPARE(F->LastLogLine(),
                 QStringLiteral("Not sent to #lobby: nobody else is in the channel"));
        // Nothing typed is nothing refused.
        const int lines = F->LogLineCount();
        W->ui.inpSayThis->clear();
        W->inpSayThisKeyDown(Qt::Key_Return);
        QCOMPARE(F->LogLineCount(), lines);
        QVERIFY(!W->inpSayThisKeyDown(Qt::Key_A));
    }

    void textsWhileNotLoggedOnStayAndTheLogSaysWhy() {
        F->Say(QStringLiteral("bob"), QStringLiteral("hello?"));
        QCOMPARE(W->ui.inpSayThis->text(), QStringLiteral("hello?"));
        QCOMPARE(F->LastLogLine(), QStringLiteral("Not sent to bob: you are not logged on"));
        // A conversation window stays open across a lost connection.
        LogOn();
        TFormQuorChat *chat = W->TalkWindows().CreateChatWindow(QStringLiteral("carol"));
        W->spbLogoffClick();
        chat->Edit1->setText(QStringLiteral("still there?"));
        QVERIFY(chat->Edit1KeyDown(Qt::Key_Return));
        QCOMPARE(chat->Edit1->text(), QStringLiteral("still there?"));
        QCOMPARE(chat->LineCount(), 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("Not sent to carol: you are not logged on"));
        chat->close();
    }

    void sayToAChannelWithMembers() {
        LogOn();
        F->JoinChannel(QStringLiteral("#lobby"));
        TFormQuorChannel *channel = W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby"));
        QVERIFY(channel != nullptr);
        const QUORHANDLE h = C->FindByName("alice")->Handle();
        C->HandleChannelJoin(h, "#lobby", "alice");
        C->HandleChannelJoin(h, "#lobby", "bob");
        const int windowLines = channel->LineCount();
        W->ui.inpTarget->setText(QStringLiteral("#lobby"));
        W->ui.inpSayThis->setText(QStringLiteral("hello all"));
        W->inpSayThisKeyDown(Qt::Key_Enter);
        QCOMPARE(F->LastLogLine(), QStringLiteral("alice (to #lobby): \thello all"));
        QCOMPARE(channel->LineCount(), windowLines + 1);
        QCOMPARE(W->ui.inpSayThis->text(), QString());
    }

    // ---- Contacts ----
    void addContactRefusesDuplicatesAndSendsWhileConnected() {
        QStringList seen;
        F->AnswerDialog = TypeUserName(QStringLiteral(" BOB "), &seen);
        W->Commands().mnuAddContact1Click();
        QCOMPARE(seen, (QStringList{QStringLiteral("Add Quor Contact"), QStringLiteral("Quor user"),
                                    QString(), QStringLiteral("Add")}));
        QCOMPARE(F->Messages, QStringList{QStringLiteral("BOB is already on the list.")});
        F->AnswerDialog = TypeUserName(QStringLiteral("Anna"));
        W->Commands().mnuAddContact1Click();
        QCOMPARE(W->Contacts().Names(), (QStringList{QStringLiteral("Anna"), QStringLiteral("bob"),
                                                     QStringLiteral("carol")}));
        LogOn();
        F->AnswerDialog = TypeUserName(QStringLiteral("dave"));
        W->Commands().mnuAddContact1Click();
        QVERIFY(C->FindByName("alice")->FindContact("dave") != nullptr);
    }

    void deleteContactIgnoresCase() {
        Select(W->ui.ListView1, QStringLiteral("carol"));
        QStringList seen;
        F->AnswerDialog = TypeUserName(QStringLiteral("CAROL"), &seen);
        W->Commands().mnuDeleteContact1Click();
        QCOMPARE(seen.value(0), QStringLiteral("Delete Quor Contact"));
        QCOMPARE(seen.value(2), QStringLiteral("carol"));
        QCOMPARE(W->Contacts().Names(), QStringList{QStringLiteral("bob")});
        F->AnswerDialog = TypeUserName(QStringLiteral("zed"));
        W->Commands().mnuDeleteContact1Click();
        QCOMPARE(F->Messages, QStringList{QStringLiteral("zed is not on the list.")});
    }

    // ---- Conversations ----
    void doubleClickWhileDisconnectedShowsOnlyExistingWindows() {
        Select(W->ui.ListView1, QStringLiteral("bob"));
        W->Commands().ListView1DblClick();
        QCOMPARE(W->TalkWindows().FindChatWindow(QStringLiteral("bob")), nullptr);
        TFormQuorChat *chat = W->TalkWindows().CreateChatWindow(QStringLiteral("bob"));
        QCOMPARE(chat->GetOwnName(), QString());
        W->Commands().ListView1DblClick();
        QVERIFY(chat->isVisible());
        chat->close();
    }

    void openChatFromTheContextMenu() {
        LogOn();
        Select(W->ui.ListView1, QStringLiteral("carol"));
        QStringList seen;
        F->AnswerDialog = TypeUserName(QStringLiteral(" carol "), &seen);
        W->Commands().mnuOpenChatClick();
        QCOMPARE(seen.value(0), QStringLiteral("Open Quor Chat"));
        QCOMPARE(seen.value(2), QStringLiteral("carol"));
        TFormQuorChat *chat = W->TalkWindows().FindChatWindow(QStringLiteral("CAROL"));
        QVERIFY(chat != nullptr);
        QCOMPARE(chat->GetOwnName(), QStringLiteral("alice"));
        QCOMPARE(chat->GetPeerName(), QStringLiteral("carol"));
        chat->Edit1->setText(QStringLiteral("typed in the window"));
        QVERIFY(chat->Edit1KeyDown(Qt::Key_Return));
        QCOMPARE(F->LastLogLine(), QStringLiteral("alice (to carol): \ttyped in the window"));
        chat->close();
        QCOMPARE(W->TalkWindows().FindChatWindow(QStringLiteral("carol")), nullptr);
    }

    // ---- Ping and status ----
    void pingAndStatusDialogsSendRequests() {
        LogOn();
        Select(W->ui.ListView1, QStringLiteral("bob"));
        QStringList seen;
        F->AnswerDialog = TypeUserName(QStringLiteral("bob"), &seen);
        W->Commands().mnuPingUser1Click();
        QCOMPARE(seen.mid(0, 4),
                 (QStringList{QStringLiteral("Ping User"), QStringLiteral("Quor user"),
                              QStringLiteral("bob"), QStringLiteral("Ping")}));
        QVERIFY(FServer->Read());
        W->Commands().mnuUserStatusClick();
        QCOMPARE(seen.mid(4, 4),
                 (QStringList{QStringLiteral("Query User Online Status"),
                              QStringLiteral("Quor user"), QString(), QStringLiteral("Query")}));
        QVERIFY(FServer->Read());
    }

    void pingNeedsAConnectedSession() {
        W->Commands().mnuPingUserClick();
        W->Commands().mnuUserStatusClick();
        W->Commands().mnuJoinChannelClick();
        W->Commands().mnuInviteUser1Click();
        QVERIFY(F->DialogTitles.isEmpty());
    }

    // ---- Channels ----
    void joinAddsTheMarkAndReusesTheWindow() {
        LogOn();
        F->JoinChannel(QStringLiteral(" lobby "));
        TFormQuorChannel *window = W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby"));
        QVERIFY(window != nullptr);
        QCOMPARE(W->ui.ListView2->topLevelItemCount(), 1);
        QCOMPARE(W->ui.ListView2->topLevelItem(0)->text(0), QStringLiteral("#lobby"));
        QCOMPARE(F->LastLogLine(), QStringLiteral("alice opened channel #lobby"));
        QCOMPARE(F->ChatLogLines().last(),
                 FormatLogTimeStamp(F->Now) + QStringLiteral(" VRT: alice opened channel #lobby"));
        QVERIFY(FServer->Read()); // join request
        F->JoinChannel(QStringLiteral("#LOBBY"));
        QCOMPARE(W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby")), window);
        QCOMPARE(W->ui.ListView2->topLevelItemCount(), 1);
        QVERIFY(FServer->Read()); // joined again
    }

    void windowsStillOpenCloseWithTheMainWindow() {
        LogOn();
        F->JoinChannel(QStringLiteral("lobby"));
        QPointer<TFormQuorChannel> channel =
            W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby"));
        QPointer<TFormQuorChat> chat = W->TalkWindows().CreateChatWindow(QStringLiteral("bob"));
        F->Destroy();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(channel.isNull());
        QVERIFY(chat.isNull());
    }

    void closingAChannelWindowLeavesIt() {
        LogOn();
        F->JoinChannel(QStringLiteral("lobby"));
        W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby"))->close();
        QCOMPARE(W->ui.ListView2->topLevelItemCount(), 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("alice closed channel #lobby"));
        QCOMPARE(W->TalkWindows().FindChannelWindow(QStringLiteral("#lobby")), nullptr);
    }

    void disconnectingClosesChannelWindowsWithoutLines() {
        LogOn();
        F->JoinChannel(QStringLiteral("lobby"));
        C->HandleDisconnect(C->FindByName("alice")->Handle());
        QCOMPARE(W->ui.ListView2->topLevelItemCount(), 0);
        // Connecting, Connected, opened, Disconnected, and the retries start.
        const QStringList lines = W->ui.RichEdit1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[3], QStringLiteral("Disconnected: alice"));
        QCOMPARE(lines[4], QStringLiteral("Connection lost - reconnecting to 127.0.0.1:%1 in 1 s")
                               .arg(FServer->port()));
        // The channel closed by the lost connection is kept for rejoining.
        QCOMPARE(F->Client().Reconnection().Channels().List().size(), 1);
    }

    void listChannelsResetsTheCount() {
        LogOn();
        C->HandleChannelList(C->FindByName("alice")->Handle(), "#a", 0, 1);
        W->Commands().mnuListChannelsClick();
        QVERIFY(FServer->Read());
        C->HandleChannelList(C->FindByName("alice")->Handle(), "", 0, 0);
        QCOMPARE(F->LastLogLine(), QStringLiteral("There are 0 channels operating"));
    }

    // ---- Invitations ----
    void inviteFromTheContextMenuPrefillsAndAddsTheMark() {
        LogOn();
        Select(W->ui.ListView1, QStringLiteral("bob"));
        QString prefilledUser;
        QString prefilledChannel;
        F->AnswerDialog = [&](QDialog &dialog) {
            auto &invite = dynamic_cast<TFormInviteUser &>(dialog);
            prefilledUser = invite.inpUser->text();
            prefilledChannel = invite.inpChannel->text();
            invite.inpChannel->setText(QStringLiteral("lobby"));
            return int(QDialog::Accepted);
        };
        W->Commands().mnuInviteUser2Click();
        QCOMPARE(prefilledUser, QStringLiteral("bob"));
        QCOMPARE(prefilledChannel, QString());
        QVERIFY(FServer->Read()); // the invite request
        C->HandleInviteUser(C->FindByName("alice")->Handle(), "bob", 0);
        QCoreApplication::processEvents();
        QCOMPARE(F->Messages.last(),
                 QStringLiteral("Invitation for bob to join #lobby authorised!"));
    }

    void channelWindowAsksForTheInviteDialog() {
        LogOn();
        QString prefilledChannel;
        F->AnswerDialog = [&](QDialog &dialog) {
            prefilledChannel = dynamic_cast<TFormInviteUser &>(dialog).inpChannel->text();
            return int(QDialog::Rejected);
        };
        QCoreApplication::postEvent(W, new TInviteDialogEvent(QString(), QStringLiteral("#x")));
        QCoreApplication::processEvents();
        QCOMPARE(prefilledChannel, QStringLiteral("#x"));
    }

    // ---- Dragging ----
    void droppingAContactFillsTheTarget() {
        Select(W->ui.ListView1, QStringLiteral("carol"));
        QVERIFY(W->Commands().inpTargetDragOver(W->ui.ListView1));
        QVERIFY(W->Commands().inpTargetDragOver(W->ui.ListView2));
        QVERIFY(!W->Commands().inpTargetDragOver(W->ui.inpSayThis));
        W->Commands().inpTargetDragDrop(W->ui.ListView1);
        QCOMPARE(W->ui.inpTarget->text(), QStringLiteral("carol"));
    }

    // ---- Profile ----
    void userProfileNeedsKnownRights() {
        W->mnuUserProfileClick();
        LogOn();
        W->mnuUserProfileClick();
        QVERIFY(F->DialogTitles.isEmpty());
    }
};

QTEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
