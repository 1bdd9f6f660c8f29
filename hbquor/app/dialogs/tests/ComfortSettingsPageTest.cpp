// SPDX-License-Identifier: MIT
// The looks' settings page: what it loads is what it stores, the zoom's
// reset, and the tray box disabled with its reason where there is no tray.
#include "ComfortSettingsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using hbquor::dialogs::ComfortSettingsPage;

class ComfortSettingsPageTest : public QObject {
    Q_OBJECT

private slots:
    void loadsAndStores() {
        ComfortSettingsPage page(true);
        QVERIFY(!page.Title().isEmpty());
        MainSettings in;
        in.Comfort = {true, 3, ColorScheme::Dark};
        page.Load(in);
        QVERIFY(page.IsValid());
        MainSettings out;
        page.Store(out);
        QCOMPARE(out.Comfort.CloseToTray, true);
        QCOMPARE(out.Comfort.TextZoom, 3);
        QCOMPARE(out.Comfort.Scheme, ColorScheme::Dark);

        page.findChild<QComboBox *>()->setCurrentIndex(1);
        page.findChild<QCheckBox *>()->setChecked(false);
        QPushButton *reset = page.findChild<QPushButton *>();
        QVERIFY(reset->isEnabled());
        reset->click();
        QVERIFY(!reset->isEnabled());
        page.Store(out);
        QCOMPARE(out.Comfort.CloseToTray, false);
        QCOMPARE(out.Comfort.TextZoom, 0);
        QCOMPARE(out.Comfort.Scheme, ColorScheme::Light);
    }

    void noTrayDisablesTheBox_data() {
        QTest::addColumn<bool>("tray");
        QTest::newRow("tray") << true;
        QTest::newRow("no tray") << false;
    }
    void noTrayDisablesTheBox() {
        QFETCH(bool, tray);
        ComfortSettingsPage page(tray);
        page.show();
        QCOMPARE(page.findChild<QCheckBox *>()->isEnabled(), tray);
        bool reasonShown = false;
        for (const QLabel *label : page.findChildren<QLabel *>())
            reasonShown |= label->isVisible() && label->text().contains(QStringLiteral("no tray"));
        QCOMPARE(reasonShown, !tray);
    }
};

QTEST_MAIN(ComfortSettingsPageTest)
#include "ComfortSettingsPageTest.moc"
