// SPDX-License-Identifier: MIT
// The table of the caller's callbacks, read at the moment an event is
// raised, so a change takes effect for the next event.
#pragma once

#include "quor.h"

namespace quor {

QUORCALLBACK CallbackAt(int slot);
void SetCallbackAt(int slot, QUORCALLBACK fn);

// Calls the function in the slot, if any, with the given arguments.
template <typename Fn, typename... Args> void RaiseCallback(int slot, Args... args) {
    if (QUORCALLBACK fn = CallbackAt(slot)) {
        reinterpret_cast<Fn>(fn)(args...);
    }
}

} // namespace quor
