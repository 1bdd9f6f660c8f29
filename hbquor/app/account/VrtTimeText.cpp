#include "VrtTimeText.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace hbquor::account {

namespace {

constexpr double UnixEpochDay = 25569.0;
constexpr double MillisecondsPerDay = 86400000.0;

// The locale's long time format without its time-zone part: the value is a
// wall-clock reading in VRT, not an instant in the system's zone.
QString LongTimeFormatWithoutZone(const QLocale &locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        result += c;
    }
    return result.trimmed();
}

} // namespace

QString VrtTimeText(double dateTime) {
    const auto millis =
        static_cast<qint64>(std::llround((dateTime - UnixEpochDay) * MillisecondsPerDay));
    const QDateTime wallClock = QDateTime::fromMSecsSinceEpoch(millis, Qt::UTC);
    const QLocale locale = QLocale::system();
    return locale.toString(wallClock.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(wallClock.time(), LongTimeFormatWithoutZone(locale)) +
           QStringLiteral(" VRT");
}

} // namespace hbquor::account
