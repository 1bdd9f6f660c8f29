// SPDX-License-Identifier: MIT
// The 12 by 12 state icons of the contacts pane, drawn in code: 0 blank,
// 1 green tick, 2 red cross, 3 orange lightning flash (unused), 4 green
// double tick.
#pragma once

#include <QIcon>

/// Side of every state icon in pixels.
inline constexpr int ContactIconSize = 12;

/// Item data role under which the contacts pane keeps an item's image number.
inline constexpr int ContactImageRole = Qt::UserRole + 1;

/// The icon with the given image number (0 to 4).
QIcon ContactStateIcon(int image);
