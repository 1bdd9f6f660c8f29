// SPDX-License-Identifier: MIT
// TrayText: what the tray icon says: the connection state and the number of
// unread private texts, as its tooltip and as the badge on its icon.
#pragma once

#include <QString>

namespace hbquor::main {

enum class TrayState { Offline, Connecting, Online };

/// "HB Quor - online", with ", 3 unread texts" when there are any.
QString TrayTooltip(TrayState state, int unread);

/// The badge: empty for none, the number up to 99, "99+" beyond.
QString TrayBadge(int unread);

} // namespace hbquor::main
