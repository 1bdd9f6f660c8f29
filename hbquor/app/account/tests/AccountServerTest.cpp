// The account windows driven through the program's real session manager
// against the scripted loopback server: what goes on the wire for each
// command and how the server's answers reach the windows.
#include "AccountCommands.h"
#include "ModalDialogs.h"
#include "UnitCreateUser.h"
#include "UnitUserProfile.h"
#include "VrtTimeText.h"

#include "hbQuorClasses.h"
#include "record.h"
#include "scripted_server.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace hbquor::account;
using hbquor::ThbQuorCentral;
using hbquor::ThbQuorUnit;
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

// Pumps the library and Qt's events until cond() holds.
bool Await(const std::function<bool()> &cond, int timeoutMs = 3000) {
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        quor::testing::PumpFor(5);
        QCoreApplication::processEvents();
    }
    return true;
}

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
    std::unique_ptr<ThbQuorCentral> central;
    QPointer<TFormUserProfile> window;
    QStringList messages;
    QStringList answers;
    MessageHook record = [this](QWidget *, const QString &text) { messages << text; };

    // What the main window does with the profile events while the profile
    // window exists; the two account answers are recorded.
    void AttachMainWindowHandlers() {
        central->SetOnUserProfile([this](ThbQuorUnit *, const std::string &errText, int code,
                                         const std::string &name, const std::string &password,
                                         const std::string &email, int userType, double created,
                                         double lastLogin, int selfCreated, int disabled) {
            if (window)
                window->ShowProfileResult(errText, code, name, password, email, userType, created,
                                          lastLogin, selfCreated, disabled);
        });
        central->SetOnProfileChanged(
            [this](ThbQuorUnit *, const std::string &errText, int code, const std::string &name) {
                if (window)
                    window->ShowModifyResult(errText, code, name);
            });
        central->SetOnEmailChanged([this](ThbQuorUnit *, const std::string &errText, int code) {
            if (window)
                window->ShowEmailChangeResult(errText, code);
        });
        const auto answer = [this](const char *event) {
            return [this, event](const std::string &, int code, const std::string &name,
                                 const std::string &email) {
                answers << QStringLiteral("%1 %2 %3 %4")
                               .arg(QLatin1String(event), QString::number(code),
                                    QString::fromStdString(name), QString::fromStdString(email));
            };
        };
        central->SetOnCreateUserResult(answer("CreateUserResult"));
        central->SetOnPasswordRequestResult(answer("PasswordRequestResult"));
    }

    // Logs `name` on and delivers its own profile with the user type, as
    // the main window asks for it after connecting.
    void LogOn(const char *name, const char *serverName, int userType) {
        QCOMPARE(central->Login(name, "secret"), 0);
        QVERIFY(server->AcceptOpening(LoginAccepted));
        QVERIFY(Await([&] { return central->IsConnected(name); }));
        QCOMPARE(central->RequestUserProfile(name, name), 0);
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

    void OpenWindow(const char *loginName) {
        window = new TFormUserProfile(
            {QStringLiteral("User"), QStringLiteral("Admin"), QStringLiteral("Guide")}, nullptr,
            record);
        window->OpenForSession(*central, QString::fromLatin1(loginName));
        window->show();
    }

    // Types `entry` twice into the account request window of a "..." button.
    void ChangeThrough(QPushButton *button, const QString &entry) {
        WhenModalOpens<TFormCreateUser>([entry](TFormCreateUser &request) {
            request.inpEmail->setText(entry);
            request.inpEmail2->setText(entry);
            request.btnSendRequest->click();
        });
        button->click();
    }

private slots:
    void init() {
        messages.clear();
        answers.clear();
        server = std::make_unique<quor::testing::ScriptedServer>();
        server->UseForLibrary();
        central = std::make_unique<ThbQuorCentral>();
        QCOMPARE(central->Init(), 0);
        AttachMainWindowHandlers();
    }

    void cleanup() {
        delete window;
        central.reset();
        server.reset();
    }

    void storedOwnProfileAndOwnRequest() {
        LogOn("anna", "Anna", 0);
        OpenWindow("anna");
        QCOMPARE(window->inpUserName->text(), QStringLiteral("Anna"));
        QCOMPARE(window->inpEmail->text(), QStringLiteral("own@example.org"));
        QCOMPARE(window->inpSelfCreated->text(), QStringLiteral("3"));
        QCOMPARE(window->inpCreated->text(), VrtTimeText(hbquor::UnixToVrt(ProfileCreated)));
        QVERIFY(window->ProfileLoaded);
        QVERIFY(!window->IsAdministrator);

        window->btRequestProfile->click();
        auto request = server->Read();
        QVERIFY(request);
        QCOMPARE(Fields(*request, RequestProfile, "s"), QStringList{QStringLiteral("anna")});
        SendProfile("Anna", "secret2", "own@example.org", 0, 0);
        QVERIFY(Await([&] { return window->inpPassword->text() == QStringLiteral("secret2"); }));
        QCOMPARE(window->inpCreated->text(), VrtTimeText(hbquor::UnixToVrt(ProfileCreated)));
    }

    void userIsRefusedAnotherProfile() {
        LogOn("anna", "Anna", 0);
        OpenWindow("anna");
        window->inpUserName->setText(QStringLiteral("bob"));
        window->btRequestProfile->click();
        QCOMPARE(messages, QStringList{QStringLiteral("You may only request your own profile!")});
        QVERIFY(server->Silent(100));
    }

    void refusedAndAcceptedOwnPasswordChange() {
        LogOn("anna", "Anna", 0);
        OpenWindow("anna");
        ChangeThrough(window->btChangePassword, QStringLiteral("abc"));
        auto modify = server->Read();
        QVERIFY(modify);
        QStringList fields = Fields(*modify, Profile, "sssddddd");
        QCOMPARE(fields.mid(0, 4),
                 (QStringList{QStringLiteral("anna"), QStringLiteral("abc"),
                              QStringLiteral("own@example.org"), QStringLiteral("0")}));
        QCOMPARE(fields.mid(5), (QStringList{"0", "0", "0"}));
        server->Send(MakeRecord(BadPasswordError, "$server", "anna", "ds",
                                {std::int32_t(Profile), std::string_view("anna")}));
        QVERIFY(Await([&] { return messages.size() == 1; }));
        QVERIFY(
            messages[0].startsWith(QStringLiteral("Failed to modify this profile:\rReason 39: ")));
        QCOMPARE(window->inpPassword->text(), QStringLiteral("secret"));

        ChangeThrough(window->btChangePassword, QStringLiteral("longer"));
        modify = server->Read();
        QVERIFY(modify);
        QCOMPARE(Fields(*modify, Profile, "sssddddd").value(1), QStringLiteral("longer"));
        server->Send(
            MakeRecord(ProfileChanged, "$server", "anna", "s", {std::string_view("Anna")}));
        QVERIFY(Await([&] { return messages.size() == 2; }));
        QCOMPARE(messages[1], QStringLiteral("Profile of Anna successfully modified!"));
        QCOMPARE(window->inpPassword->text(), QStringLiteral("longer"));
    }

    void emailChangeClosesTheWindow() {
        LogOn("anna", "Anna", 0);
        OpenWindow("anna");
        QSignalSpy rejected(window.data(), &QDialog::rejected);
        ChangeThrough(window->btChangeEmail, QStringLiteral("new@example.org"));
        auto change = server->Read();
        QVERIFY(change);
        QCOMPARE(Fields(*change, ChangeEmailRequest, "s"),
                 QStringList{QStringLiteral("new@example.org")});
        server->Send(MakeRecord(EmailChanged, "$server", "anna"));
        QVERIFY(Await([&] { return rejected.count() == 1; }));
        QCOMPARE(messages, QStringList{QStringLiteral(
                               "Email address modified to new@example.org\rYou will be "
                               "disconnected.\rA new password has been sent that address")});
        QVERIFY(server->ClientClosed());
    }

    void administratorReadsAndChangesAnotherProfile() {
        LogOn("root", "Root", 1);
        OpenWindow("root");
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
        QVERIFY(Await([&] { return !messages.isEmpty(); }));
        QCOMPARE(messages, QStringList{QStringLiteral("Profile of Bob successfully modified!")});
    }

    void createAccountAndRequestPassword() {
        WhenModalOpens<TFormCreateUser>([](TFormCreateUser &request) {
            request.inpUser->setText(QStringLiteral("newbie"));
            request.inpEmail->setText(QStringLiteral("n@example.org"));
            request.inpEmail2->setText(QStringLiteral("n@example.org"));
            request.btnSendRequest->click();
        });
        mnuCreateaQuoraccountClick(nullptr, *central, record);
        auto opening = server->AcceptOpening(AccountCreated);
        QVERIFY(opening);
        QCOMPARE(Fields(*opening, 5, "ss"),
                 (QStringList{QStringLiteral("newbie"), QStringLiteral("n@example.org")}));
        QVERIFY(Await([&] { return answers.size() == 1; }));
        QCOMPARE(answers[0], QStringLiteral("CreateUserResult 0 newbie n@example.org"));

        WhenModalOpens<TFormCreateUser>([](TFormCreateUser &request) {
            request.inpEmail->setText(QStringLiteral("a@example.org"));
            request.btnSendRequest->click();
        });
        mnuReqPasswordClick(nullptr, *central, QStringLiteral("anna"), record);
        opening = server->AcceptOpening(PasswordMailed);
        QVERIFY(opening);
        QCOMPARE(Fields(*opening, 6, "ss"),
                 (QStringList{QStringLiteral("anna"), QStringLiteral("a@example.org")}));
        QVERIFY(Await([&] { return answers.size() == 2; }));
        QCOMPARE(answers[1], QStringLiteral("PasswordRequestResult 0 anna a@example.org"));

        // A second request while the first is outstanding is refused at once.
        QCOMPARE(central->RequestPassword("x", "y"), 0);
        WhenModalOpens<TFormCreateUser>([](TFormCreateUser &request) {
            request.inpEmail->setText(QStringLiteral("a@example.org"));
            request.btnSendRequest->click();
        });
        mnuReqPasswordClick(nullptr, *central, QStringLiteral("anna"), record);
        QCOMPARE(messages, QStringList{QStringLiteral("Could not request password!")});
    }
};

QTEST_MAIN(AccountServerTest)
#include "AccountServerTest.moc"
