// How the account windows show a time: the system locale's short date and
// long time of a date-time value (days since 30 December 1899), then " VRT".
#pragma once

#include <QString>

namespace hbquor::account {

// The value is shown as it stands; it is already in VRT.
QString VrtTimeText(double dateTime);

} // namespace hbquor::account
