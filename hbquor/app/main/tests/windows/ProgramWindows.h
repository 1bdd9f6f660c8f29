// SPDX-License-Identifier: MIT
// The program's windows besides the main window, for tests that look at
// each of them: the small dialogs, the about box, the conversation and
// channel windows, the profile, the account request window in each of its
// modes, the settings dialog and the history search dialog. A case opens its
// window (the last two through the main window of a started fixture), hands
// it to the caller while it is open and closes it afterwards.
#pragma once

#include "MainWindowFixture.h"

#include <QWidget>

#include <functional>
#include <vector>

/// What the caller does with a window while it is open.
using WindowUse = std::function<void(QWidget &window)>;

struct WindowCase {
    const char *name;
    /// Opens the window, calls use with it and closes it again.
    std::function<void(MainWindowFixture &fixture, const WindowUse &use)> open;
};

/// Every case, in a fixed order.
const std::vector<WindowCase> &WindowCases();
