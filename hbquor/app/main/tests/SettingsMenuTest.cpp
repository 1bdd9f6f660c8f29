// SPDX-License-Identifier: MIT
// "Settings ..." in the main window: what the dialog changes takes effect
// at once (the time base of the clock and the log, the chat log) and is in
// the settings file before the window closes; a password the store refuses
// is said in the log; faulty values in a hand-edited file are each named once in the
// log at start and replaced by their defaults at close.
#include "MainWindowFixture.h"

#include "ChatLogPage.h"
#include "ConnectionPage.h"
#include "FileBytes.h"
#include "HistorySettingsPage.h"
#include "NotificationsPage.h"
#include "ProgramHistory.h"
#include "SettingsDialog.h"
#include "TimesPage.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

using hbquor::settings::SettingsDialog;

class SettingsMenuTest : public QObject {
    Q_OBJECT

private slots:
    void faultyValuesAreNamedOnceAtStartAndReplacedAtClose() {
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\nQuorPort=80x\nTimeMode=9\nProxyType=1\n");
        TFormQuorMain &w = f.Start();
        const QString pane = w.ui.RichEdit1->toPlainText();
        for (const char *key : {"QuorPort", "TimeMode"})
            QCOMPARE(pane.count(QStringLiteral("Settings: the value of %1 is not valid - the "
                                               "default is used")
                                    .arg(QLatin1String(key))),
                     1);
        QVERIFY(!pane.contains(QStringLiteral("ProxyType")));
        QVERIFY(f.CloseWithYes());
        const QByteArray ini = ReadFileBytes(f.Files().SettingsFile);
        QVERIFY(ini.contains("QuorPort=8317\n"));
        QVERIFY(ini.contains("TimeMode=0\n"));
    }

    void okTakesEffectAtOnce() {
        MainWindowFixture f;
        f.AnswerDialog = [](QDialog &dialog) {
            auto &settings = dynamic_cast<SettingsDialog &>(dialog);
            settings.findChild<hbquor::settings::TimesPage *>()->rgTimeMode[1]->setChecked(true);
            settings.findChild<hbquor::settings::NotificationsPage *>()->cbNotify->setChecked(
                false);
            settings.findChild<hbquor::settings::ChatLogPage *>()->cbLogChat->setChecked(false);
            settings.findChild<hbquor::historyview::HistorySettingsPage *>()->cbKeep->setChecked(
                false);
            return int(QDialog::Accepted);
        };
        TFormQuorMain &w = f.Start();
        QVERIFY(w.Log().ChatLogOpen());
        w.ui.mnuSettings->trigger();
        QCOMPARE(f.DialogTitles, QStringList{QStringLiteral("Settings")});
        // 09:07 VRT is 11:07 UTC.
        QCOMPARE(w.ui.pnVRT->text(), QStringLiteral("11:07"));
        QCOMPARE(w.Log().Times().GetMode(), TimeText::Utc);
        QVERIFY(!w.Log().ChatLogOpen());
        QVERIFY(!w.Settings().Notify);
        const QByteArray ini = ReadFileBytes(f.Files().SettingsFile);
        QVERIFY(!w.History().Store().Keeps());
        for (const char *written : {"TimeMode=1", "Notify=0", "LogChat=0", "HistoryKeep=0"})
            QVERIFY2(ini.contains(written), written);
    }

    void aProxyPasswordTheStoreRefusesIsSaidInTheLog() {
        MainWindowFixture f;
        auto store = std::make_shared<MemoryPasswordStore>();
        store->WriteProblem = QStringLiteral("the keyring is locked");
        f.Passwords = store;
        f.WriteSettings("[Parameters]\nProxyType=1\nProxyHost=proxy.example.org\nProxyPort=1080\n"
                        "ProxyUser=anna\n");
        f.AnswerDialog = [](QDialog &dialog) {
            auto *page = dialog.findChild<hbquor::settings::ConnectionPage *>();
            page->cbRememberPassword->setChecked(true);
            page->inpProxyPassword->setText(QStringLiteral("pr0xy-pw"));
            return int(QDialog::Accepted);
        };
        TFormQuorMain &w = f.Start();
        QTest::qWait(10); // the store's first answer
        w.ui.mnuSettings->trigger();
        QTRY_COMPARE(f.LastLogLine(),
                     QStringLiteral("The password (proxy anna@proxy.example.org:1080) "
                                    "was not remembered: the keyring is locked"));
        QVERIFY(!w.ui.RichEdit1->toPlainText().contains(QStringLiteral("pr0xy-pw")));
        QVERIFY(!ReadFileBytes(f.Files().SettingsFile).contains("pr0xy-pw"));
    }
};

QTEST_MAIN(SettingsMenuTest)
#include "SettingsMenuTest.moc"
