// SPDX-License-Identifier: MIT
// Desktop notifications where the session bus address leads nowhere: the
// program goes on at once and says so in one log line.
#include "FreedesktopNotifier.h"
#include "RecordedWarnings.h"

#include <QTemporaryDir>
#include <QTest>

class NotifierWithoutBusTest : public QObject {
    Q_OBJECT

private slots:
    void nothingIsShownAndOneLineSaysWhy() {
        QTemporaryDir dir;
        qputenv("DBUS_SESSION_BUS_ADDRESS",
                QStringLiteral("unix:path=%1/no-bus").arg(dir.path()).toUtf8());
        RecordWarnings();
        FreedesktopNotifier notifier(QStringLiteral("HB Quor"), QStringLiteral("hbquor"));
        for (int i = 0; i < 3; ++i)
            notifier.Notify(
                {QStringLiteral("bob"), QStringLiteral("bob"), QStringLiteral("hi"), [] {}});
        QTest::qWait(100);
        qInstallMessageHandler(nullptr);
        QCOMPARE(RecordedWarnings.size(), 1);
        QVERIFY2(RecordedWarnings.first().startsWith(
                     QStringLiteral("hbquor: desktop notifications are not shown: no session bus")),
                 qPrintable(RecordedWarnings.first()));
    }
};

QTEST_GUILESS_MAIN(NotifierWithoutBusTest)
#include "NotifierWithoutBusTest.moc"
