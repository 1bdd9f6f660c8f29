// SPDX-License-Identifier: MIT
// The tray icon of the main window: its tooltip and badge texts, its Exit
// asking first, and closing to the tray with CloseToTray (told once), or
// asking without it. TrayBusTest sees the icon as a desktop does.
#include "MainWindowFixture.h"
#include "TrayIcon.h"
#include "TrayText.h"
#include "UnitQuorMain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

using hbquor::main::TrayIcon;
using hbquor::main::TrayState;

class TrayTest : public QObject {
    Q_OBJECT

private:
    static QAction *MenuItem(TrayIcon &tray, const QString &caption) {
        for (QAction *item : tray.Menu()->actions()) {
            if (item->text() == caption)
                return item;
        }
        return nullptr;
    }

private slots:
    void texts_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("unread");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("badge");
        QTest::newRow("offline") << 0 << 0 << "HB Quor - offline"
                                 << "";
        QTest::newRow("connecting, one") << 1 << 1 << "HB Quor - connecting, 1 unread text"
                                         << "1";
        QTest::newRow("online, many") << 2 << 120 << "HB Quor - online, 120 unread texts"
                                      << "99+";
    }
    void texts() {
        QFETCH(int, state);
        QFETCH(int, unread);
        QFETCH(QString, tooltip);
        QFETCH(QString, badge);
        QCOMPARE(hbquor::main::TrayTooltip(static_cast<TrayState>(state), unread), tooltip);
        QCOMPARE(hbquor::main::TrayBadge(unread), badge);
    }

    void closingHidesToTheTrayOnce() {
        MainWindowFixture fixture;
        fixture.Tray = true;
        fixture.WriteSettings("[Parameters]\nCloseToTray=1\n");
        TFormQuorMain &window = fixture.Start();
        auto *tray = window.findChild<TrayIcon *>();
        for (int i = 0; i < 2; ++i) {
            window.show();
            QVERIFY(!window.close());
            QVERIFY(!window.isVisible());
        }
        QCOMPARE(fixture.ExitQuestions, 0);
        QVERIFY(!QApplication::quitOnLastWindowClosed());
        QCOMPARE(fixture.Notifications->Shown.size(), 1);
        QCOMPARE(fixture.Notifications->Shown.first().Body,
                 QStringLiteral("HB Quor keeps running in the tray."));
        // Exit from the tray's menu still asks.
        fixture.ExitAnswer = false;
        MenuItem(*tray, QStringLiteral("E&xit"))->trigger();
        QCOMPARE(fixture.ExitQuestions, 1);
        fixture.ExitAnswer = true;
        QVERIFY(fixture.CloseWithYes() == false);
        QCOMPARE(fixture.ExitQuestions, 1);
        MenuItem(*tray, QStringLiteral("E&xit"))->trigger();
        QCOMPARE(fixture.ExitQuestions, 2);
        QVERIFY(QApplication::quitOnLastWindowClosed());
    }

    void withoutCloseToTrayClosingAsks() {
        MainWindowFixture fixture;
        fixture.Tray = true;
        TFormQuorMain &window = fixture.Start();
        window.ApplyComfortSettings({true, 3, ColorScheme::Dark});
        window.ApplyComfortSettings({false, 2, ColorScheme::Dark});
        window.show();
        QVERIFY(fixture.CloseWithYes());
        QCOMPARE(fixture.ExitQuestions, 1);
        const MainSettings stored = MainSettings::Read(fixture.Files().SettingsFile);
        QCOMPARE(stored.Comfort.TextZoom, 2);
        QCOMPARE(stored.Comfort.Scheme, ColorScheme::Dark);
    }
};

QTEST_MAIN(TrayTest)
#include "TrayTest.moc"
