// SPDX-License-Identifier: MIT
// How the account windows show their message boxes. The hook lets the
// program show real boxes (the program's ShowMessageBox) while tests
// record the texts instead.
#pragma once

#include "MessageBoxes.h"

#include <QString>

#include <functional>

class QWidget;

namespace hbquor::account {

// Shows one message to the user and returns when it has been read. The
// text uses "\r" for line breaks.
using MessageHook = std::function<void(QWidget *parent, const QString &text)>;

// Runs the hook once control is back in the event loop, so that a message
// raised inside a library callback never blocks the library; then runs
// `after` (if set). Nothing happens when `context` is destroyed first.
void PostMessage(QWidget *context, const MessageHook &hook, const QString &text,
                 std::function<void()> after = {});

} // namespace hbquor::account
