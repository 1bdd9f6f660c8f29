// SPDX-License-Identifier: MIT
// The small dialogs: join channel, invite, user name and the about box.
#include "KeyboardTestSupport.h"
#include "UnitAddChannel.h"
#include "UnitAddUser.h"
#include "UnitInviteUser.h"
#include "UnitQuorAbout.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void joinDialogStartsStandardWithPasswordDisabled() {
        TFormAddChannel dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Create or Join Channel"));
        QCOMPARE(dialog.size(), QSize(274, 253));
        QCOMPARE(dialog.ChannelTypeIndex(), 0);
        QVERIFY(!dialog.inpPassword->isEnabled());
        QCOMPARE(dialog.inpPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(dialog.rgChannelTypeItems->buttons().size(), 4);
        QCOMPARE(dialog.rgChannelTypeItems->button(2)->text(), QStringLiteral("&Passworded"));
    }

    void passwordEnabledOnlyForPassworded() {
        TFormAddChannel dialog;
        dialog.show();
        for (int type : {1, 3, 0}) {
            dialog.rgChannelTypeItems->button(type)->click();
            QCOMPARE(dialog.ChannelTypeIndex(), type);
            QVERIFY(!dialog.inpPassword->isEnabled());
        }
        dialog.rgChannelTypeItems->button(2)->click();
        QCOMPARE(dialog.ChannelTypeIndex(), 2);
        QVERIFY(dialog.inpPassword->isEnabled());
        dialog.inpPassword->setText(QStringLiteral("secret"));
        dialog.rgChannelTypeItems->button(1)->click();
        QVERIFY(!dialog.inpPassword->isEnabled());
        // The typed password stays in the disabled input.
        QCOMPARE(dialog.inpPassword->text(), QStringLiteral("secret"));
    }

    void joinAndCancelCloseTheDialog() {
        TFormAddChannel dialog;
        dialog.show();
        QTest::mouseClick(dialog.btnJoin, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.show();
        QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void inviteDialogRefusesEmptyEntries() {
        TFormInviteUser dialog;
        QStringList shown;
        dialog.ShowMessage = [&shown](const QString &text) { shown << text; };
        dialog.show();
        dialog.inpUser->setText(QStringLiteral("bob"));
        dialog.inpChannel->setText(QStringLiteral("   "));
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
        QCOMPARE(shown, QStringList{QStringLiteral("Please input a Username and a Channel!")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.inpChannel->text(), QString());
    }

    void inviteDialogTrimsAndAccepts() {
        TFormInviteUser dialog;
        QStringList shown;
        dialog.ShowMessage = [&shown](const QString &text) { shown << text; };
        dialog.show();
        dialog.inpUser->setText(QStringLiteral("  bob "));
        dialog.inpChannel->setText(QStringLiteral(" lobby  "));
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
        QVERIFY(shown.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.inpUser->text(), QStringLiteral("bob"));
        QCOMPARE(dialog.inpChannel->text(), QStringLiteral("lobby"));
    }

    void inviteInputsTakeAtMost32Characters() {
        TFormInviteUser dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Authorise User to Channel"));
        QCOMPARE(dialog.inpUser->maxLength(), 32);
        QCOMPARE(dialog.inpChannel->maxLength(), 32);
    }

    void userNameDialogLayoutAndButtons() {
        TFormAddUser dialog;
        QCOMPARE(dialog.size(), QSize(272, 78));
        QCOMPARE(dialog.lbAddUser->text(), QStringLiteral("Quor user:"));
        dialog.show();
        QTest::mouseClick(dialog.btnAddDelete, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        dialog.show();
        QTest::mouseClick(dialog.Button2, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void tabFollowsTheDescribedOrder() {
        TFormAddChannel join;
        QVERIFY(ShowActive(join));
        // The password input is passed over while disabled.
        QCOMPARE(
            TabChain(join.inpQuorChannel, 3),
            (QList<QWidget *>{join.rgChannelTypeItems->button(0), join.btnJoin, join.btnCancel}));
        join.rgChannelTypeItems->button(2)->click();
        QCOMPARE(TabChain(join.rgChannelTypeItems->button(2), 2),
                 (QList<QWidget *>{join.inpPassword, join.btnJoin}));
        join.close();

        TFormInviteUser invite;
        QVERIFY(ShowActive(invite));
        QCOMPARE(TabChain(invite.inpUser, 4), (QList<QWidget *>{invite.inpChannel, invite.Button1,
                                                                invite.Button2, invite.inpUser}));
        invite.close();

        TFormAddUser user;
        QVERIFY(ShowActive(user));
        QCOMPARE(TabChain(user.inpAddUser, 3),
                 (QList<QWidget *>{user.btnAddDelete, user.Button2, user.inpAddUser}));
    }

    void aboutTextLines() {
        const QStringList lines = TFormQuorAbout::AboutText(14).split(QLatin1Char('\r'));
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], QString());
        QCOMPARE(lines[1], QStringLiteral("HB Quor"));
        QCOMPARE(lines[5], QString());
        QCOMPARE(lines[6], QStringLiteral("Quor SDK (build 14)"));
    }

    void aboutBoxClosesOnAClickOnTheLabel() {
        TFormQuorAbout about;
        about.SetText(TFormQuorAbout::AboutText(14));
        QVERIFY(about.Label1->text().contains(QStringLiteral("\nHB Quor\n")));
        about.show();
        QTest::mouseClick(about.Label1, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void aboutBoxClosesOnAClickOnTheForm() {
        TFormQuorAbout about;
        about.show();
        about.Label1->hide();
        QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void aboutBoxClosesOnEscape() {
        TFormQuorAbout about;
        QVERIFY(ShowActive(about));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
