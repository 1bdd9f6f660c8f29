// SPDX-License-Identifier: MIT
// The account windows end to end: the program's session manager and the
// library against the real chat server, started for each test on a free
// 127.0.0.1 port with its own data folder.
#include "AccountCommands.h"
#include "ChatClient.h"
#include "ModalDialogs.h"
#include "RoutedAccountWindows.h"
#include "UnitCreateUser.h"
#include "UnitUserProfile.h"

#include "hbQuorClasses.h"
#include "quord_process.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace hbquor::account;
using hbquor::ThbQuorCentral;
using hbquor::account::testing::Await;
using hbquor::account::testing::RoutedAccountWindows;
using hbquor::account::testing::WhenModalOpens;

namespace {

// Answers the next account request window with a user name (kept when
// null) and an e-mail address typed twice.
void AnswerRequestWindow(const QString &user, const QString &email) {
    WhenModalOpens<TFormCreateUser>([user, email](TFormCreateUser &request) {
        if (!user.isNull())
            request.inpUser->setText(user);
        request.inpEmail->setText(email);
        request.inpEmail2->setText(email);
        request.btnSendRequest->click();
    });
}

} // namespace

class AccountQuordTest : public QObject {
    Q_OBJECT

    std::unique_ptr<quord::testing::QuordProcess> server;
    std::unique_ptr<hbquor::client::ChatClient> client;
    ThbQuorCentral *central = nullptr;
    std::unique_ptr<RoutedAccountWindows> windows;

    // Logs on and waits for the own profile, which the client core asks
    // for after connecting; the "User Profile ..." command needs it.
    bool LogOn(const char *name, const char *password) {
        if (central->Login(name, password) != 0)
            return false;
        if (!Await([&] { return central->IsConnected(name); }))
            return false;
        return Await([&] { return central->FindByName(name)->Rights() != 0; });
    }

    // Drops every session and logs on again with the password.
    bool LogsOnAgainWith(const char *name, const std::string &password) {
        central->ClearLoggins();
        return LogOn(name, password.c_str());
    }

private slots:
    void init() {
        server = std::make_unique<quord::testing::QuordProcess>();
        server->AddAccount("anna", "anna-pw", "anna@example.org");
        server->AddAccount("bob", "bob-pw", "bob@example.org");
        server->AddAccount("boss", "boss-pw", "boss@example.org", 1);
        QVERIFY(server->Start());
        server->UseForLibrary();
        client = std::make_unique<hbquor::client::ChatClient>();
        central = &client->Central();
        QCOMPARE(central->Init(), 0);
        windows = std::make_unique<RoutedAccountWindows>(*client);
    }

    void cleanup() {
        windows.reset();
        client.reset();
        server.reset();
    }

    void createdAccountLogsOnWithTheMailedPassword() {
        AnswerRequestWindow(QStringLiteral("newbie"), QStringLiteral("newbie@example.org"));
        RunCreateAccount(nullptr, *central, windows->record);
        QVERIFY(windows->messages.isEmpty());
        QVERIFY(Await([&] { return !windows->answers.isEmpty(); }));
        QCOMPARE(windows->answers,
                 QStringList{QStringLiteral("New Quor account created for: newbie\r"
                                            "Password will be emailed to: newbie@example.org")});
        const std::string password = server->MailedPassword("newbie@example.org");
        QVERIFY(!password.empty());
        QVERIFY(LogOn("newbie", password.c_str()));
    }

    void forgottenPasswordIsMailed() {
        AnswerRequestWindow(QString(), QStringLiteral("anna@example.org"));
        RunRequestPassword(nullptr, *central, QStringLiteral("anna"), windows->record);
        QVERIFY(Await([&] { return !windows->answers.isEmpty(); }));
        QCOMPARE(windows->answers,
                 QStringList{QStringLiteral("Password request of anna accepted\r"
                                            "Password will be emailed to: anna@example.org")});
        const std::string password = server->MailedPassword("anna@example.org");
        QVERIFY(!password.empty());
        QVERIFY(LogOn("anna", password.c_str()));
    }

    void ownPasswordChangeRefusedThenAccepted() {
        QVERIFY(LogOn("anna", "anna-pw"));
        TFormUserProfile *window = windows->OpenProfileWindow(QStringLiteral("anna"));
        QVERIFY(window->ProfileLoaded);
        const QString shown = window->inpPassword->text();

        RoutedAccountWindows::ChangeThrough(window->btChangePassword, QStringLiteral("abc"));
        QCOMPARE(window->inpPassword->text(), QStringLiteral("abc"));
        QVERIFY(Await([&] { return !windows->messages.isEmpty(); }));
        QVERIFY(windows->messages[0].startsWith(
            QStringLiteral("Failed to modify this profile:\rReason 39: ")));
        QCOMPARE(window->inpPassword->text(), shown);

        RoutedAccountWindows::ChangeThrough(window->btChangePassword, QStringLiteral("fresh-pw"));
        QVERIFY(Await([&] { return windows->messages.size() == 2; }));
        QCOMPARE(windows->messages[1], QStringLiteral("Profile of anna successfully modified!"));
        QVERIFY(LogsOnAgainWith("anna", "fresh-pw"));
    }

    void emailChangeClosesWindowAndConnection() {
        QVERIFY(LogOn("anna", "anna-pw"));
        TFormUserProfile *window = windows->OpenProfileWindow(QStringLiteral("anna"));
        QSignalSpy rejected(window, &QDialog::rejected);
        RoutedAccountWindows::ChangeThrough(window->btChangeEmail,
                                            QStringLiteral("anna@other.example.org"));
        QVERIFY(Await([&] { return rejected.count() == 1; }));
        QCOMPARE(windows->messages,
                 QStringList{QStringLiteral("Email address modified to anna@other.example.org\r"
                                            "You will be disconnected.\rA new password has been "
                                            "sent that address")});
        QVERIFY(
            Await([&] { return server->Log().find("(anna) logged off") != std::string::npos; }));
        const std::string password = server->MailedPassword("anna@other.example.org");
        QVERIFY(!password.empty());
        QVERIFY(LogsOnAgainWith("anna", password));
    }

    void userIsRefusedAnotherProfile() {
        QVERIFY(LogOn("anna", "anna-pw"));
        TFormUserProfile *window = windows->OpenProfileWindow(QStringLiteral("anna"));
        window->inpUserName->setText(QStringLiteral("bob"));
        window->btRequestProfile->click();
        QCOMPARE(windows->messages,
                 QStringList{QStringLiteral("You may only request your own profile!")});
        // The own profile, in other letter case, is still granted.
        window->inpUserName->setText(QStringLiteral("ANNA"));
        window->btRequestProfile->click();
        QVERIFY(Await([&] { return window->ProfileLoaded; }));
        QCOMPARE(window->inpEmail->text(), QStringLiteral("anna@example.org"));
        QCOMPARE(windows->messages.size(), 1);
    }

    void administratorPromotesAnotherUser() {
        QVERIFY(LogOn("boss", "boss-pw"));
        TFormUserProfile *window = windows->OpenProfileWindow(QStringLiteral("boss"));
        QVERIFY(window->IsAdministrator);
        window->inpUserName->setText(QStringLiteral("bob"));
        window->btRequestProfile->click();
        QVERIFY(Await([&] { return window->ProfileLoaded; }));
        QCOMPARE(window->inpEmail->text(), QStringLiteral("bob@example.org"));
        QCOMPARE(window->spUserType->value(), 0);
        QVERIFY(window->IsAdministrator);

        window->spUserType->setValue(1);
        QVERIFY(!window->btChangeProfile->isHidden());
        window->btChangeProfile->click();
        QVERIFY(Await([&] { return !windows->messages.isEmpty(); }));
        QCOMPARE(windows->messages,
                 QStringList{QStringLiteral("Profile of bob successfully modified!")});

        // The server now reports bob as an administrator; his password is kept.
        window->inpUserName->setText(QStringLiteral("bob"));
        window->btRequestProfile->click();
        QVERIFY(Await([&] { return window->ProfileLoaded; }));
        QCOMPARE(window->spUserType->value(), 1);
        QVERIFY(LogsOnAgainWith("bob", "bob-pw"));
    }
};

QTEST_MAIN(AccountQuordTest)
#include "AccountQuordTest.moc"
