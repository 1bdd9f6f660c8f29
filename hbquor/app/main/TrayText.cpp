// SPDX-License-Identifier: MIT
#include "TrayText.h"

namespace hbquor::main {

namespace {

QString StateText(TrayState state) {
    switch (state) {
    case TrayState::Online:
        return QStringLiteral("online");
    case TrayState::Connecting:
        return QStringLiteral("connecting");
    case TrayState::Offline:
        break;
    }
    return QStringLiteral("offline");
}

} // namespace

QString TrayTooltip(TrayState state, int unread) {
    QString text = QStringLiteral("HB Quor - ") + StateText(state);
    if (unread == 1)
        text += QStringLiteral(", 1 unread text");
    else if (unread > 1)
        text += QStringLiteral(", %1 unread texts").arg(unread);
    return text;
}

QString TrayBadge(int unread) {
    if (unread <= 0)
        return {};
    return unread > 99 ? QStringLiteral("99+") : QString::number(unread);
}

} // namespace hbquor::main
