// SPDX-License-Identifier: MIT
// The account windows driven through the program's real session manager
// against the scripted loopback server: what goes on the wire for each
// command and how the server's answers reach the windows through the
// program's event router.
#include "AccountCommands.h"
#include "ChatClient.h"
#include "ModalDialogs.h"
#include "RoutedAccountWindows.h"
#include "TimeText.h"
#include "UnitCreateUser.h"
#include "UnitUserProfile.h"

#include "hbQuorClasses.h"
#include "quor_wire/record.h"
#include "scripted_server.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace hbquor::account;
using hbquor::ThbQuorCentral;
using hbquor::ThbQuorUnit;
using hbquor::account::testing::Await;
using hbquor::account::testing::RoutedAccountWindows;
using hbquor::account::testing::WhenModalOpens;
using quor::testing::MakeRecord;

namespace {

constexpr std::int32_t LoginAccepted = 200;
constexpr std::int32_t ProfileChanged = 202;
constexpr std::int32_t AccountCreated = 211;
constexpr std::int32_t PasswordMailed = 212;
constexpr std::int32_t EmailChanged = 213;
constexpr std::int32_t Profile = 403;
constexpr std::int32_t RequestProfile = 305;
constexpr std::int32_t ChangeEmailRequest = 318;
constexpr std::int32_t BadPasswordError = 133;
constexpr std::int32_t ProfileCreated = 1000000000;

QStringList Fields(const quor::QuorMessage &record, std::int32_t id, const char *signature) {
    std::string s1, s2, s3;
    std::int32_t d1 = 0, d2 = 0, d3 = 0, d4 = 0, d5 = 0;
    std::vector<quor::FieldTarget> targets;
    int strings = 0, ints = 0;
    std::string *texts[] = {&s1, &s2, &s3};
    std::int32_t *numbers[] = {&d1, &d2, &d3, &d4, &d5};
    for (const char *c = signature; *c; ++c)
        targets.push_back(*c == 's' ? quor::FieldTarget(texts[strings++])
                                    : quor::FieldTarget(numbers[ints++]));
    if (!quor::ExpectFields(record, id, 1, signature, targets))
        return {QStringLiteral("unexpected record %1").arg(record.id())};
    QStringList fields;
    for (int i = 0; i < strings; ++i)
        fields << QString::fromStdString(*texts[i]);
    for (int i = 0; i < ints; ++i)
        fields << QString::number(*numbers[i]);
    return fields;
}

} // namespace

class AccountServerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<quor::testing::ScriptedServer> server;
    std::unique_ptr<hbquor::client::ChatClient> client;
    ThbQuorCentral *central = nullptr;
    std::unique_ptr<RoutedAccountWindows> windows;
    TFormUserProfile *window = nullptr;

    // Logs `name` on and delivers its own profile with the user type, which
    // the client core asks for after connecting.
    void LogOn(const char *name, const char *serverName, int userType) {
        QCOMPARE(central->Login(name, "secret"), 0);
        QVERIFY(server->AcceptOpening(LoginAccepted));
        QVERIFY(Await([&] { return central->IsConnected(name); }));
        auto request = server->Read();
        QVERIFY(request);
        QCOMPARE(Fields(*request, RequestProfile, "s"), QStringList{QString::fromLatin1(name)});
        SendProfile(serverName, "secret", "own@example.org", userType, 0);
        QVERIFY(Await([&] { return central->FindByName(name)->Rights() != 0; }));
    }

    void SendProfile(const char *name, const char *password, const char *email, int userType,
                     int disabled) {
        server->Send(MakeRecord(Profile, "$server", "x", "sssddddd",
                                {std::string_view(name), std::string_view(password),
                                 std::string_view(email), std::int32_t(userType),
                                 std::int32_t(ProfileCreated), std::int32_t(ProfileCreated + 60),
                                 std::int32_t(3), std::int32_t(disabled)}));
    }

private slots:
    void init() {
        server = std::make_unique<quor::testing::ScriptedServer>();
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

    void storedOwnProfileAndOwnRequest() {
        LogOn("anna", "Anna", 0);
        window = windows->OpenProfileWindow(QStringLiteral("anna"));
        QCOMPARE(window->inpUserName->text(), QStringLiteral("Anna"));
        QCOMPARE(window->inpEmail->text(), QStringLiteral("own@example.org"));
        QCOMPARE(window->inpSelfCreated->text(), QStringLiteral("3"));
        QCOMPARE(window->inpCreated->text(),
                 TimeText().DateAndTime(hbquor::UnixToVrt(ProfileCreated)));
        QVERIFY(window->ProfileLoaded);
        QVERIFY(!window->IsAdministrator);

        window->btRequestProfile->click();
        auto request = server->Read();
        QVERIFY(request);
        QCOMPARE(Fields(*request, RequestProfile, "s"), QStringList{QStringLiteral("anna")});
        SendProfile("Anna", "secret2", "own@example.org", 0, 0);
        QVERIFY(Await([&] { return window->inpPassword->text() == QStringLiteral("secret2"); }));
        QCOMPARE(window->inpCreated->text(),
                 TimeText().DateAndTime(hbquor::UnixToVrt(ProfileCreated)));
    }

    void userIsRefusedAnotherProfile() {
        LogOn("anna", "Anna", 0);
        window = windows->OpenProfileWindow(QStringLiteral("anna"));
        window->inpUserName->setText(QStringLiteral("bob"));
        window->btRequestProfile->click();
        QCOMPARE(windows->messages,
                 QStringList{QStringLiteral("You may only request your own profile!")});
        QVERIFY(server->Silent(100));
    }

    void refusedAndAcceptedOwnPasswordChange() {
        LogOn("anna", "Anna", 0);
        window = windows->OpenProfileWindow(QStringLiteral("anna"));
        RoutedAccountWindows::ChangeThrough(window->btChangePassword, QStringLiteral("abc"));
        auto modify = server->Read();
        QVERIFY(modify);
        QStringList fields = Fields(*modify, Profile, "sssddddd");
        QCOMPARE(fields.mid(0, 4),
                 (QStringList{QStringLiteral("anna"), QStringLiteral("abc"),
                              QStringLiteral("own@example.org"), QStringLiteral("0")}));
        QCOMPARE(fields.mid(5), (QStringList{"0", "0", "0"}));
        server->Send(MakeRecord(BadPasswordError, "$server", "anna", "ds",
                                {std::int32_t(Profile), std::string_view("anna")}));
        QVERIFY(Await([&] { return windows->messages.size() == 1; }));
        QVERIFY(windows->messages[0].startsWith(
            QStringLiteral("Failed to modify this profile:\rReason 39: ")));
        QCOMPARE(window->inpPassword->text(), QStringLiteral("secret"));

        RoutedAccountWindows::ChangeThrough(window->btChangePassword, QStringLiteral("longer"));
        modify = server->Read();
        QVERIFY(modify);
        QCOMPARE(Fields(*modify, Profile, "sssddddd").value(1), QStringLiteral("longer"));
        server->Send(
            MakeRecord(ProfileChanged, "$server", "anna", "s", {std::string_view("Anna")}));
        QVERIFY(Await([&] { return windows->messages.size() == 2; }));
        QCOMPARE(windows->messages[1], QStringLiteral("Profile of Anna successfully modified!"));
        QCOMPARE(window->inpPassword->text(), QStringLiteral("longer"));
    }

    void emailChangeClosesTheWindow() {
        LogOn("anna", "Anna", 0);
        window = windows->OpenProfileWindow(QStringLiteral("anna"));
        QSignalSpy rejected(window, &QDialog::rejected);
        RoutedAccountWindows::ChangeThrough(window->btChangeEmail,
                                            QStringLiteral("new@example.org"));
        auto change = server->Read();
        QVERIFY(change);
        QCOMPARE(Fields(*change, ChangeEmailRequest, "s"),
                 QStringList{QStringLiteral("new@example.org")});
        server->Send(MakeRecord(EmailChanged, "$server", "anna"));
        QVERIFY(Await([&] { return rejected.count() == 1; }));
        QCOMPARE(windows->messages,
                 QStringList{
                     QStringLiteral("Email address modified to new@example.org\rYou will be "
                                    "disconnected.\rA new password has been sent that address")});
        QVERIFY(server->ClientClosed());
    }

    void administratorReadsAndChangesAnotherProfile() {
        LogOn("root", "Root", 1);
        window = windows->OpenProfileWindow(QStringLiteral("root"));
        QVERIFY(window->IsAdministrator);
        window->inpUserName->setText(QStringLiteral("bob"));
        window->btRequestProfile->click();
        auto request = server->Read();
        QVERIFY(request);
        QCOMPARE(Fields(*request, RequestProfile, "s"), QStringList{QStringLiteral("bob")});
        SendProfile("Bob", "bobpw", "bob@example.org", 0, 1);
        QVERIFY(Await([&] { return window->ProfileLoaded; }));
        QCOMPARE(window->inpPassword->text(), QStringLiteral("bobpw"));
        QVERIFY(window->cbDisabled->isChecked());
        QVERIFY(window->IsAdministrator);

        window->spUserType->setValue(2);
        window->cbDisabled->setChecked(false);
        QVERIFY(!window->btChangeProfile->isHidden());
        window->btChangeProfile->click();
        auto modify = server->Read();
        QVERIFY(modify);
        QStringList fields = Fields(*modify, Profile, "sssddddd");
        QCOMPARE(fields.mid(0, 4),
                 (QStringList{QStringLiteral("Bob"), QStringLiteral("bobpw"),
                              QStringLiteral("bob@example.org"), QStringLiteral("2")}));
        QCOMPARE(fields.value(7), QStringLiteral("0"));
        server->Send(MakeRecord(ProfileChanged, "$server", "root", "s", {std::string_view("Bob")}));
        QVERIFY(Await([&] { return !windows->messages.isEmpty(); }));
        QCOMPARE(windows->messages,
                 QStringList{QStringLiteral("Profile of Bob successfully modified!")});
    }

    void routerFeedsOnlyAnOpenProfileWindow() {
        QStringList loaded;
        QObject::connect(client.get(), &hbquor::client::ChatClient::UserProfileReceived,
                         [&loaded](const hbquor::client::UserProfile &profile) {
                             if (profile.Code == 0)
                                 loaded << profile.Name;
                         });
        LogOn("anna", "Anna", 0);
        QCOMPARE(loaded, QStringList{QStringLiteral("Anna")});
        QCOMPARE(windows->router.ProfileWindow(), nullptr);
        // Without a profile window the answer to a change goes nowhere.
        server->Send(
            MakeRecord(ProfileChanged, "$server", "anna", "s", {std::string_view("Anna")}));
        QVERIFY(server->Silent(100));
        QVERIFY(windows->messages.isEmpty());
        delete windows->OpenProfileWindow(QStringLiteral("anna"));
        QCOMPARE(windows->router.ProfileWindow(), nullptr);
    }

    void createAccountAndRequestPassword() {
        WhenModalOpens<TFormCreateUser>([](TFormCreateUser &request) {
            request.inpUser->setText(QStringLiteral("newbie"));
            request.inpEmail->setText(QStringLiteral("n@example.org"));
            request.inpEmail2->setText(QStringLiteral("n@example.org"));
            request.btnSendRequest->click();
        });
        RunCreateAccount(nullptr, *central, windows->record);
        auto opening = server->AcceptOpening(AccountCreated);
        QVERIFY(opening);
        QCOMPARE(Fields(*opening, 5, "ss"),
                 (QStringList{QStringLiteral("newbie"), QStringLiteral("n@example.org")}));
        QVERIFY(Await([&] { return windows->answers.size() == 1; }));
        QCOMPARE(windows->answers[0], QStringLiteral("New Quor account created for: newbie\r"
                                                     "Password will be emailed to: n@example.org"));

        WhenModalOpens<TFormCreateUser>([](TFormCreateUser &request) {
            request.inpEmail->setText(QStringLiteral("a@example.org"));
            request.btnSendRequest->click();
        });
        RunRequestPassword(nullptr, *central, QStringLiteral("anna"), windows->record);
        opening = server->AcceptOpening(PasswordMailed);
        QVERIFY(opening);
        QCOMPARE(Fields(*opening, 6, "ss"),
                 (QStringList{QStringLiteral("anna"), QStringLiteral("a@example.org")}));
        QVERIFY(Await([&] { return windows->answers.size() == 2; }));
        QCOMPARE(windows->answers[1], QStringLiteral("Password request of anna accepted\r"
                                                     "Password will be emailed to: a@example.org"));

        // A second request while the first is outstanding is refused at once.
        QCOMPARE(central->RequestPassword("x", "y"), 0);
        WhenModalOpens<TFormCreateUser>([](TFormCreateUser &request) {
            request.inpEmail->setText(QStringLiteral("a@example.org"));
            request.btnSendRequest->click();
        });
        RunRequestPassword(nullptr, *central, QStringLiteral("anna"), windows->record);
        QCOMPARE(windows->messages, QStringList{QStringLiteral("Could not request password!")});
    }
};

QTEST_MAIN(AccountServerTest)
#include "AccountServerTest.moc"
