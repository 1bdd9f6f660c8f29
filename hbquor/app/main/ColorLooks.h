// SPDX-License-Identifier: MIT
// ColorLooks: the program's light or dark looks. With ColorScheme following
// the desktop, a dark desktop palette (a dark window colour) gives the dark
// looks; the user may choose either instead, and the program's palette is
// then the chosen one. The light looks are the program's own: panes in pale
// yellow while disconnected, pale cyan while connecting and white once
// connected. The dark looks tint the palette's base colour the same way.
#pragma once

#include "ComfortSettings.h"

#include <QColor>
#include <QPalette>

namespace hbquor::main {

/// The colours of the log pane and the contacts list by connection state.
struct PaneColours {
    QColor Disconnected;
    QColor Connecting;
    QColor Connected;
    /// The lightest of the three, where light text is hardest to read.
    QColor Lightest() const;
};

/// Whether the palette is a dark one: its window colour is dark.
bool IsDarkPalette(const QPalette &palette);

/// Whether the looks are dark on a desktop with this palette.
bool UsesDarkLooks(ColorScheme scheme, const QPalette &desktop);

/// A dark palette for a desktop that has none.
QPalette DarkPalette();

/// Gives the program the palette of the chosen scheme (the desktop's when
/// it follows the desktop or agrees with it); true for the dark looks.
bool ApplyColorScheme(ColorScheme scheme);

/// The panes' colours in the looks, dark ones from palette's base.
PaneColours PaneColoursFor(bool dark, const QPalette &palette);

} // namespace hbquor::main
