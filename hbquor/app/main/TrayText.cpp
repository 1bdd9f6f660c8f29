// SPDX-License-Identifier: MIT
#include "TrayText.h"

#include <QCoreApplication>

namespace hbquor::main {

namespace {

/// The translation context of the tray's texts.
struct TrayText {
    Q_DECLARE_TR_FUNCTIONS(TrayText)
};

QString StateText(TrayState state) {
    switch (state) {
    case TrayState::Online:
        return TrayText::tr("online");
    case TrayState::Connecting:
        return TrayText::tr("connecting");
    case TrayState::Offline:
        break;
    }
    return TrayText::tr("offline");
}

} // namespace

QString TrayTooltip(TrayState state, int unread) {
    QString text = QStringLiteral("HB Quor - ") + StateText(state);
    if (unread == 1)
        text += TrayText::tr(", 1 unread text");
    else if (unread > 1)
        text += TrayText::tr(", %1 unread texts").arg(unread);
    return text;
}

QString TrayBadge(int unread) {
    if (unread <= 0)
        return {};
    return unread > 99 ? QStringLiteral("99+") : QString::number(unread);
}

} // namespace hbquor::main
