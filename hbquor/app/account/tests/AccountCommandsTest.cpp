// SPDX-License-Identifier: MIT
// The main window's account commands that need no logged-on session.
#include "AccountCommands.h"
#include "FakeAccountSessions.h"
#include "ModalDialogs.h"
#include "UnitCreateUser.h"

#include <QLineEdit>
#include <QPushButton>
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
        RunCreateAccount(nullptr, c.sessions, c.record);
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
        RunCreateAccount(nullptr, c.sessions, c.record);
        QCOMPARE(c.messages, QStringList{message});
    }

    void cancelledOrUninitialisedSendsNothing() {
        Commands c;
        c.Answer(QStringLiteral("Newbie"), QStringLiteral("new@example.org"), false);
        RunCreateAccount(nullptr, c.sessions, c.record);
        QVERIFY(c.sessions.requests.isEmpty());

        Commands uninitialised;
        uninitialised.sessions.initialised = false;
        RunRequestPassword(nullptr, uninitialised.sessions, QStringLiteral("Anna"),
                           uninitialised.record);
        QVERIFY(uninitialised.sessions.requests.isEmpty());
        QVERIFY(uninitialised.messages.isEmpty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void requestPasswordWithTheLoginName() {
        Commands c;
        c.Answer(QString(), QStringLiteral("anna@example.org"));
        RunRequestPassword(nullptr, c.sessions, QStringLiteral("Anna"), c.record);
        QCOMPARE(c.shownTitle, QStringLiteral("Request Forgotton Password"));
        QCOMPARE(c.shownUser, QStringLiteral("Anna"));
        QCOMPARE(c.sessions.requests,
                 QStringList{QStringLiteral("RequestPassword|Anna|anna@example.org")});
    }

    void requestPasswordRefusals() {
        Commands c;
        c.sessions.result = 10061;
        c.Answer(QString(), QStringLiteral("anna@example.org"));
        RunRequestPassword(nullptr, c.sessions, QStringLiteral("Anna"), c.record);
        QCOMPARE(c.messages,
                 QStringList{QStringLiteral("Could not request password!\rtext of 10061")});

        Commands busy;
        busy.sessions.result = -1;
        busy.Answer(QString(), QStringLiteral("anna@example.org"));
        RunRequestPassword(nullptr, busy.sessions, QStringLiteral("Anna"), busy.record);
        QCOMPARE(busy.messages, QStringList{QStringLiteral("Could not request password!")});
    }
};

QTEST_MAIN(AccountCommandsTest)
#include "AccountCommandsTest.moc"
