#include "VrtTimeText.h"

#include "VrtText.h"

#include <QLocale>

namespace hbquor::account {

QString VrtTimeText(double dateTime) {
    return QLocale::system().toString(DateTimeFromDays(dateTime).date(), QLocale::ShortFormat) +
           QLatin1Char(' ') + FormatLogTimeStamp(dateTime) + QStringLiteral(" VRT");
}

} // namespace hbquor::account
