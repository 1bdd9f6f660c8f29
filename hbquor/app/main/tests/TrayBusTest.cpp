// SPDX-License-Identifier: MIT
// The tray icon as a desktop sees it: under Xvfb, with a private session
// bus and a tray watcher of the test's own (in a thread of its own, as a
// desktop's would be another program), the program registers its item,
// the item's tooltip gives the unread count, and Activate shows the window.
// Skipped (exit 77) when Xvfb or the bus cannot start.
#include "ChatClient.h"
#include "MainWindowFixture.h"
#include "PrivateSessionBus.h"
#include "UnitQuorMain.h"
#include "UnreadCounts.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QMutex>
#include <QProcess>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

/// The watcher's side: takes the items' registrations and says a host is
/// there.
class TrayWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ HostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ Items)

public:
    bool HostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }
    QStringList Items() const {
        const QMutexLocker lock(&FMutex);
        return FItems;
    }

public slots:
    void RegisterStatusNotifierItem(const QString &service) {
        const QMutexLocker lock(&FMutex);
        FItems << service;
    }
    void RegisterStatusNotifierHost(const QString &) {}

private:
    mutable QMutex FMutex;
    QStringList FItems;
};

/// Runs the watcher on its own connection in its own thread.
class WatcherThread : public QThread {
public:
    explicit WatcherThread(QString address) : FAddress(std::move(address)) {}
    TrayWatcher *Watcher = nullptr;
    bool Registered = false;
    QSemaphore Ready;

protected:
    void run() override {
        TrayWatcher watcher;
        {
            QDBusConnection bus =
                QDBusConnection::connectToBus(FAddress, QStringLiteral("watcher"));
            Registered = bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                                            QDBusConnection::ExportAllContents) &&
                         bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
        }
        Watcher = &watcher;
        Ready.release();
        exec();
        QDBusConnection::disconnectFromBus(QStringLiteral("watcher"));
        Watcher = nullptr;
    }

private:
    QString FAddress;
};

/// Xvfb on a display it picks itself; DISPLAY points at it once started.
class VirtualDisplay {
public:
    ~VirtualDisplay() {
        FServer.terminate();
        FServer.waitForFinished(5000);
    }
    QString Start() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return QStringLiteral("Xvfb is not installed");
        FServer.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                             QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                             QStringLiteral("-screen"), QStringLiteral("0"),
                             QStringLiteral("1024x768x24")});
        if (!FServer.waitForStarted(5000))
            return QStringLiteral("Xvfb does not start");
        QByteArray number;
        while (!number.endsWith('\n') && FServer.waitForReadyRead(10000))
            number += FServer.readAllStandardOutput();
        if (number.trimmed().isEmpty())
            return QStringLiteral("Xvfb names no display");
        qputenv("DISPLAY", ":" + number.trimmed());
        return {};
    }

private:
    QProcess FServer;
};

/// The text of a tray item's tooltip: (icon name, icons, title, text).
QString ToolTipText(const QDBusVariant &value) {
    const QDBusArgument argument = value.variant().value<QDBusArgument>();
    QString iconName, title, text;
    argument.beginStructure();
    argument >> iconName;
    argument.beginArray();
    while (!argument.atEnd()) {
        int width = 0, height = 0;
        QByteArray pixels;
        argument.beginStructure();
        argument >> width >> height >> pixels;
        argument.endStructure();
    }
    argument.endArray();
    argument >> title >> text;
    argument.endStructure();
    return title + u'|' + text;
}

std::unique_ptr<WatcherThread> TheWatcher;
QString BusAddress;

} // namespace

class TrayBusTest : public QObject {
    Q_OBJECT

private:
    QDBusConnection Bus() const {
        return QDBusConnection::connectToBus(BusAddress, QStringLiteral("test"));
    }

    template <class Reply> static bool Wait(const Reply &reply) {
        return QTest::qWaitFor([&] { return reply.isFinished(); }, 10000) && !reply.isError();
    }

private slots:
    void itemShowsUnreadAndActivateShowsTheWindow() {
        MainWindowFixture fixture;
        fixture.Tray = true;
        TFormQuorMain &window = fixture.Start();
        QTRY_COMPARE_WITH_TIMEOUT(TheWatcher->Watcher->Items().size(), 1, 10000);
        const QString item = TheWatcher->Watcher->Items().first();

        for (const char *from : {"carol", "bob"})
            fixture.Client().Unread().Received(from, hbquor::client::UnreadCounts::Kind::Private);
        const auto property = [&](const QString &name) {
            QDBusMessage get = QDBusMessage::createMethodCall(
                item, QStringLiteral("/StatusNotifierItem"),
                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
            get << QStringLiteral("org.kde.StatusNotifierItem") << name;
            return QDBusPendingReply<QDBusVariant>(Bus().asyncCall(get));
        };
        QString tooltip;
        QVERIFY(QTest::qWaitFor(
            [&] {
                const auto reply = property(QStringLiteral("ToolTip"));
                if (!Wait(reply))
                    return false;
                tooltip = ToolTipText(reply.value());
                return tooltip.contains(QStringLiteral("2 unread texts"));
            },
            10000));

        QVERIFY(!window.isVisible());
        QDBusMessage activate = QDBusMessage::createMethodCall(
            item, QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"));
        activate << 0 << 0;
        QVERIFY(Wait(QDBusPendingReply<>(Bus().asyncCall(activate))));
        QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 10000);
        fixture.Destroy();
    }
};

int main(int argc, char **argv) {
    VirtualDisplay display;
    PrivateSessionBus bus;
    for (const QString &failure : {display.Start(), bus.Start()}) {
        if (!failure.isEmpty()) {
            std::printf("SKIP: %s\n", qPrintable(failure));
            return 77;
        }
    }
    BusAddress = bus.Address();
    qputenv("QT_QPA_PLATFORM", "xcb");
    TheWatcher = std::make_unique<WatcherThread>(BusAddress);
    TheWatcher->start();
    TheWatcher->Ready.acquire();
    if (!TheWatcher->Registered) {
        std::printf("SKIP: the tray watcher cannot own its name on the bus\n");
        return 77;
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        TrayBusTest test;
        result = QTest::qExec(&test, argc, argv);
    }
    TheWatcher->quit();
    TheWatcher->wait();
    return result;
}

#include "TrayBusTest.moc"
