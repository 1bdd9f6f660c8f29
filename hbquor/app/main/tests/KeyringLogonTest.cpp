// SPDX-License-Identifier: MIT
// Remembered passwords against a real secret store (gnome-keyring-daemon on
// a private session bus) and the real chat server: a logon with "Remember
// password" on keeps the password, the next start logs on by itself with
// it, and unchecking the box forgets it. No password reaches a file.
#include "FileBytes.h"
#include "KeychainPasswordStore.h"
#include "MainWindowFixture.h"
#include "PrivateKeyring.h"
#include "QuordForAnnaAndBob.h"

#include "ConnectionPage.h"
#include "SettingsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using hbquor::settings::AccountPasswordKey;
using hbquor::settings::KeychainPasswordStore;

class KeyringLogonTest : public QObject {
    Q_OBJECT

    PrivateKeyring FKeyring;
    std::unique_ptr<quord::testing::QuordProcess> FServer;

    /// What the store holds under key, once it has answered.
    static std::optional<QString> Kept(const QString &key) {
        KeychainPasswordStore store;
        bool answered = false;
        std::optional<QString> kept;
        store.Read(key, [&](const std::optional<QString> &password) {
            kept = password;
            answered = true;
        });
        if (!QTest::qWaitFor([&] { return answered; }, 5000))
            qWarning("the secret store did not answer");
        return kept;
    }

    TFormQuorMain &Start(MainWindowFixture &f, const QByteArray &settings) {
        f.Passwords = std::make_shared<KeychainPasswordStore>();
        return f.StartForServer(FServer->port(), "LoginName=anna\n" + settings);
    }

private slots:
    void initTestCase() {
        if (const QString problem = FKeyring.Start(); !problem.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no private secret store: ") + problem));
        FServer = StartQuordForAnnaAndBob();
        QVERIFY(FServer != nullptr);
    }

    void rememberLogOnByItselfAndForget() {
        const QString key = AccountPasswordKey(QStringLiteral("127.0.0.1:%1").arg(FServer->port()),
                                               QStringLiteral("anna"));
        QVERIFY(!Kept(key));
        {
            MainWindowFixture f;
            Start(f, "RememberPassword=1\n");
            f.LogOn(QStringLiteral("anna"), QStringLiteral("anna-pw"));
            QTRY_VERIFY_WITH_TIMEOUT(f.Client().IsLoggedOn(), 5000);
            QTRY_COMPARE_WITH_TIMEOUT(Kept(key), std::optional<QString>(QStringLiteral("anna-pw")),
                                      5000);
            QVERIFY(f.CloseWithYes());
            QVERIFY(!ReadFileBytes(f.Files().SettingsFile).contains("anna-pw"));
        }
        MainWindowFixture f;
        TFormQuorMain &w = Start(f, "RememberPassword=1\nAutoLogon=1\n");
        QTRY_VERIFY_WITH_TIMEOUT(f.Client().IsLoggedOn(), 5000);
        QCOMPARE(w.ui.inpPassword->text(), QStringLiteral("anna-pw"));

        f.AnswerDialog = [](QDialog &dialog) {
            auto *page = dialog.findChild<hbquor::settings::ConnectionPage *>();
            if (!page->cbRememberPassword->isEnabled())
                return int(QDialog::Rejected);
            page->cbRememberPassword->setChecked(false);
            return int(QDialog::Accepted);
        };
        w.ui.mnuSettings->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!Kept(key), 5000);
        const QByteArray ini = ReadFileBytes(f.Files().SettingsFile);
        QVERIFY(ini.contains("RememberPassword=0"));
        QVERIFY(ini.contains("AutoLogon=0"));
        QVERIFY(!ini.contains("anna-pw"));
    }
};

QTEST_MAIN(KeyringLogonTest)
#include "KeyringLogonTest.moc"
