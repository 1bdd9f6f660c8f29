// SPDX-License-Identifier: MIT
// Desktop notifications over a private session bus, against a recording
// notification service: what each call carries, markup escaped only for a
// service that reads it, clicks, a missing service, and a flood of texts
// from a few senders, which the service sees as one notification each,
// replaced in place, and one summary.
#include "FreedesktopNotifier.h"
#include "PrivateSessionBus.h"
#include "RecordedWarnings.h"
#include "RecordingNotificationService.h"

#include <QTest>

#include <memory>

namespace {

const QStringList MarkupAndActions{QStringLiteral("body"), QStringLiteral("body-markup"),
                                   QStringLiteral("actions")};

DesktopNotifier::Notification From(const QString &sender, const QString &body,
                                   DesktopNotifier::ClickAction onClick = {}) {
    return {sender, sender, body, std::move(onClick)};
}

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
        notifier.Notify(From(QStringLiteral("bob"), QStringLiteral("one")));
        QTRY_COMPARE(RecordedWarnings.size(), 1);
        notifier.Notify(From(QStringLiteral("bob"), QStringLiteral("two")));
        QTest::qWait(200);
        QCOMPARE(RecordedWarnings.size(), 1);
        QVERIFY(RecordedWarnings.first().startsWith(
            QStringLiteral("hbquor: desktop notifications are not shown: ")));

        const auto service = StartService(MarkupAndActions);
        QVERIFY(service);
        notifier.Notify(From(QStringLiteral("bob"), QStringLiteral("three")));
        QTRY_COMPARE(service->Calls.size(), 1);
        QCOMPARE(service->Calls.first().Body, QStringLiteral("three"));
    }

    void aCallCarriesTheTexts_data() {
        QTest::addColumn<QStringList>("capabilities");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("markup and actions")
            << MarkupAndActions << QStringLiteral("1 &lt; 2 &amp;&amp; &lt;b&gt;? no yes")
            << QStringList{QStringLiteral("default"), QStringLiteral("Show")};
        QTest::newRow("plain, no actions")
            << QStringList{QStringLiteral("body")} << QStringLiteral("1 < 2 && <b>? no yes")
            << QStringList();
    }

    void aCallCarriesTheTexts() {
        QFETCH(QStringList, capabilities);
        const auto service = StartService(capabilities);
        QVERIFY(service);
        FreedesktopNotifier notifier(QStringLiteral("HB Quor"), QStringLiteral("hbquor"));
        // What a server sent is never markup, and its line breaks and other
        // control characters become blanks; the summary is plain text to
        // the service.
        notifier.Notify({QStringLiteral("bob"), QStringLiteral("<a href=\"x\"><i>bob</i></a>\r\n"),
                         QStringLiteral("1 < 2 && <b>?\x01no\nyes"), [] {}});
        QTRY_COMPARE(service->Calls.size(), 1);
        const RecordingNotificationService::Call &call = service->Calls.first();
        QCOMPARE(call.AppName, QStringLiteral("HB Quor"));
        QCOMPARE(call.ReplacesId, 0u);
        QCOMPARE(call.Icon, QStringLiteral("hbquor"));
        QCOMPARE(call.Summary, QStringLiteral("<a href=\"x\"><i>bob</i></a>  "));
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
        notifier.Notify(From(QStringLiteral("bob"), QStringLiteral("hi"), [&clicks] { ++clicks; }));
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

    void aFloodFromThreeSendersShowsFourNotificationsAtTenCallsAMinute() {
        const auto service = StartService(MarkupAndActions);
        QVERIFY(service);
        qint64 now = 0;
        FreedesktopNotifier notifier(QStringLiteral("HB Quor"), QStringLiteral("hbquor"), nullptr,
                                     [&now] { return now; });
        const QStringList senders{QStringLiteral("bob"), QStringLiteral("carol"),
                                  QStringLiteral("dave")};
        QList<int> clicked;
        for (int i = 0; i < 30; ++i, now += 1000) {
            notifier.Notify(
                From(senders[i % 3], QString::number(i), [&clicked, i] { clicked << i; }));
            QTRY_COMPARE(service->Calls.size(), qMin(i + 1, 10));
            QTest::qWait(20); // the answer reaches the notifier before the next text
        }
        QCOMPARE(service->Calls.size(), 10);
        QCOMPARE(service->OpenIds.size(), 4);
        QCOMPARE(service->Calls[6].ReplacesId, 1u);

        now = 70000; // the minute of those calls is over
        notifier.Notify(From(QStringLiteral("bob"), QStringLiteral("later")));
        QTRY_COMPARE(service->Calls.size(), 12);
        QCOMPARE(service->Calls[11].Summary, QStringLiteral("21 more texts"));
        QCOMPARE(service->OpenIds.size(), 4);
        QTest::qWait(100);
        service->Click(4); // the summary: what the newest text in it would do
        QTRY_COMPARE(clicked, QList<int>{29});
    }
};

QTEST_GUILESS_MAIN(FreedesktopNotifierTest)
#include "FreedesktopNotifierTest.moc"
