// SPDX-License-Identifier: MIT
// WindowSizeSettings: the window sizes the program remembers from one run to
// the next, in the settings file's section "Parameters":
// - wndMainWidth, wndMainHeight: the main window's normal size (its inside,
//   without the window manager's frame), kept while it is maximised;
// - wndMainMaximized: 1 when the main window was maximised at close;
// - wndChatWidth, wndChatHeight: the size of new conversation windows;
// - wndChannelWidth, wndChannelHeight: the size of new channel windows.
// A missing, negative or non-numeric value reads as 0, which each window
// raises to its starting size; the windows also raise any smaller value.
#pragma once

#include <QSize>
#include <QString>

class QuorSettings;

struct WindowSizeSettings {
    QSize Main{0, 0};
    bool MainMaximized = false;
    QSize Chat{0, 0};
    QSize Channel{0, 0};

    static WindowSizeSettings Read(const QuorSettings &file, const QString &section);
    /// Writes the sizes; a size with a side of 0 (not known) is left out.
    void Write(QuorSettings &file, const QString &section) const;
};
