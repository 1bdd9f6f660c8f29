// The main window's account commands that need no logged-on session, and
// the texts of the server's later answers.
#include "AccountCommands.h"
#include "FakeAccountSessions.h"
#include "ModalDialogs.h"
#include "UnitCreateUser.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <QtTest>

using namespace hbquor::account;
using hbquor::account::testing::FakeAccountSessions;
using hbquor::account::testing::WhenModalOpens;

namespace {

struct Commands {
    FakeAccountSessions sessions;
    QStringList messages;
    MessageHook record = [this](QWidget *, const QString &text) { messages << text; };
    QString shownTitle;
    QString shownUser;

    // Fills and confirms (or cancels) the account request window once open.
    void Answer(const QString &user, const QString &email, bool confirm = true) {
        WhenModalOpens<TFormCreateUser>([this, user, email, confirm](TFormCreateUser &request) {
            shownTitle = request.windowTitle();
            shownUser = request.inpUser->text();
            if (!user.isNull())
                request.inpUser->setText(user);
            request.inpEmail->setText(email);
            request.inpEmail2->setText(email);
            if (confirm)
                request.btnSendRequest->click();
            else
                request.Button2->click();
        });
    }
};

} // namespace

class AccountCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void createAccountSendsTheRequest() {
        Commands c;
        c.Answer(QStringLiteral(" Newbie "), QStringLiteral("new@example.org "));
        mnuCreateaQuoraccountClick(nullptr, c.sessions, c.record);
        QCOMPARE(c.shownTitle, QStringLiteral("Create a Quor Account"));
        QCOMPARE(c.sessions.requests,
                 QStringList{QStringLiteral("CreateUser|Newbie|new@example.org")});
        QVERIFY(c.messages.isEmpty());
    }

    void createAccountRefusals_data() {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("library error")
            << 7 << QStringLiteral("Could not create a new user account!\rtext of 7");
        QTest::newRow("session layer refusal")
            << -1 << QStringLiteral("Could not create a new user account!");
    }
    void createAccountRefusals() {
        QFETCH(int, result);
        QFETCH(QString, message);
        Commands c;
        c.sessions.result = result;
        c.Answer(QStringLiteral("Newbie"), QStringLiteral("new@example.org"));
        mnuCreateaQuoraccountClick(nullptr, c.sessions, c.record);
        QCOMPARE(c.messages, QStringList{message});
    }

    void cancelledOrUninitialisedSendsNothing() {
        Commands c;
        c.Answer(QStringLiteral("Newbie"), QStringLiteral("new@example.org"), false);
        mnuCreateaQuoraccountClick(nullptr, c.sessions, c.record);
        QVERIFY(c.sessions.requests.isEmpty());

        Commands uninitialised;
        uninitialised.sessions.initialised = false;
        mnuReqPasswordClick(nullptr, uninitialised.sessions, QStringLiteral("Anna"),
                            uninitialised.record);
        QVERIFY(uninitialised.sessions.requests.isEmpty());
        QVERIFY(uninitialised.messages.isEmpty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void requestPasswordWithTheLoginName() {
        Commands c;
        c.Answer(QString(), QStringLiteral("anna@example.org"));
        mnuReqPasswordClick(nullptr, c.sessions, QStringLiteral("Anna"), c.record);
        QCOMPARE(c.shownTitle, QStringLiteral("Request Forgotton Password"));
        QCOMPARE(c.shownUser, QStringLiteral("Anna"));
        QCOMPARE(c.sessions.requests,
                 QStringList{QStringLiteral("RequestPassword|Anna|anna@example.org")});
    }

    void requestPasswordRefusals() {
        Commands c;
        c.sessions.result = 10061;
        c.Answer(QString(), QStringLiteral("anna@example.org"));
        mnuReqPasswordClick(nullptr, c.sessions, QStringLiteral("Anna"), c.record);
        QCOMPARE(c.messages,
                 QStringList{QStringLiteral("Could not request password!\rtext of 10061")});

        Commands busy;
        busy.sessions.result = -1;
        busy.Answer(QString(), QStringLiteral("anna@example.org"));
        mnuReqPasswordClick(nullptr, busy.sessions, QStringLiteral("Anna"), busy.record);
        QCOMPARE(busy.messages, QStringList{QStringLiteral("Could not request password!")});
    }

    void answerTexts() {
        QCOMPARE(CreateUserResultText("", 0, "Newbie", "n@x.org"),
                 QStringLiteral("New Quor account created for: Newbie\rPassword will be emailed "
                                "to: n@x.org"));
        QCOMPARE(CreateUserResultText("user exists", 20, "Newbie", "n@x.org"),
                 QStringLiteral("New Quor account FAILED for: Newbie\rEmail: n@x.org\rReason 20: "
                                "user exists"));
        QCOMPARE(PasswordRequestResultText("", 0, "Anna", "a@x.org"),
                 QStringLiteral("Password request of Anna accepted\rPassword will be emailed to: "
                                "a@x.org"));
        QCOMPARE(PasswordRequestResultText("wrong email", 21, "Anna", "a@x.org"),
                 QStringLiteral("Password request of Anna FAILED\rEmail: a@x.org\rReason 21: wrong "
                                "email"));
        // Placeholders inside the texts are not expanded again.
        QCOMPARE(CreateUserResultText("", 0, "%2", "n@x.org"),
                 QStringLiteral("New Quor account created for: %2\rPassword will be emailed to: "
                                "n@x.org"));
    }

    void answersAreShownAfterTheCallback() {
        Commands c;
        QWidget mainWindow;
        ShowCreateUserResult(&mainWindow, "", 0, "Newbie", "n@x.org", c.record);
        ShowPasswordRequestResult(&mainWindow, "", 0, "Anna", "a@x.org", c.record);
        QVERIFY(c.messages.isEmpty());
        QTRY_COMPARE(c.messages.size(), 2);
        QCOMPARE(c.messages[0], CreateUserResultText("", 0, "Newbie", "n@x.org"));
        QCOMPARE(c.messages[1], PasswordRequestResultText("", 0, "Anna", "a@x.org"));

        // Without a window the answer is shown all the same; with a window
        // that is gone by then it is dropped.
        ShowCreateUserResult(nullptr, "", 0, "Solo", "s@x.org", c.record);
        auto *closing = new QWidget;
        ShowCreateUserResult(closing, "", 0, "Gone", "g@x.org", c.record);
        delete closing;
        QTRY_COMPARE(c.messages.size(), 3);
        QCOMPARE(c.messages[2], CreateUserResultText("", 0, "Solo", "s@x.org"));
        QTest::qWait(20);
        QCOMPARE(c.messages.size(), 3);
    }
};

QTEST_MAIN(AccountCommandsTest)
#include "AccountCommandsTest.moc"
