// Desktop notifications over a private session bus, against a recording
// notification service: what each call carries, markup escaped only for a
// service that reads it, clicks, a missing service, and a flood of
// notifications that are never closed.
#include "FreedesktopNotifier.h"
#include "PrivateSessionBus.h"
#include "RecordedWarnings.h"
#include "RecordingNotificationService.h"

#include <QTest>

#include <memory>

namespace {

const QStringList MarkupAndActions{QStringLiteral("body"), QStringLiteral("body-markup"),
                                   QStringLiteral("actions")};

} // namespace

class FreedesktopNotifierTest : public QObject {
    Q_OBJECT

private:
    PrivateSessionBus FBus;

    std::unique_ptr<RecordingNotificationService> StartService(const QStringList &capabilities) {
        auto service = std::make_unique<RecordingNotificationService>(FBus.Address(), capabilities);
        return service->IsRegistered() ? std::move(service) : nullptr;
    }

private slots:
    void initTestCase() {
        const QString failure = FBus.Start();
        if (!failure.isEmpty())
            QSKIP(qPrintable(failure));
        RecordWarnings();
    }

    void init() { RecordedWarnings.clear(); }

    void withoutAServiceOneLineThenLaterOnesGetThrough() {
        FreedesktopNotifier notifier(QStringLiteral("HB Quor"), QStringLiteral("hbquor"));
        notifier.Notify(QStringLiteral("bob"), QStringLiteral("one"), {});
        QTRY_COMPARE(RecordedWarnings.size(), 1);
        notifier.Notify(QStringLiteral("bob"), QStringLiteral("two"), {});
        QTest::qWait(200);
        QCOMPARE(RecordedWarnings.size(), 1);
        QVERIFY(RecordedWarnings.first().startsWith(
            QStringLiteral("hbquor: desktop notifications are not shown: ")));

        const auto service = StartService(MarkupAndActions);
        QVERIFY(service);
        notifier.Notify(QStringLiteral("bob"), QStringLiteral("three"), {});
        QTRY_COMPARE(service->Calls.size(), 1);
        QCOMPARE(service->Calls.first().Body, QStringLiteral("three"));
    }

    void aCallCarriesTheTexts_data() {
        QTest::addColumn<QStringList>("capabilities");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("markup and actions")
            << MarkupAndActions << QStringLiteral("1 &lt; 2 &amp;&amp; &lt;b&gt;? no\nyes")
            << QStringList{QStringLiteral("default"), QStringLiteral("Show")};
        QTest::newRow("plain, no actions")
            << QStringList{QStringLiteral("body")} << QStringLiteral("1 < 2 && <b>? no\nyes")
            << QStringList();
    }

    void aCallCarriesTheTexts() {
        QFETCH(QStringList, capabilities);
        const auto service = StartService(capabilities);
        QVERIFY(service);
        FreedesktopNotifier notifier(QStringLiteral("HB Quor"), QStringLiteral("hbquor"));
        // What a server sent is never markup, and its control characters
        // other than line breaks become blanks.
        notifier.Notify(QStringLiteral("<i>bob</i>"), QStringLiteral("1 < 2 && <b>?\x01no\nyes"),
                        [] {});
        QTRY_COMPARE(service->Calls.size(), 1);
        const RecordingNotificationService::Call &call = service->Calls.first();
        QCOMPARE(call.AppName, QStringLiteral("HB Quor"));
        QCOMPARE(call.ReplacesId, 0u);
        QCOMPARE(call.Icon, QStringLiteral("hbquor"));
        QCOMPARE(call.Summary, QStringLiteral("<i>bob</i>"));
        QTEST(call.Body, "body");
        QTEST(call.Actions, "actions");
        QCOMPARE(call.Hints.value(QStringLiteral("category")).toString(),
                 QStringLiteral("im.received"));
        QCOMPARE(call.Hints.value(QStringLiteral("desktop-entry")).toString(),
                 QStringLiteral("hbquor"));
        QCOMPARE(call.Timeout, -1);
        QVERIFY(RecordedWarnings.isEmpty());
    }

    void aClickRunsTheActionUntilTheNotificationCloses() {
        const auto service = StartService(MarkupAndActions);
        QVERIFY(service);
        FreedesktopNotifier notifier(QStringLiteral("HB Quor"), QStringLiteral("hbquor"));
        int clicks = 0;
        notifier.Notify(QStringLiteral("bob"), QStringLiteral("hi"), [&clicks] { ++clicks; });
        QTRY_COMPARE(service->Calls.size(), 1);
        QTest::qWait(100); // the answer with the id reaches the notifier
        service->Click(1, QStringLiteral("other"));
        service->Click(1);
        QTRY_COMPARE(clicks, 1);
        service->Close(1);
        service->Click(1);
        QTest::qWait(200);
        QCOMPARE(clicks, 1);
    }

    void notificationsNeverClosedKeepOnlyTheNewestActions() {
        const auto service = StartService(MarkupAndActions);
        QVERIFY(service);
        FreedesktopNotifier notifier(QStringLiteral("HB Quor"), QStringLiteral("hbquor"));
        const int sent = FreedesktopNotifier::MaxClickable + 10;
        QList<int> clicked;
        for (int i = 1; i <= sent; ++i)
            notifier.Notify(QStringLiteral("bob"), QString::number(i),
                            [&clicked, i] { clicked << i; });
        // Until the service has answered, the notifications wait, and only
        // the newest of them.
        QTRY_COMPARE(service->Calls.size(), FreedesktopNotifier::MaxWaiting);
        QCOMPARE(service->Calls.last().Body, QString::number(sent));
        for (int i = 1; i <= sent; ++i)
            notifier.Notify(QStringLiteral("carol"), QString::number(i),
                            [&clicked, i] { clicked << 1000 + i; });
        QTRY_COMPARE(service->Calls.size(), FreedesktopNotifier::MaxWaiting + sent);
        QTest::qWait(200);
        service->Click(FreedesktopNotifier::MaxWaiting + 1);    // carol's first: forgotten
        service->Click(FreedesktopNotifier::MaxWaiting + sent); // carol's last
        QTRY_COMPARE(clicked, QList<int>{1000 + sent});
    }
};

QTEST_GUILESS_MAIN(FreedesktopNotifierTest)
#include "FreedesktopNotifierTest.moc"
