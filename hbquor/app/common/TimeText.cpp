// SPDX-License-Identifier: MIT
#include "TimeText.h"

#include "VrtText.h"

#include <QDateTime>
#include <QLocale>

namespace {

constexpr double SecondsPerDay = 86400.0;
/// VRT is UTC minus two hours.
constexpr int VrtBehindUtcSeconds = 2 * 3600;

/// The instant a VRT value stands for, in local time.
QDateTime LocalInstant(double vrt) {
    const QDateTime utc = DateTimeFromDays(vrt).addSecs(VrtBehindUtcSeconds);
    return utc.toLocalTime();
}

} // namespace

TimeText::TimeText(int mode) : FMode(mode == Utc || mode == Local ? Mode(mode) : Vrt) {}

double TimeText::FromVrt(double vrt) const {
    switch (FMode) {
    case Utc:
        return vrt + VrtBehindUtcSeconds / SecondsPerDay;
    case Local:
        return vrt + (VrtBehindUtcSeconds + LocalInstant(vrt).offsetFromUtc()) / SecondsPerDay;
    default:
        return vrt;
    }
}

QString TimeText::ZoneName(double vrt) const {
    switch (FMode) {
    case Utc:
        return QStringLiteral("UTC");
    case Local:
        return LocalInstant(vrt).timeZoneAbbreviation();
    default:
        return QStringLiteral("VRT");
    }
}

QString TimeText::ClockName(double vrt) const {
    switch (FMode) {
    case Utc:
        return tr("Universal Time (UTC)");
    case Local:
        return tr("Local time (%1)").arg(ZoneName(vrt));
    default:
        return tr("Virtual Reality Time");
    }
}

QString TimeText::HourMinute(double vrt) const {
    return FormatVrtHourMinute(FromVrt(vrt));
}

QString TimeText::LongDate(double vrt) const {
    return FormatVrtDate(FromVrt(vrt));
}

QString TimeText::ShownLongDate(double vrt) const {
    return FormatShownVrtDate(FromVrt(vrt));
}

QString TimeText::TimeOfDay(double vrt) const {
    return FormatLogTimeStamp(FromVrt(vrt));
}

QString TimeText::DateAndTime(double vrt) const {
    const double shown = FromVrt(vrt);
    return QLocale::system().toString(DateTimeFromDays(shown).date(), QLocale::ShortFormat) +
           QLatin1Char(' ') + FormatLogTimeStamp(shown) + QLatin1Char(' ') + ZoneName(vrt);
}
