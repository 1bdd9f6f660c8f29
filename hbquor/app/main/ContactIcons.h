// The 12 by 12 state icons of the contacts pane, drawn in code: 0 blank,
// 1 green tick, 2 red cross, 3 orange lightning flash (unused), 4 green
// double tick.
#pragma once

#include <QIcon>

#include <cstdint>

namespace hbquor {
enum class QuorUserStatus : std::uint8_t;
}

/// Side of every state icon in pixels.
inline constexpr int ContactIconSize = 12;

/// Item data role under which the contacts pane keeps an item's image number.
inline constexpr int ContactImageRole = Qt::UserRole + 1;

/// The icon with the given image number (0 to 4).
QIcon ContactStateIcon(int image);

/// The image number shown for a user status: 2 offline gives 0, 1 online
/// gives 1, 3 administrator gives 4, anything else (not registered, pending)
/// gives 2.
int ContactStateImage(hbquor::QuorUserStatus status);
