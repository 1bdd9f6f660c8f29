// SPDX-License-Identifier: MIT
// ComfortSettings: how the user likes the windows, kept in the settings
// file's section "Parameters": CloseToTray (closing the main window hides
// it to the tray), TextZoom (points added to the panes' text size) and
// ColorScheme (following the desktop, light or dark).
#pragma once

#include <QString>

class QuorSettings;

/// The looks' colours: as the desktop's palette says, or chosen.
enum class ColorScheme { FollowDesktop = 0, Light = 1, Dark = 2 };

struct ComfortSettings {
    /// TextZoom stays between these, in points.
    static constexpr int MinZoom = -4;
    static constexpr int MaxZoom = 16;

    /// CloseToTray: closing the main window hides it to the tray (where
    /// there is one) instead of asking to exit.
    bool CloseToTray = false;
    /// TextZoom: points added to the text of the log pane and the talk
    /// panes; values outside MinZoom..MaxZoom count as the nearest.
    int TextZoom = 0;
    /// ColorScheme: 0 follows the desktop, 1 light, 2 dark; other values
    /// act as 0.
    ColorScheme Scheme = ColorScheme::FollowDesktop;

    /// The keys of section in file; a missing key gives its default.
    static ComfortSettings Read(const QuorSettings &file, const QString &section);
    void Write(QuorSettings &file, const QString &section) const;
};
