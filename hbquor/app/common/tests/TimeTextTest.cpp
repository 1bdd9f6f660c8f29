// SPDX-License-Identifier: MIT
// Times in the base the user chose, for moments given in VRT. Runs in the
// zone Europe/Berlin with a German locale (set by the test's environment),
// so that local times, zone names and the short date have a known form.
#include "TimeText.h"

#include <QTest>

namespace {

/// A VRT date-time value for a calendar date and time of day.
double Vrt(int year, int month, int day, int hour, int minute, int second = 0) {
    return QDate(1899, 12, 30).daysTo(QDate(year, month, day)) +
           (hour * 3600 + minute * 60 + second) / 86400.0;
}

} // namespace

class TimeTextTest : public QObject {
    Q_OBJECT

private slots:
    void eachBaseShowsItsWallClockAndName_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("vrt");
        QTest::addColumn<QString>("hourMinute");
        QTest::addColumn<QString>("longDate");
        QTest::addColumn<QString>("zone");
        const double winter = Vrt(2004, 3, 5, 9, 7, 30);
        const double summer = Vrt(2004, 7, 5, 9, 7, 30);
        const double lateEvening = Vrt(2004, 3, 5, 23, 30);
        QTest::newRow("VRT") << 0 << winter << "09:07"
                             << "2004 March 5 Friday 09:07"
                             << "VRT";
        QTest::newRow("UTC") << 1 << winter << "11:07"
                             << "2004 March 5 Friday 11:07"
                             << "UTC";
        QTest::newRow("UTC past midnight") << 1 << lateEvening << "01:30"
                                           << "2004 March 6 Saturday 01:30"
                                           << "UTC";
        QTest::newRow("local winter") << 2 << winter << "12:07"
                                      << "2004 March 5 Friday 12:07"
                                      << "CET";
        QTest::newRow("local summer") << 2 << summer << "13:07"
                                      << "2004 July 5 Monday 13:07"
                                      << "CEST";
        QTest::newRow("unknown mode acts as VRT") << 7 << winter << "09:07"
                                                  << "2004 March 5 Friday 09:07"
                                                  << "VRT";
    }

    void eachBaseShowsItsWallClockAndName() {
        QFETCH(int, mode);
        QFETCH(double, vrt);
        const TimeText times(mode);
        QTEST(times.HourMinute(vrt), "hourMinute");
        QTEST(times.LongDate(vrt), "longDate");
        QTEST(times.ZoneName(vrt), "zone");
    }

    void clockNamesAndTheProfileForm() {
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
        const double summer = Vrt(2004, 7, 5, 9, 7, 30);
        QCOMPARE(TimeText(0).ClockName(summer), QStringLiteral("Virtual Reality Time"));
        QCOMPARE(TimeText(1).ClockName(summer), QStringLiteral("Universal Time (UTC)"));
        QCOMPARE(TimeText(2).ClockName(summer), QStringLiteral("Local time (CEST)"));
        QCOMPARE(TimeText(0).DateAndTime(Vrt(1970, 1, 1, 12, 0, 5)),
                 QStringLiteral("01.01.70 12:00:05 VRT"));
        QCOMPARE(TimeText(1).DateAndTime(Vrt(1999, 12, 31, 23, 0)),
                 QStringLiteral("01.01.00 01:00:00 UTC"));
        QCOMPARE(TimeText(2).DateAndTime(summer), QStringLiteral("05.07.04 13:07:30 CEST"));
        QCOMPARE(TimeText(2).TimeOfDay(summer), QStringLiteral("13:07:30"));
    }
};

QTEST_GUILESS_MAIN(TimeTextTest)
#include "TimeTextTest.moc"
