// SPDX-License-Identifier: MIT
#include "AccountText.h"

namespace hbquor::account {

QString ShownText(const QString &text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace hbquor::account
