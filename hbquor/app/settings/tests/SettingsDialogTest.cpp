// SPDX-License-Identifier: MIT
// The settings dialog offscreen: its pages load from the settings, each
// faulty field shows its reason and disables OK, OK writes exactly the keys
// that changed (and never the proxy's password), Cancel writes nothing.
#include "SettingsDialog.h"
#include "ChatClient.h"
#include "ChatLogPage.h"
#include "ConnectionPage.h"
#include "FieldReason.h"
#include "FileBytes.h"
#include "NotificationsPage.h"
#include "SettingsCommand.h"
#include "TimesPage.h"

#include "test_certificate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace hbquor::settings;

namespace {

const QByteArray StoredFile = "; kept as it is\n"
                              "[Parameters]\n"
                              "LoginName=anna\n"
                              "QuorHost=chat.example.org\n"
                              "QuorPort=9000\n"
                              "QuorTls=1\n"
                              "ProxyType=1\n"
                              "ProxyHost=proxy.example.org\n"
                              "ProxyPort=1080\n"
                              "ProxyUser=anna\n"
                              "Notify=0\n"
                              "TimeMode=1\n"
                              "ChatTimes=1\n"
                              "LogChat=0\n";

QSet<QByteArray> Lines(const QByteArray &text) {
    const QList<QByteArray> lines = text.split('\n');
    return {lines.begin(), lines.end()};
}

bool OkEnabled(const SettingsDialog &dialog) {
    return dialog.Buttons->button(QDialogButtonBox::Ok)->isEnabled();
}

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    QString FFile;
    std::unique_ptr<hbquor::client::ChatClient> FClient;
    QList<QUrl> FOpened;

    /// Runs the command on the stored file; act plays the user, then the
    /// dialog ends with answer.
    std::optional<MainSettings> Edit(const std::function<void(SettingsDialog &)> &act, int answer) {
        const MainSettings current = MainSettings::Read(FFile);
        SettingsCommandHooks hooks;
        hooks.Exec = [&act, answer](QDialog &dialog) {
            act(static_cast<SettingsDialog &>(dialog));
            return answer;
        };
        hooks.OpenUrl = [this](const QUrl &url) { FOpened << url; };
        hooks.ShowMessage = [](const QString &text) { QFAIL(qPrintable(text)); };
        hooks.SettingsFile = FFile;
        hooks.ChatLogFile = FDir.filePath(QStringLiteral("Log.txt"));
        return EditSettings(*FClient, current, hooks);
    }

private slots:
    void init() {
        FFile = FDir.filePath(QStringLiteral("hbquor.ini"));
        QVERIFY(WriteFileBytes(FFile, StoredFile));
        FClient = std::make_unique<hbquor::client::ChatClient>();
        FOpened.clear();
    }

    void everyPageLoadsAndCancelWritesNothing() {
        const std::optional<MainSettings> result = Edit(
            [this](SettingsDialog &dialog) {
                const auto *c = dialog.findChild<ConnectionPage *>();
                QCOMPARE(c->inpHost->text(), QStringLiteral("chat.example.org"));
                QCOMPARE(c->inpPort->text(), QStringLiteral("9000"));
                QVERIFY(c->cbTls->isChecked());
                QVERIFY(c->cbAutoReconnect->isChecked());
                QCOMPARE(c->cbProxyType->currentText(), QStringLiteral("SOCKS5"));
                QCOMPARE(c->inpProxyHost->text(), QStringLiteral("proxy.example.org"));
                QCOMPARE(c->inpProxyPort->text(), QStringLiteral("1080"));
                QCOMPARE(c->inpProxyUser->text(), QStringLiteral("anna"));
                QCOMPARE(c->inpProxyPassword->echoMode(), QLineEdit::Password);
                QVERIFY(!dialog.findChild<NotificationsPage *>()->cbNotify->isChecked());
                const auto *times = dialog.findChild<TimesPage *>();
                QVERIFY(times->rgTimeMode[1]->isChecked());
                QVERIFY(times->rgTimeMode[1]->text().endsWith(QStringLiteral(" UTC")));
                QVERIFY(times->cbChatTimes->isChecked());
                const auto *log = dialog.findChild<ChatLogPage *>();
                QVERIFY(!log->cbLogChat->isChecked());
                QVERIFY(log->lbLogFile->text().endsWith(QStringLiteral("Log.txt")));
                log->btOpenFolder->click();
                QVERIFY(OkEnabled(dialog));
                QVERIFY(dialog.lbNextLogon->isHidden());
                QCOMPARE(dialog.PageControl->count(), 4);
                // Changes made before Cancel count for nothing.
                c->inpHost->setText(QStringLiteral("elsewhere"));
            },
            QDialog::Rejected);
        QVERIFY(!result);
        QCOMPARE(ReadFileBytes(FFile), StoredFile);
        QCOMPARE(FOpened, QList<QUrl>{QUrl::fromLocalFile(FDir.path())});
    }

    void faultyFieldGivesItsReasonAndDisablesOk_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("proxyType");
        QTest::addColumn<QString>("reason");
        const QString host = QStringLiteral("host");
        const QString port = QStringLiteral("port");
        const QString ca = QStringLiteral("ca");
        const QString proxyHost = QStringLiteral("proxyHost");
        const QString proxyPort = QStringLiteral("proxyPort");
        QTest::newRow("empty host") << host << "  " << 0 << "a host is needed";
        QTest::newRow("host with a blank") << host << "a b" << 0 << "a host has no blanks";
        QTest::newRow("port 0") << port << "0" << 0 << "the port lies between 1 and 65535";
        QTest::newRow("port 65536") << port << "65536" << 0 << "the port lies between 1 and 65535";
        QTest::newRow("port not a number") << port << "8o17" << 0 << "the port is a number";
        QTest::newRow("missing CA file")
            << ca << "/nonexistent/ca.pem" << 0 << "the file cannot be read";
        QTest::newRow("CA file without certificate")
            << ca << "NOT-PEM" << 0 << "the file holds no PEM certificate";
        QTest::newRow("SOCKS5 without host") << proxyHost << "" << 1 << "the proxy needs a host";
        QTest::newRow("HTTP without port") << proxyPort << "" << 2 << "the proxy needs a port";
        QTest::newRow("proxy port beyond range")
            << proxyPort << "70000" << 0 << "the port lies between 1 and 65535";
    }

    void faultyFieldGivesItsReasonAndDisablesOk() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, proxyType);
        QFETCH(QString, reason);
        const quor::testing::TestCertificate certificate;
        const QString notPem = FDir.filePath(QStringLiteral("not.pem"));
        QVERIFY(WriteFileBytes(notPem, "just text\n"));
        if (text == QStringLiteral("NOT-PEM"))
            text = notPem;

        SettingsDialog dialog(MainSettings::Read(FFile), false);
        auto *page = new ConnectionPage;
        dialog.AddPage(page);
        page->inpCaFile->setText(QString::fromStdString(certificate.certFile()));
        page->cbProxyType->setCurrentIndex(proxyType);
        QVERIFY(OkEnabled(dialog));
        const QMap<QString, QLineEdit *> fields{{QStringLiteral("host"), page->inpHost},
                                                {QStringLiteral("port"), page->inpPort},
                                                {QStringLiteral("ca"), page->inpCaFile},
                                                {QStringLiteral("proxyHost"), page->inpProxyHost},
                                                {QStringLiteral("proxyPort"), page->inpProxyPort}};
        QLineEdit *input = fields.value(field);
        const QString sound = input->text();
        input->setText(text);
        QCOMPARE(page->ReasonOf(input)->text(), reason);
        QVERIFY(!page->ReasonOf(input)->isHidden());
        QVERIFY(!OkEnabled(dialog));
        // A screen reader hears the fault on the field, and why OK is off.
        QPushButton *ok = dialog.Buttons->button(QDialogButtonBox::Ok);
        QCOMPARE(input->accessibleDescription(), reason);
        QVERIFY(!ok->accessibleDescription().isEmpty());
        input->setText(sound);
        QVERIFY(page->ReasonOf(input)->isHidden());
        QVERIFY(OkEnabled(dialog));
        QVERIFY(input->accessibleDescription().isEmpty() && ok->accessibleDescription().isEmpty());
    }

    void okWritesExactlyTheChangedKeys() {
        const std::optional<MainSettings> result = Edit(
            [](SettingsDialog &dialog) {
                auto *c = dialog.findChild<ConnectionPage *>();
                c->inpPort->setText(QStringLiteral("9001"));
                c->cbAutoReconnect->setChecked(false);
                c->inpProxyPassword->setText(QStringLiteral("s3cret-proxy"));
                dialog.findChild<TimesPage *>()->rgTimeMode[2]->setChecked(true);
                dialog.findChild<NotificationsPage *>()->cbNotify->setChecked(true);
            },
            QDialog::Accepted);
        QVERIFY(result);
        QCOMPARE(result->QuorPort, 9001);
        QCOMPARE(result->Connection.ProxyPassword, QStringLiteral("s3cret-proxy"));
        const QByteArray written = ReadFileBytes(FFile);
        QVERIFY(!written.contains("s3cret-proxy"));
        QSet<QByteArray> expected = Lines(StoredFile);
        expected.subtract({"QuorPort=9000", "Notify=0", "TimeMode=1"});
        expected.unite({"QuorPort=9001", "Notify=1", "TimeMode=2", "AutoReconnect=0"});
        QCOMPARE(Lines(written), expected);
        QVERIFY(written.startsWith("; kept as it is\n"));
    }

    void loggedOnDialogSaysWhenConnectionChangesApplyAndWhyNothingIsRemembered() {
        SettingsDialog dialog(MainSettings::Read(FFile), true);
        auto *page = new ConnectionPage(QStringLiteral("no secret store"));
        dialog.AddPage(page);
        QVERIFY(!dialog.lbNextLogon->isHidden());
        QVERIFY(dialog.lbNextLogon->text().contains(QStringLiteral("next logon")));
        QVERIFY(!page->cbRememberPassword->isEnabled() && !page->cbAutoLogon->isEnabled());
        QCOMPARE(page->cbRememberPassword->toolTip(),
                 QStringLiteral("Not possible: no secret store"));
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "SettingsDialogTest.moc"
