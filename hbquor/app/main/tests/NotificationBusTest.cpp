// SPDX-License-Identifier: MIT
// The program's notifications on a session bus of the test's own: a text
// that arrives while no window is active reaches the notification service
// with the program's name, the sender and the text, and a click on it
// brings up the main window.
#include "PrivateSessionBus.h"
#include "RecordingNotificationService.h"
#include "ScriptedLogOn.h"

#include <QTest>

class NotificationBusTest : public QObject {
    Q_OBJECT

private:
    PrivateSessionBus FBus;

private slots:
    void initTestCase() {
        const QString failure = FBus.Start();
        if (!failure.isEmpty())
            QSKIP(qPrintable(failure));
    }

    void aTextReachesTheServiceAndItsClickShowsTheWindow() {
        RecordingNotificationService service(
            FBus.Address(), {QStringLiteral("body-markup"), QStringLiteral("actions")});
        QVERIFY(service.IsRegistered());
        ScriptedLogOn logOn;
        logOn.Fixture.RecordNotifications = false;
        QVERIFY(logOn.Start());
        TFormQuorMain &window = *logOn.Window;

        logOn.Central->HandleText(logOn.Handle, "bob", "hello <there>");
        QTRY_COMPARE(service.Calls.size(), 1);
        const RecordingNotificationService::Call &call = service.Calls.first();
        QCOMPARE(call.AppName, QStringLiteral("HB Quor"));
        QCOMPARE(call.Icon, QStringLiteral("hbquor"));
        QCOMPARE(call.Summary, QStringLiteral("bob"));
        QCOMPARE(call.Body, QStringLiteral("hello &lt;there&gt;"));
        QCOMPARE(logOn.Fixture.UrgentWindows, QList<QWidget *>{&window});

        QVERIFY(!window.isVisible());
        QTest::qWait(100); // the service's answer reaches the program
        service.Click(1);
        QTRY_VERIFY(window.isVisible());
    }
};

QTEST_MAIN(NotificationBusTest)
#include "NotificationBusTest.moc"
