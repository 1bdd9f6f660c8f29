// SPDX-License-Identifier: MIT
#include "VrtText.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace {

constexpr qint64 MillisecondsPerDay = 86400000;

const std::array<const char *, 12> MonthNames = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

const std::array<const char *, 7> WeekdayNames = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                  "Friday", "Saturday", "Sunday"};

/// The locale's long time pattern with its time-zone fields removed.
QString LongTimePatternWithoutZone() {
    const QString pattern = QLocale::system().timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (QChar c : pattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        result += c;
    }
    return result.trimmed();
}

} // namespace

QDateTime DateTimeFromDays(double days) {
    const double whole = std::floor(days);
    qint64 milliseconds = std::llround((days - whole) * MillisecondsPerDay);
    qint64 dayNumber = static_cast<qint64>(whole);
    if (milliseconds >= MillisecondsPerDay) {
        milliseconds -= MillisecondsPerDay;
        ++dayNumber;
    }
    const QDate date = QDate(1899, 12, 30).addDays(dayNumber);
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(milliseconds));
    return QDateTime(date, time, Qt::UTC);
}

QString FormatVrtHourMinute(double days) {
    const QTime time = DateTimeFromDays(days).time();
    return QString::asprintf("%.2d:%.2d", time.hour(), time.minute());
}

QString FormatVrtDate(double days) {
    const QDate date = DateTimeFromDays(days).date();
    return QString::asprintf("%d %s %d %s ", date.year(), MonthNames[date.month() - 1], date.day(),
                             WeekdayNames[date.dayOfWeek() - 1]) +
           FormatVrtHourMinute(days);
}

QString FormatLogTimeStamp(double days) {
    static const QString pattern = LongTimePatternWithoutZone();
    return QLocale::system().toString(DateTimeFromDays(days).time(), pattern);
}
