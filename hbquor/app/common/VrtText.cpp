// SPDX-License-Identifier: MIT
#include "VrtText.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>

namespace {

constexpr qint64 MillisecondsPerDay = 86400000;

const std::array<const char *, 12> MonthNames = {
    QT_TRANSLATE_NOOP("VrtText", "January"),   QT_TRANSLATE_NOOP("VrtText", "February"),
    QT_TRANSLATE_NOOP("VrtText", "March"),     QT_TRANSLATE_NOOP("VrtText", "April"),
    QT_TRANSLATE_NOOP("VrtText", "May"),       QT_TRANSLATE_NOOP("VrtText", "June"),
    QT_TRANSLATE_NOOP("VrtText", "July"),      QT_TRANSLATE_NOOP("VrtText", "August"),
    QT_TRANSLATE_NOOP("VrtText", "September"), QT_TRANSLATE_NOOP("VrtText", "October"),
    QT_TRANSLATE_NOOP("VrtText", "November"),  QT_TRANSLATE_NOOP("VrtText", "December")};

const std::array<const char *, 7> WeekdayNames = {
    QT_TRANSLATE_NOOP("VrtText", "Monday"),    QT_TRANSLATE_NOOP("VrtText", "Tuesday"),
    QT_TRANSLATE_NOOP("VrtText", "Wednesday"), QT_TRANSLATE_NOOP("VrtText", "Thursday"),
    QT_TRANSLATE_NOOP("VrtText", "Friday"),    QT_TRANSLATE_NOOP("VrtText", "Saturday"),
    QT_TRANSLATE_NOOP("VrtText", "Sunday")};

/// "<year> <month> <day> <weekday> <hh:mm>", the names given by nameOf.
QString DateWords(double days, QString (*nameOf)(const char *)) {
    const QDate date = DateTimeFromDays(days).date();
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(QString::number(date.year()), nameOf(MonthNames[date.month() - 1]),
             QString::number(date.day()), nameOf(WeekdayNames[date.dayOfWeek() - 1]),
             FormatVrtHourMinute(days));
}

QString English(const char *name) {
    return QString::fromLatin1(name);
}

QString Translated(const char *name) {
    return QCoreApplication::translate("VrtText", name);
}

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
    return DateWords(days, English);
}

QString FormatShownVrtDate(double days) {
    return DateWords(days, Translated);
}

QString FormatLogTimeStamp(double days) {
    static const QString pattern = LongTimePatternWithoutZone();
    return QLocale::system().toString(DateTimeFromDays(days).time(), pattern);
}
