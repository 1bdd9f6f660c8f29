// SPDX-License-Identifier: MIT
// Text forms of date-time values (days since 30 December 1899, the fraction
// being the time of day), as the main window shows VRT times.
#pragma once

#include <QDateTime>
#include <QString>

/// The date-time value as a calendar date and time (no time zone applied),
/// rounded to the millisecond.
QDateTime DateTimeFromDays(double days);

/// Hour and minute, two digits each: "09:07".
QString FormatVrtHourMinute(double days);

/// Year, English month name, day, English weekday name and hour:minute:
/// "2004 March 5 Friday 09:07".
QString FormatVrtDate(double days);
/// The same with the month and weekday names in the user's language, for
/// what the window shows (files keep the English form).
QString FormatShownVrtDate(double days);

/// Time of day in the locale's long time format without a time-zone name,
/// for example "14:05:09"; the time stamp of log lines.
QString FormatLogTimeStamp(double days);
