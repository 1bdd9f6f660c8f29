// Desktop notifications where the session bus address leads nowhere: the
// program goes on at once and says so in one log line.
#include "FreedesktopNotifier.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Warnings;

void RecordWarnings(QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (type == QtWarningMsg)
        Warnings << text;
}

} // namespace

class NotifierWithoutBusTest : public QObject {
    Q_OBJECT

private slots:
    void nothingIsShownAndOneLineSaysWhy() {
        QTemporaryDir dir;
        qputenv("DBUS_SESSION_BUS_ADDRESS",
                QStringLiteral("unix:path=%1/no-bus").arg(dir.path()).toUtf8());
        qInstallMessageHandler(RecordWarnings);
        FreedesktopNotifier notifier(QStringLiteral("HB Quor"), QStringLiteral("hbquor"));
        for (int i = 0; i < 3; ++i)
            notifier.Notify(QStringLiteral("bob"), QStringLiteral("hi"), [] {});
        QTest::qWait(100);
        qInstallMessageHandler(nullptr);
        QCOMPARE(Warnings.size(), 1);
        QVERIFY2(Warnings.first().startsWith(
                     QStringLiteral("hbquor: desktop notifications are not shown: no session bus")),
                 qPrintable(Warnings.first()));
    }
};

QTEST_GUILESS_MAIN(NotifierWithoutBusTest)
#include "NotifierWithoutBusTest.moc"
