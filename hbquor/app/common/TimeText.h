// SPDX-License-Identifier: MIT
// TimeText: how the program writes a moment for the user, in the time base
// the user chose (the setting TimeMode): the service's reference time VRT
// (UTC minus two hours), UTC, or the local time of the computer's zone.
//
// Every moment reaches the windows as a VRT date-time value (days since
// 30 December 1899), the form the clock and the session layer give. It is
// converted here at its own instant, so a local time carries the offset and
// the zone name in force at that moment (a winter date read in summer shows
// winter time and its name).
#pragma once

#include <QCoreApplication>
#include <QString>

class TimeText {
    Q_DECLARE_TR_FUNCTIONS(TimeText)

public:
    enum Mode { Vrt = 0, Utc = 1, Local = 2 };

    /// Any mode other than Utc and Local acts as Vrt.
    explicit TimeText(int mode = Vrt);

    Mode GetMode() const { return FMode; }

    /// The VRT value as a date-time value of this base's wall clock.
    double FromVrt(double vrt) const;
    /// The name written after a time: "VRT", "UTC" or the local zone's
    /// abbreviation at that moment ("CET", "CEST").
    QString ZoneName(double vrt) const;
    /// What the clock's hint calls the base: "Virtual Reality Time",
    /// "Universal Time (UTC)" or "Local time (<zone>)".
    QString ClockName(double vrt) const;

    /// Hour and minute: "09:07".
    QString HourMinute(double vrt) const;
    /// The long date: "2004 March 5 Friday 09:07".
    QString LongDate(double vrt) const;
    /// The same in the user's language, as the window shows it.
    QString ShownLongDate(double vrt) const;
    /// The time of day as log lines stamp it: "09:07:30" in the locale's
    /// long time format.
    QString TimeOfDay(double vrt) const;
    /// The locale's short date, its long time and the zone name, as the
    /// profile window shows times: "05.03.04 09:07:30 VRT".
    QString DateAndTime(double vrt) const;

private:
    Mode FMode;
};
