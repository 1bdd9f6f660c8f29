// SPDX-License-Identifier: MIT
// The user profile window against a recording stand-in of the session
// manager: showing the stored own profile, requesting profiles, the
// results, the own password and e-mail changes, the administrator's view
// and edits, when the window closes, and its Tab order and password menu
// from the keyboard.
#include "FakeAccountSessions.h"
#include "KeyboardTestSupport.h"
#include "ModalDialogs.h"
#include "PasswordMask.h"
#include "TimeText.h"
#include "UnitCreateUser.h"
#include "UnitUserProfile.h"

#include "hbQuorTime.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace hbquor::account;
using hbquor::account::testing::FakeAccountSessions;
using hbquor::account::testing::WhenModalOpens;

namespace {

const QStringList UserTypes = {QStringLiteral("User"), QStringLiteral("Admin"),
                               QStringLiteral("Guide")};
constexpr long long Created = 1000000000;
constexpr long long LastLogin = 1000086400;

TStoredProfile AnnasProfile(int userType = 0) {
    TStoredProfile p;
    p.Name = QStringLiteral("Anna");
    p.Password = QStringLiteral("secret");
    p.Email = QStringLiteral("anna@example.org");
    p.UserType = userType;
    p.Created = Created;
    p.LastLogin = LastLogin;
    p.SelfCreated = 2;
    return p;
}

// A profile window bound to a stand-in session "anna" whose messages are
// recorded instead of shown.
struct Window {
    FakeAccountSessions sessions;
    QStringList messages;
    TFormUserProfile form{UserTypes, nullptr,
                          [this](QWidget *, const QString &text) { messages << text; }};
    QSignalSpy rejected{&form, &QDialog::rejected};

    explicit Window(int userType = 0, bool connected = true) {
        sessions.profile = AnnasProfile(userType);
        sessions.loginName = QStringLiteral("Anna");
        sessions.connected = connected;
        form.OpenForSession(sessions, QStringLiteral("anna"));
        form.FormShow();
    }

    // Another user's profile as the server sends it.
    void ReceiveBobsProfile(int userType = 0, int disabled = 0) {
        form.ShowProfileResult(
            {"", 0, "Bob", "bobpw", "bob@example.org", userType, 30000.25, 30001.5, 7, disabled});
    }

    // Opens a "..." command's request window, types the entry twice and
    // presses its send button (or Cancel when `confirm` is false).
    void ChangeThrough(QPushButton *button, const QString &entry, bool confirm = true,
                       std::function<void()> whileOpen = {}) {
        WhenModalOpens<TFormCreateUser>(
            [this, entry, confirm, whileOpen](TFormCreateUser &request) {
                requestTitle = request.windowTitle();
                requestMasked = IsMasked(request.inpEmail);
                requestUser = request.inpUser->text();
                if (whileOpen)
                    whileOpen();
                request.inpEmail->setText(entry);
                request.inpEmail2->setText(entry);
                if (confirm)
                    request.btnSendRequest->click();
                else
                    request.Button2->click();
            });
        button->click();
    }

    QString requestTitle;
    QString requestUser;
    bool requestMasked = false;
};

} // namespace

class ProfileWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAndGeometry() {
        TFormUserProfile form(UserTypes);
        QCOMPARE(form.windowTitle(), QStringLiteral("User Profile"));
        QCOMPARE(form.size(), QSize(298, 264));
        QCOMPARE(form.inpUserName->geometry(), QRect(80, 32, 201, 21));
        QCOMPARE(form.inpPassword->geometry(), QRect(80, 56, 177, 21));
        QCOMPARE(form.spUserType->geometry(), QRect(80, 104, 41, 22));
        QCOMPARE(form.btChangeProfile->geometry(), QRect(104, 232, 89, 25));
        QCOMPARE(form.btChangeEmail->geometry(), QRect(258, 80, 23, 22));
        QCOMPARE(form.btChangePassword->toolTip(), QStringLiteral("change password"));
        QCOMPARE(form.btChangeEmail->toolTip(), QStringLiteral("change email"));
        QVERIFY(form.btChangePassword->font().bold());
        QCOMPARE(form.inpUserName->maxLength(), 32);
        QVERIFY(form.inpPassword->isReadOnly());
        QVERIFY(form.inpEmail->isReadOnly());
        QVERIFY(IsMasked(form.inpPassword));
        QVERIFY(form.btChangeProfile->isHidden());
        QCOMPARE(form.spUserType->minimum(), 0);
        QCOMPARE(form.spUserType->maximum(), 2);
        QCOMPARE(form.lbUserType->text(), QStringLiteral("unknown"));
        QCOMPARE(form.mnuViewPassword->text(), QStringLiteral("view password (admin only)"));
        QCOMPARE(form.cbDisabled->text(), QStringLiteral(" "));
    }

    void ownStoredProfileIsShown() {
        Window w;
        QCOMPARE(w.form.SessionUserName, QStringLiteral("anna"));
        QCOMPARE(w.form.inpUserName->text(), QStringLiteral("Anna"));
        QCOMPARE(w.form.inpPassword->text(), QStringLiteral("secret"));
        QCOMPARE(w.form.inpEmail->text(), QStringLiteral("anna@example.org"));
        QCOMPARE(w.form.spUserType->text(), QStringLiteral("0"));
        QCOMPARE(w.form.lbUserType->text(), QStringLiteral("User"));
        QCOMPARE(w.form.inpCreated->text(), TimeText().DateAndTime(hbquor::UnixToVrt(Created)));
        QCOMPARE(w.form.inpLastLogin->text(), TimeText().DateAndTime(hbquor::UnixToVrt(LastLogin)));
        QCOMPARE(w.form.inpSelfCreated->text(), QStringLiteral("2"));
        QVERIFY(w.form.ProfileLoaded);
        QVERIFY(!w.form.IsAdministrator);
        QVERIFY(w.form.spUserType->isReadOnly());
        QVERIFY(w.form.btChangePassword->isEnabled());
        QVERIFY(w.form.btChangeEmail->isEnabled());
        QVERIFY(!w.form.cbDisabled->isEnabled());
        QVERIFY(w.form.btChangeProfile->isHidden());
    }

    void showingTheWindowFillsIt() {
        FakeAccountSessions sessions;
        sessions.profile = AnnasProfile();
        TFormUserProfile form(UserTypes, nullptr, [](QWidget *, const QString &) {});
        form.OpenForSession(sessions, QStringLiteral("anna"));
        QCOMPARE(form.inpPassword->text(), QString());
        form.show();
        QCOMPARE(form.inpPassword->text(), QStringLiteral("secret"));
    }

    void unknownStoredValues() {
        FakeAccountSessions sessions;
        sessions.profile = AnnasProfile();
        sessions.profile.Created = 0;
        sessions.profile.Email.clear();
        TFormUserProfile form(UserTypes, nullptr, [](QWidget *, const QString &) {});
        form.OpenForSession(sessions, QStringLiteral("anna"));
        form.FormShow();
        QCOMPARE(form.inpCreated->text(), QStringLiteral("unknown"));
        QCOMPARE(form.inpEmail->text(), QStringLiteral("unknown"));
        QVERIFY(!form.ProfileLoaded);
        QVERIFY(!form.btChangePassword->isEnabled());
        QVERIFY(!form.btChangeEmail->isEnabled());
    }

    void offlineSessionShowsNothing() {
        Window w(1, false);
        QVERIFY(!w.form.IsAdministrator);
        QVERIFY(!w.form.ProfileLoaded);
        QCOMPARE(w.form.inpPassword->text(), QString());
        QCOMPARE(w.form.inpUserName->text(), QStringLiteral("anna"));
    }

    void administratorGetsEditableTypeAndChangeProfile() {
        Window w(1);
        QVERIFY(w.form.IsAdministrator);
        QVERIFY(!w.form.spUserType->isReadOnly());
        QCOMPARE(w.form.lbUserType->text(), QStringLiteral("Admin"));
        QVERIFY(!w.form.btChangeProfile->isHidden());
        w.form.spUserType->setValue(2);
        QCOMPARE(w.form.lbUserType->text(), QStringLiteral("Guide"));
    }

    void requestProfileOffline() {
        Window w;
        w.sessions.connected = false;
        w.form.btRequestProfile->click();
        QCOMPARE(w.messages, QStringList{QStringLiteral("You must go online!")});
        QCOMPARE(w.rejected.count(), 1);
        QVERIFY(w.sessions.requests.isEmpty());
    }

    void userMayRequestOnlyOwnProfile() {
        Window w;
        w.form.inpUserName->setText(QStringLiteral("Bob"));
        w.form.btRequestProfile->click();
        QCOMPARE(w.messages, QStringList{QStringLiteral("You may only request your own profile!")});
        QVERIFY(w.sessions.requests.isEmpty());
        QCOMPARE(w.rejected.count(), 0);
        QCOMPARE(w.form.inpPassword->text(), QString()); // the profile was cleared
    }

    void ownNameInOtherCaseIsReplacedByLoginName() {
        Window w;
        w.form.inpUserName->setText(QStringLiteral("  ANNA "));
        w.form.btRequestProfile->click();
        QVERIFY(w.messages.isEmpty());
        QCOMPARE(w.sessions.requests, QStringList{QStringLiteral("RequestUserProfile|anna|Anna")});
        QVERIFY(w.form.btRequestProfile->isHidden());
        w.form.inpUserName->setText(QStringLiteral("Ann"));
        QVERIFY(!w.form.btRequestProfile->isHidden());
    }

    void administratorRequestsAnyProfile() {
        Window w(1);
        w.sessions.result = 3;
        w.form.inpUserName->setText(QStringLiteral(" Bob "));
        w.form.btRequestProfile->click();
        QCOMPARE(w.sessions.requests, QStringList{QStringLiteral("RequestUserProfile|anna|Bob")});
        QCOMPARE(w.messages, QStringList{QStringLiteral(
                                 "Failed to request this profile:\rReason 3: text of 3")});
        QVERIFY(!w.form.ProfileLoaded);
        QVERIFY(w.form.cbDisabled->isEnabled());
        QVERIFY(w.form.btChangeProfile->isHidden());
    }

    void failedProfileResultChangesNothing() {
        Window w;
        w.form.ShowProfileResult({"no such user", 12, "", "", "", 0, 0, 0, 0, 0});
        QVERIFY(w.messages.isEmpty()); // shown after the callback has returned
        QTRY_COMPARE(w.messages, QStringList{QStringLiteral(
                                     "Failed to request this profile:\rReason 12: no such user")});
        QCOMPARE(w.form.inpPassword->text(), QStringLiteral("secret"));
    }

    void timesFollowTheTimeBase() {
        Window w(1);
        const TimeText utc(TimeText::Utc);
        w.form.SetTimeText(utc);
        w.form.FormShow();
        const QString created = w.form.inpCreated->text();
        QCOMPARE(created, utc.DateAndTime(hbquor::UnixToVrt(Created)));
        QVERIFY2(created.endsWith(QStringLiteral(" UTC")), qPrintable(created));
        QVERIFY(created != TimeText().DateAndTime(hbquor::UnixToVrt(Created)));
        w.ReceiveBobsProfile();
        QCOMPARE(w.form.inpLastLogin->text(), utc.DateAndTime(30001.5));
    }

    void administratorSeesAnotherProfile() {
        Window w(1);
        w.ReceiveBobsProfile(0, 1);
        QVERIFY(w.form.IsAdministrator);
        QCOMPARE(w.form.inpUserName->text(), QStringLiteral("Bob"));
        QVERIFY(w.form.btRequestProfile->isHidden());
        QCOMPARE(w.form.inpPassword->text(), QStringLiteral("bobpw"));
        QCOMPARE(w.form.inpEmail->text(), QStringLiteral("bob@example.org"));
        QCOMPARE(w.form.lbUserType->text(), QStringLiteral("User"));
        QCOMPARE(w.form.inpCreated->text(), TimeText().DateAndTime(30000.25));
        QCOMPARE(w.form.inpLastLogin->text(), TimeText().DateAndTime(30001.5));
        QCOMPARE(w.form.inpSelfCreated->text(), QStringLiteral("7"));
        QVERIFY(w.form.cbDisabled->isChecked());
        QVERIFY(w.form.ProfileLoaded);
        QVERIFY(!w.form.btChangeProfile->isHidden());
        QVERIFY(w.messages.isEmpty());
    }

    void ownProfileWithOtherTypeEndsAdministration() {
        Window w(1);
        w.form.ShowProfileResult({"", 0, "ANNA", "pw", "a@b.c", 0, 30000, 30000, 0, 0});
        QVERIFY(!w.form.IsAdministrator);
        QVERIFY(w.form.spUserType->isReadOnly());
        QVERIFY(w.form.btChangeProfile->isHidden());
    }

    void userTypeOutsideTheNamesIsKept() {
        Window w(1);
        w.ReceiveBobsProfile(9);
        QCOMPARE(w.form.spUserType->value(), 9);
        QCOMPARE(w.form.spUserType->text(), QStringLiteral("9"));
        QCOMPARE(w.form.lbUserType->text(), QStringLiteral("unknown"));
        w.form.btChangeProfile->click();
        QCOMPARE(w.sessions.requests, QStringList{QStringLiteral(
                                          "ModifyUserProfile|anna|Bob|bobpw|bob@example.org|9|0")});
        // The next profile brings the names' range back.
        w.form.inpUserName->setText(QStringLiteral("Bob"));
        w.form.btRequestProfile->click();
        QCOMPARE(w.form.spUserType->maximum(), 2);
        QCOMPARE(w.form.spUserType->text(), QString());
    }

    void modifyResults() {
        Window w(1);
        w.ReceiveBobsProfile();
        w.ChangeThrough(w.form.btChangePassword, QStringLiteral("newpw"));
        QCOMPARE(w.form.inpPassword->text(), QStringLiteral("newpw"));
        w.form.ShowModifyResult({"refused", 9, "Bob"});
        QCOMPARE(w.form.inpPassword->text(), QStringLiteral("bobpw"));
        QTRY_COMPARE(w.messages, QStringList{QStringLiteral(
                                     "Failed to modify this profile:\rReason 9: refused")});
        w.form.ShowModifyResult({"", 0, "Bob"});
        QTRY_COMPARE(w.messages.size(), 2);
        QCOMPARE(w.messages.last(), QStringLiteral("Profile of Bob successfully modified!"));
    }

    void tabFollowsTheDescribedOrderAndTheMenuOpensFromKeys() {
        Window user;
        QVERIFY(ShowActive(user.form));
        TFormUserProfile &f = user.form;
        // The hidden "Change Profile" button and the disabled check box are
        // passed over.
        const QList<QWidget *> expected{f.inpPassword,   f.inpEmail,       f.inpCreated,
                                        f.inpLastLogin,  f.inpSelfCreated, f.btRequestProfile,
                                        f.btClose,       f.spUserType,     f.btChangePassword,
                                        f.btChangeEmail, f.inpUserName};
        QCOMPARE(TabChain(f.inpUserName, int(expected.size())), expected);

        QMenu *opened = nullptr;
        QTimer::singleShot(10, [&] {
            opened = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (opened != nullptr)
                opened->close();
        });
        QTest::keyClick(f.inpPassword, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(opened, f.pumPassword);
    }

    void viewPasswordMenu() {
        Window user;
        user.form.pumPasswordPopup();
        QVERIFY(!user.form.mnuViewPassword->isEnabled());
        user.form.mnuViewPasswordClick();
        QVERIFY(IsMasked(user.form.inpPassword));

        Window admin(1);
        admin.form.pumPasswordPopup();
        QVERIFY(admin.form.mnuViewPassword->isEnabled());
        QVERIFY(!admin.form.mnuViewPassword->isChecked());
        admin.form.mnuViewPasswordClick();
        QVERIFY(!IsMasked(admin.form.inpPassword));
        admin.form.pumPasswordPopup();
        QVERIFY(admin.form.mnuViewPassword->isChecked());
        admin.form.mnuViewPasswordClick();
        QVERIFY(IsMasked(admin.form.inpPassword));

        // Offline the session still exists, so the item still works.
        admin.sessions.connected = false;
        admin.form.pumPasswordPopup();
        QVERIFY(admin.form.mnuViewPassword->isEnabled());
        admin.sessions.exists = false;
        admin.form.pumPasswordPopup();
        QVERIFY(!admin.form.mnuViewPassword->isEnabled());
    }

    void ownPasswordChangeIsSent() {
        Window w;
        w.form.cbDisabled->setChecked(true);
        w.ChangeThrough(w.form.btChangePassword, QStringLiteral(" fresh "));
        QCOMPARE(w.requestTitle, QStringLiteral("Change Password"));
        QVERIFY(w.requestMasked);
        QCOMPARE(w.requestUser, QStringLiteral("Anna"));
        QCOMPARE(w.form.OldPassword, QStringLiteral("secret"));
        QCOMPARE(w.form.NewPassword, QStringLiteral("fresh"));
        QCOMPARE(w.form.inpPassword->text(), QStringLiteral("fresh"));
        QCOMPARE(
            w.sessions.requests,
            QStringList{QStringLiteral("ModifyUserProfile|anna|Anna|fresh|anna@example.org|0|1")});
        // A refusal brings the old password back.
        w.form.ShowModifyResult({"password too short", 30, "Anna"});
        QCOMPARE(w.form.inpPassword->text(), QStringLiteral("secret"));
    }

    void passwordChangeCancelledSendsNothing() {
        Window w;
        w.ChangeThrough(w.form.btChangePassword, QStringLiteral("fresh"), false);
        QVERIFY(w.sessions.requests.isEmpty());
        QCOMPARE(w.form.inpPassword->text(), QStringLiteral("secret"));
        QCOMPARE(w.rejected.count(), 0);
    }

    void passwordChangeOfAnotherName() {
        Window w;
        w.form.inpUserName->setText(QStringLiteral("Bob"));
        w.ChangeThrough(w.form.btChangePassword, QStringLiteral("fresh"));
        QCOMPARE(w.messages, QStringList{QStringLiteral("You may only change your own account!")});
        QVERIFY(w.sessions.requests.isEmpty());
    }

    void administratorPasswordEditIsLocal() {
        Window w(1);
        w.form.mnuViewPasswordClick();
        w.ChangeThrough(w.form.btChangePassword, QStringLiteral("adminset"));
        QVERIFY(!w.requestMasked); // the profile's password is in plain view
        QCOMPARE(w.form.inpPassword->text(), QStringLiteral("adminset"));
        QVERIFY(w.sessions.requests.isEmpty());
    }

    void connectionLostDuringChange() {
        Window w;
        w.ChangeThrough(w.form.btChangePassword, QStringLiteral("fresh"), true,
                        [&w] { w.sessions.connected = false; });
        QCOMPARE(w.messages, QStringList{QStringLiteral("Error: connection state changed!")});
        QCOMPARE(w.rejected.count(), 1);
        QVERIFY(w.sessions.requests.isEmpty());
        QVERIFY(w.form.findChildren<TFormCreateUser *>().isEmpty());
    }

    void changesNeedALoadedProfileAndAConnection() {
        Window w;
        w.form.inpUserName->setText(QStringLiteral("Anna"));
        w.form.btRequestProfile->click(); // clears the profile
        w.sessions.requests.clear();
        w.form.btChangePasswordClick();
        w.form.btChangeEmailClick();
        QVERIFY(w.messages.isEmpty());

        Window offline;
        offline.sessions.connected = false;
        offline.form.btChangeEmailClick();
        QCOMPARE(offline.messages, QStringList{QStringLiteral("You must go online!")});
        QCOMPARE(offline.rejected.count(), 0); // stays open
        offline.form.btChangePasswordClick();
        QCOMPARE(offline.rejected.count(), 1);
    }

    void ownEmailChange() {
        Window w;
        w.ChangeThrough(w.form.btChangeEmail, QStringLiteral("new@example.org"));
        QCOMPARE(w.requestTitle, QStringLiteral("Change Email"));
        QCOMPARE(w.sessions.requests,
                 QStringList{QStringLiteral("ChangeEmail|anna|new@example.org")});
        QCOMPARE(w.form.inpEmail->text(), QStringLiteral("new@example.org"));
        w.form.ShowEmailChangeResult({"in use", 14});
        QCOMPARE(w.form.inpEmail->text(), QStringLiteral("anna@example.org"));
        QTRY_COMPARE(w.messages,
                     QStringList{QStringLiteral(
                         "Failed to change email to new@example.org\rReason 14: in use")});
        QCOMPARE(w.rejected.count(), 0);

        w.form.ShowEmailChangeResult({"", 0});
        QCOMPARE(w.rejected.count(), 0); // closes after the message
        QTRY_COMPARE(w.rejected.count(), 1);
        QCOMPARE(w.messages.last(),
                 QStringLiteral("Email address modified to new@example.org\rYou will be "
                                "disconnected.\rA new password has been sent that address"));
    }

    void administratorEmailEditIsLocal() {
        Window w(1);
        w.ChangeThrough(w.form.btChangeEmail, QStringLiteral("x@y.z"));
        QCOMPARE(w.form.inpEmail->text(), QStringLiteral("x@y.z"));
        QVERIFY(w.sessions.requests.isEmpty());
    }

    void unknownEmailIsNeverSent() {
        FakeAccountSessions sessions;
        sessions.profile = AnnasProfile();
        sessions.profile.Email.clear();
        sessions.loginName = QStringLiteral("Anna");
        QStringList messages;
        TFormUserProfile form(UserTypes, nullptr,
                              [&messages](QWidget *, const QString &text) { messages << text; });
        form.OpenForSession(sessions, QStringLiteral("anna"));
        form.FormShow();
        QCOMPARE(form.inpEmail->text(), QStringLiteral("unknown"));
        WhenModalOpens<TFormCreateUser>([](TFormCreateUser &request) {
            request.inpEmail->setText(QStringLiteral("pw12"));
            request.inpEmail2->setText(QStringLiteral("pw12"));
            request.btnSendRequest->click();
        });
        form.btChangePassword->click();
        QCOMPARE(sessions.requests,
                 QStringList{QStringLiteral("ModifyUserProfile|anna|Anna|pw12||0|0")});
    }

    void changeProfileChecks() {
        Window user;
        user.form.btChangeProfileClick();
        QCOMPARE(user.messages, QStringList{QStringLiteral("Not an admin?")});

        Window admin(1);
        admin.form.inpUserName->setText(QStringLiteral("  "));
        admin.form.btChangeProfile->click();
        QCOMPARE(admin.messages, QStringList{QStringLiteral(
                                     "Check the input values,\rempty fields are not allowed!")});
        QVERIFY(admin.sessions.requests.isEmpty());

        Window offline(1);
        offline.sessions.connected = false;
        offline.form.btChangeProfileClick();
        QCOMPARE(offline.messages, QStringList{QStringLiteral("You must go online!")});
        QCOMPARE(offline.rejected.count(), 1);
    }

    void withheldPasswordMayStayEmpty() {
        Window admin(1);
        admin.form.ShowProfileResult({"", 0, "Bob", "", "bob@example.org", 0, 30000, 30000, 0, 0});
        admin.form.spUserType->setValue(1);
        admin.form.btChangeProfile->click();
        QVERIFY(admin.messages.isEmpty());
        QCOMPARE(admin.sessions.requests,
                 QStringList{QStringLiteral("ModifyUserProfile|anna|Bob||bob@example.org|1|0")});
        // An e-mail address that is not known is never sent.
        admin.form.FormShow();
        admin.sessions.requests.clear();
        admin.sessions.profile.Email.clear();
        admin.form.FormShow();
        admin.form.btChangeProfile->click();
        QCOMPARE(admin.messages, QStringList{QStringLiteral(
                                     "Check the input values,\rempty fields are not allowed!")});
        QVERIFY(admin.sessions.requests.isEmpty());
    }

    void resultsAfterTheWindowIsGoneShowNothing() {
        QStringList messages;
        FakeAccountSessions sessions;
        auto *form = new TFormUserProfile(
            UserTypes, nullptr, [&messages](QWidget *, const QString &text) { messages << text; });
        form->OpenForSession(sessions, QStringLiteral("anna"));
        form->ShowModifyResult({"", 0, "Anna"});
        delete form;
        QCoreApplication::processEvents();
        QVERIFY(messages.isEmpty());
    }
};

QTEST_MAIN(ProfileWindowTest)
#include "ProfileWindowTest.moc"
