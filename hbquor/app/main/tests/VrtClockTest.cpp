// SPDX-License-Identifier: MIT
// The clock on its own panel: the caption and hint it shows for a time, and
// the session layer's clock when no time source is given.
#include "VrtClock.h"

#include "hbQuorTime.h"

#include <QLabel>
#include <QTest>

#include <cmath>

class VrtClockTest : public QObject {
    Q_OBJECT

private slots:
    void captionAndHintFollowTheTimeAcrossMidnight() {
        QLabel panel(QStringLiteral("VRT..."));
        double now = 38051.0 + (23 * 3600 + 59 * 60 + 59) / 86400.0; // 2004-03-05 23:59:59
        VrtClock clock(&panel, [&now] { return now; });
        clock.Tick();
        QCOMPARE(panel.text(), QStringLiteral("23:59"));
        QCOMPARE(panel.toolTip(),
                 QStringLiteral("Virtual Reality Time:\n2004 March 5 Friday 23:59"));
        now += 1.0 / 86400;
        clock.Tick();
        QCOMPARE(panel.text(), QStringLiteral("00:00"));
        QCOMPARE(panel.toolTip(),
                 QStringLiteral("Virtual Reality Time:\n2004 March 6 Saturday 00:00"));
        QCOMPARE(clock.Now(), now);
    }

    void withoutASourceItTellsTheSessionLayersTime() {
        QLabel panel;
        const VrtClock clock(&panel);
        const double before = hbquor::VrtNow();
        const double told = clock.Now();
        QVERIFY(told >= before);
        QVERIFY(std::abs(told - hbquor::VrtNow()) < 1.0 / 86400);
    }
};

QTEST_MAIN(VrtClockTest)
#include "VrtClockTest.moc"
