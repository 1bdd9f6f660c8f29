// SPDX-License-Identifier: MIT
// The account request window: each mode's set-up and each check of its
// entries, with the exact texts the user sees.
#include "KeyboardTestSupport.h"
#include "PasswordMask.h"
#include "UnitCreateUser.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using hbquor::account::IsMasked;
using hbquor::account::TFormCreateUser;

namespace {

// A window whose message boxes are recorded instead of shown.
struct RecordedWindow {
    QStringList messages;
    TFormCreateUser form{nullptr, [this](QWidget *, const QString &text) { messages << text; }};

    // Types the three entries and presses Send Request.
    void Send(const QString &user, const QString &entry, const QString &confirmation) {
        form.inpUser->setText(user);
        form.inpEmail->setText(entry);
        form.inpEmail2->setText(confirmation);
        form.btnSendRequestClick();
    }
};

} // namespace

class CreateUserTest : public QObject {
    Q_OBJECT

private slots:
    void tabFollowsTheDescribedOrder() {
        RecordedWindow w;
        w.form.SetupCreateAccount();
        QVERIFY(ShowActive(w.form));
        QCOMPARE(TabChain(w.form.inpUser, 5),
                 (QList<QWidget *>{w.form.inpEmail, w.form.inpEmail2, w.form.btnSendRequest,
                                   w.form.Button2, w.form.inpUser}));
    }

    void createAccountSetUp() {
        RecordedWindow w;
        w.form.inpUser->setText(QStringLiteral("left over"));
        w.form.SetupCreateAccount();
        QCOMPARE(w.form.RequestMode, 0);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Create a Quor Account"));
        QCOMPARE(w.form.lbWarning->text(),
                 QStringLiteral("WARNING: Creating a Quor account is carefully monitored. Using "
                                "someone else's email address or creating a large number of "
                                "accounts is strictly prohibited. If either of these occurs, the "
                                "user will be banned from ever using Quor again and his or her "
                                "ISP will be contacted. "));
        QCOMPARE(w.form.lbUser->text(), QStringLiteral("New Quor user name"));
        QCOMPARE(w.form.lbEmail->text(),
                 QStringLiteral("User's email address (password will be sent there)"));
        QCOMPARE(w.form.lbEmail2->text(), QStringLiteral("Confirm email"));
        QVERIFY(!w.form.lbEmail2->isHidden());
        QVERIFY(!w.form.inpEmail2->isHidden());
        QVERIFY(w.form.inpUser->isEnabled());
        QCOMPARE(w.form.inpUser->text(), QString());
        QCOMPARE(w.form.inpUser->maxLength(), 32);
        QCOMPARE(w.form.inpEmail->maxLength(), 64);
        QCOMPARE(w.form.inpEmail2->maxLength(), 64);
        QVERIFY(!IsMasked(w.form.inpEmail));
        QCOMPARE(w.form.btnSendRequest->text(), QStringLiteral("Send Request"));
        QVERIFY(w.form.btnSendRequest->isDefault());
        QCOMPARE(w.form.Button2->text(), QStringLiteral("Cancel"));
        QCOMPARE(w.form.size(), QSize(323, 264));
    }

    void requestPasswordSetUp() {
        RecordedWindow w;
        w.form.inpEmail->setText(QStringLiteral("old@entry"));
        w.form.SetupRequestPassword(QStringLiteral("Anna"));
        QCOMPARE(w.form.RequestMode, 1);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Request Forgotton Password"));
        QCOMPARE(w.form.lbWarning->text(),
                 QStringLiteral("Your password will be sent to you by email. Please input the "
                                "email address you registered with."));
        QCOMPARE(w.form.lbUser->text(), QStringLiteral("Quor user name"));
        QCOMPARE(w.form.lbEmail->text(),
                 QStringLiteral("Registered email address (password will be sent there)"));
        QCOMPARE(w.form.lbEmail2->text(), QString());
        QVERIFY(w.form.lbEmail2->isHidden());
        QVERIFY(w.form.inpEmail2->isHidden());
        QVERIFY(w.form.inpUser->isEnabled());
        QCOMPARE(w.form.inpUser->text(), QStringLiteral("Anna"));
        QCOMPARE(w.form.inpEmail->text(), QString());
        QCOMPARE(w.form.inpEmail->maxLength(), 32);
        QCOMPARE(w.form.btnSendRequest->text(), QStringLiteral("Send Request"));
    }

    void changeEmailSetUp_data() {
        QTest::addColumn<bool>("administrator");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("caption");
        QTest::newRow("user") << false
                              << QStringLiteral(
                                     "Input the new email address and confirm it, make sure it is "
                                     "a valid address.\n\nPROCEED WITH CARE: You will be "
                                     "disconnected after changing your email address, and a new "
                                     "password will be issued and sent to this new address. If "
                                     "you do not receive it, you will not be able to log in!")
                              << QStringLiteral("Send Request");
        QTest::newRow("administrator")
            << true << QStringLiteral("Administrator, please input the new email address. ")
            << QStringLiteral("Accept");
    }
    void changeEmailSetUp() {
        QFETCH(bool, administrator);
        QFETCH(QString, warning);
        QFETCH(QString, caption);
        RecordedWindow w;
        w.form.SetupChangeEmail(QStringLiteral("Anna"), administrator);
        QCOMPARE(w.form.RequestMode, 2);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Change Email"));
        QCOMPARE(w.form.lbWarning->text(), warning);
        QCOMPARE(w.form.lbUser->text(), QStringLiteral("Quor user name"));
        QCOMPARE(w.form.lbEmail->text(),
                 QStringLiteral("New email address (password will be sent there)"));
        QCOMPARE(w.form.lbEmail2->text(), QStringLiteral("Confirm email"));
        QVERIFY(!w.form.inpEmail2->isHidden());
        QVERIFY(!w.form.inpUser->isEnabled());
        QCOMPARE(w.form.inpUser->text(), QStringLiteral("Anna"));
        QCOMPARE(w.form.inpEmail->maxLength(), 64);
        QVERIFY(!IsMasked(w.form.inpEmail));
        QCOMPARE(w.form.btnSendRequest->text(), caption);
    }

    void changePasswordSetUp_data() {
        QTest::addColumn<bool>("administrator");
        QTest::addColumn<bool>("showPlain");
        QTest::addColumn<bool>("masked");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("caption");
        const QString user = QStringLiteral("Input the new password and confirm it\nChanging "
                                            "someone else's password is strictly prohibited. ");
        const QString admin = QStringLiteral("Administrator, please input the new password. ");
        QTest::newRow("user") << false << false << true << user << QStringLiteral("Send Request");
        QTest::newRow("user asking for plain view")
            << false << true << true << user << QStringLiteral("Send Request");
        QTest::newRow("administrator, masked")
            << true << false << true << admin << QStringLiteral("Accept");
        QTest::newRow("administrator, plain view")
            << true << true << false << admin << QStringLiteral("Accept");
    }
    void changePasswordSetUp() {
        QFETCH(bool, administrator);
        QFETCH(bool, showPlain);
        QFETCH(bool, masked);
        QFETCH(QString, warning);
        QFETCH(QString, caption);
        RecordedWindow w;
        w.form.SetupChangePassword(QStringLiteral("Anna"), administrator, showPlain);
        QCOMPARE(w.form.RequestMode, 3);
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Change Password"));
        QCOMPARE(w.form.lbWarning->text(), warning);
        QCOMPARE(w.form.lbEmail->text(), QStringLiteral("\nNew password"));
        QCOMPARE(w.form.lbEmail2->text(), QStringLiteral("Confirm password"));
        QVERIFY(!w.form.inpUser->isEnabled());
        QCOMPARE(w.form.inpUser->text(), QStringLiteral("Anna"));
        QCOMPARE(IsMasked(w.form.inpEmail), masked);
        QCOMPARE(IsMasked(w.form.inpEmail2), masked);
        QCOMPARE(w.form.inpEmail->maxLength(), 32);
        QCOMPARE(w.form.inpEmail2->maxLength(), 32);
        QCOMPARE(w.form.btnSendRequest->text(), caption);
    }

    void laterModeUndoesEarlierMasking() {
        RecordedWindow w;
        w.form.SetupChangePassword(QStringLiteral("Anna"), false, false);
        w.form.SetupCreateAccount();
        QVERIFY(!IsMasked(w.form.inpEmail));
        QVERIFY(!IsMasked(w.form.inpEmail2));
        QVERIFY(w.form.inpUser->isEnabled());
    }

    void checks_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString noEmail = QStringLiteral("Please input user name and email!");
        const QString emailsDiffer = QStringLiteral("Both email entries must be identical!");
        QTest::newRow("0 blank user") << 0 << "   "
                                      << "a@b.c"
                                      << "a@b.c" << noEmail;
        QTest::newRow("0 blank email") << 0 << "Anna"
                                       << " \t "
                                       << " " << noEmail;
        QTest::newRow("0 emails differ in case") << 0 << "Anna"
                                                 << "anna@b.c"
                                                 << "Anna@b.c" << emailsDiffer;
        QTest::newRow("0 emails differ by blanks only") << 0 << " Anna "
                                                        << "  anna@b.c"
                                                        << "anna@b.c   " << QString();
        QTest::newRow("0 empty check before comparison") << 0 << ""
                                                         << "x"
                                                         << "y" << noEmail;
        QTest::newRow("1 blank email") << 1 << "Anna"
                                       << "  "
                                       << "" << noEmail;
        QTest::newRow("1 without confirmation") << 1 << "Anna"
                                                << "a@b.c"
                                                << "" << QString();
        QTest::newRow("2 blank email")
            << 2 << "Anna"
            << " "
            << "" << QStringLiteral("Please input user name and new email!");
        QTest::newRow("2 emails differ") << 2 << "Anna"
                                         << "a@b.c"
                                         << "a@b.d" << emailsDiffer;
        QTest::newRow("2 same emails") << 2 << "Anna"
                                       << "a@b.c"
                                       << " a@b.c" << QString();
        QTest::newRow("3 blank password")
            << 3 << "Anna"
            << ""
            << "x" << QStringLiteral("Please input user name and new password!");
        QTest::newRow("3 passwords differ in case")
            << 3 << "Anna"
            << "Secret"
            << "secret" << QStringLiteral("Both password entries must be identical!");
        QTest::newRow("3 same passwords") << 3 << "Anna"
                                          << "Secret"
                                          << "Secret " << QString();
    }
    void checks() {
        QFETCH(int, mode);
        QFETCH(QString, user);
        QFETCH(QString, entry);
        QFETCH(QString, confirmation);
        QFETCH(QString, message);
        RecordedWindow w;
        switch (mode) {
        case 0:
            w.form.SetupCreateAccount();
            break;
        case 1:
            w.form.SetupRequestPassword(QString());
            break;
        case 2:
            w.form.SetupChangeEmail(QString(), false);
            break;
        default:
            w.form.SetupChangePassword(QString(), false, false);
            break;
        }
        QSignalSpy accepted(&w.form, &QDialog::accepted);
        w.Send(user, entry, confirmation);
        if (message.isEmpty()) {
            QVERIFY(w.messages.isEmpty());
            QCOMPARE(accepted.count(), 1);
            QCOMPARE(w.form.result(), int(QDialog::Accepted));
        } else {
            QCOMPARE(w.messages, QStringList{message});
            QCOMPARE(accepted.count(), 0);
        }
        // The entries are left trimmed, blank ones empty.
        QCOMPARE(w.form.inpUser->text(), user.trimmed());
        QCOMPARE(w.form.inpEmail->text(), entry.trimmed());
        QCOMPARE(w.form.inpEmail2->text(), confirmation.trimmed());
        QCOMPARE(w.form.UserName(), user.trimmed());
        QCOMPARE(w.form.FirstEntry(), entry.trimmed());
    }

    void unknownModeDoesNothing() {
        RecordedWindow w;
        w.form.RequestMode = 7;
        QSignalSpy accepted(&w.form, &QDialog::accepted);
        w.Send(QStringLiteral(" Anna "), QString(), QStringLiteral("x"));
        QCOMPARE(accepted.count(), 0);
        QVERIFY(w.messages.isEmpty());
        QCOMPARE(w.form.inpUser->text(), QStringLiteral("Anna"));
    }

    void enterSendsAndCancelRejects() {
        RecordedWindow w;
        w.form.SetupRequestPassword(QStringLiteral("Anna"));
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.form.inpEmail->setFocus();
        w.form.inpEmail->setText(QStringLiteral("a@b.c"));
        QSignalSpy accepted(&w.form, &QDialog::accepted);
        QTest::keyClick(w.form.inpEmail, Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);

        RecordedWindow other;
        other.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other.form));
        QSignalSpy rejected(&other.form, &QDialog::rejected);
        other.form.Button2->click();
        QCOMPARE(rejected.count(), 1);
    }
};

QTEST_MAIN(CreateUserTest)
#include "CreateUserTest.moc"
