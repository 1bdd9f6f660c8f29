// SPDX-License-Identifier: MIT
// Floods against the notification limits, beyond what the notification
// service test shows: answers that lag behind a sender's texts, and more
// senders at once than the queue keeps.
#include "NotificationQueue.h"

#include <QTest>

namespace {

DesktopNotifier::Notification From(const QString &sender, int text) {
    return {sender, sender, QString::number(text), {}};
}

} // namespace

class NotificationQueueTest : public QObject {
    Q_OBJECT

private slots:
    void aSenderWaitingForHisIdGetsOneCallForHisNewest() {
        NotificationQueue queue;
        queue.Add(From(QStringLiteral("bob"), 0));
        const QList<NotificationQueue::Call> first = queue.Due(0);
        for (int i = 1; i < 5; ++i)
            queue.Add(From(QStringLiteral("bob"), i));
        QCOMPARE(first.size(), 1);
        QVERIFY(queue.Due(0).isEmpty());
        queue.Answered(first.first().Ticket, 7);
        const QList<NotificationQueue::Call> second = queue.Due(0);
        QCOMPARE(second.size(), 1);
        QCOMPARE(second.first().ReplacesId, 7u);
        QCOMPARE(second.first().Body, QStringLiteral("4"));
    }

    void aHundredSendersAtOnceAreCountedAndTheCountCatchesUpAfterTheMinute() {
        NotificationQueue queue;
        for (int i = 0; i < 100; ++i)
            queue.Add(From(QString::number(i), i));
        const QList<NotificationQueue::Call> calls = queue.Due(0);
        QCOMPARE(calls.size(), NotificationQueue::MaxPerMinute);
        QCOMPARE(calls.last().Summary, QStringLiteral("91 more texts"));
        for (uint id = 1; id <= 10; ++id)
            queue.Answered(calls[id - 1].Ticket, id);

        queue.Add(From(QStringLiteral("late"), 100));
        QVERIFY(queue.Due(59999).isEmpty());
        QCOMPARE(queue.NextDue(), std::optional<qint64>(60000));
        const QList<NotificationQueue::Call> update = queue.Due(60000);
        QCOMPARE(update.size(), 1);
        QCOMPARE(update.first().Summary, QStringLiteral("92 more texts"));
        QCOMPARE(update.first().ReplacesId, 10u);
    }
};

QTEST_GUILESS_MAIN(NotificationQueueTest)
#include "NotificationQueueTest.moc"
