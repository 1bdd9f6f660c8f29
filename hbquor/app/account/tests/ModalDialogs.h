// SPDX-License-Identifier: MIT
// Lets a test act on a modal dialog while its exec() runs.
#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

namespace hbquor::account::testing {

// Runs `act` on the first modal dialog of type Dialog that opens within a
// second. `act` must close it (accept or reject).
template <class Dialog> void WhenModalOpens(std::function<void(Dialog &)> act, int tries = 100) {
    QTimer::singleShot(10, [act = std::move(act), tries] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            act(*dialog);
            return;
        }
        if (tries > 0)
            WhenModalOpens<Dialog>(act, tries - 1);
    });
}

} // namespace hbquor::account::testing
