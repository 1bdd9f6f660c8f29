// SPDX-License-Identifier: MIT
// DialogHost: what the commands need to run their dialogs and tell the user
// something, without knowing the main window: the parent of the dialogs,
// how a dialog is placed and run (tests answer instead of showing it) and
// the general message box.
#pragma once

#include "MessageBoxes.h"

#include <functional>

class QDialog;
class QWidget;

namespace hbquor::main {

struct DialogHost {
    QWidget *Parent = nullptr;
    /// Places a window centred over the main window, kept on the screen.
    std::function<void(QWidget *window)> Center;
    /// Runs a modal dialog and returns its result.
    std::function<int(QDialog &dialog)> Exec;
    ShowMessageFunction ShowMessage;
};

} // namespace hbquor::main
