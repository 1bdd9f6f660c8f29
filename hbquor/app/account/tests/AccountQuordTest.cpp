// The account windows end to end: the program's session manager and the
// library against the real chat server, started for each test on a free
// 127.0.0.1 port with its own data folder.
#include "AccountCommands.h"
#include "MainWindowStandIn.h"
#include "ModalDialogs.h"
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
using hbquor::account::testing::MainWindowStandIn;
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
    std::unique_ptr<ThbQuorCentral> central;
    std::unique_ptr<MainWindowStandIn> main;

    // Logs on and waits for the own profile, as the main window asks for
    // it after connecting; the "User Profile ..." command needs it.
    bool LogOn(const char *name, const char *password) {
        if (central->Login(name, password) != 0)
            return false;
        if (!Await([&] { return central->IsConnected(name); }))
            return false;
        if (central->RequestUserProfile(name, name) != 0)
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
        central = std::make_unique<ThbQuorCentral>();
        QCOMPARE(central->Init(), 0);
        main = std::make_unique<MainWindowStandIn>(*central);
    }

    void cleanup() {
        main.reset();
        central.reset();
        server.reset();
    }

    void createdAccountLogsOnWithTheMailedPassword() {
        AnswerRequestWindow(QStringLiteral("newbie"), QStringLiteral("newbie@example.org"));
        RunCreateAccount(nullptr, *central, main->record);
        QVERIFY(main->messages.isEmpty());
        QVERIFY(Await([&] { return !main->answers.isEmpty(); }));
        QCOMPARE(main->answers,
                 QStringList{QStringLiteral("CreateUserResult 0 newbie newbie@example.org")});
        const std::string password = server->MailedPassword("newbie@example.org");
        QVERIFY(!password.empty());
        QVERIFY(LogOn("newbie", password.c_str()));
    }

    void forgottenPasswordIsMailed() {
        AnswerRequestWindow(QString(), QStringLiteral("anna@example.org"));
        RunRequestPassword(nullptr, *central, QStringLiteral("anna"), main->record);
        QVERIFY(Await([&] { return !main->answers.isEmpty(); }));
        QCOMPARE(main->answers,
                 QStringList{QStringLiteral("PasswordRequestResult 0 anna anna@example.org")});
        const std::string password = server->MailedPassword("anna@example.org");
        QVERIFY(!password.empty());
        QVERIFY(LogOn("anna", password.c_str()));
    }

    void ownPasswordChangeRefusedThenAccepted() {
        QVERIFY(LogOn("anna", "anna-pw"));
        TFormUserProfile *window = main->OpenProfileWindow(QStringLiteral("anna"));
        QVERIFY(window->ProfileLoaded);
        const QString shown = window->inpPassword->text();

        MainWindowStandIn::ChangeThrough(window->btChangePassword, QStringLiteral("abc"));
        QCOMPARE(window->inpPassword->text(), QStringLiteral("abc"));
        QVERIFY(Await([&] { return !main->messages.isEmpty(); }));
        QVERIFY(main->messages[0].startsWith(
            QStringLiteral("Failed to modify this profile:\rReason 39: ")));
        QCOMPARE(window->inpPassword->text(), shown);

        MainWindowStandIn::ChangeThrough(window->btChangePassword, QStringLiteral("fresh-pw"));
        QVERIFY(Await([&] { return main->messages.size() == 2; }));
        QCOMPARE(main->messages[1], QStringLiteral("Profile of anna successfully modified!"));
        QVERIFY(LogsOnAgainWith("anna", "fresh-pw"));
    }

    void emailChangeClosesWindowAndConnection() {
        QVERIFY(LogOn("anna", "anna-pw"));
        TFormUserProfile *window = main->OpenProfileWindow(QStringLiteral("anna"));
        QSignalSpy rejected(window, &QDialog::rejected);
        MainWindowStandIn::ChangeThrough(window->btChangeEmail,
                                         QStringLiteral("anna@other.example.org"));
        QVERIFY(Await([&] { return rejected.count() == 1; }));
        QCOMPARE(main->messages,
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
        TFormUserProfile *window = main->OpenProfileWindow(QStringLiteral("anna"));
        window->inpUserName->setText(QStringLiteral("bob"));
        window->btRequestProfile->click();
        QCOMPARE(main->messages,
                 QStringList{QStringLiteral("You may only request your own profile!")});
        // The own profile, in other letter case, is still granted.
        window->inpUserName->setText(QStringLiteral("ANNA"));
        window->btRequestProfile->click();
        QVERIFY(Await([&] { return window->ProfileLoaded; }));
        QCOMPARE(window->inpEmail->text(), QStringLiteral("anna@example.org"));
        QCOMPARE(main->messages.size(), 1);
    }

    void administratorPromotesAnotherUser() {
        QVERIFY(LogOn("boss", "boss-pw"));
        TFormUserProfile *window = main->OpenProfileWindow(QStringLiteral("boss"));
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
        QVERIFY(Await([&] { return !main->messages.isEmpty(); }));
        QCOMPARE(main->messages,
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
