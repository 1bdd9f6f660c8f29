// SPDX-License-Identifier: MIT
// A callback in each of the library's 24 slots for the fuzz targets. Every
// callback reads each string it is given to its end, so AddressSanitizer
// sees any read past a buffer, and checks the promises of the callback
// interface: non-null strings (but for the list end markers), names of at
// most 31 characters from the record header, data strings that fit the data
// area, byte values 0 to 255, and result codes that have texts.
#pragma once

#include "quor.h"

#include <cstdint>

namespace quor::fuzz {

// What a callback reports to the target after its checks.
struct CallbackEvent {
    QUORHANDLE handle = nullptr;
    int slot = 0;
    // A user the event came from (sender, inviter), or null.
    const char *peer = nullptr;
    // A channel the event names, or null.
    const char *channel = nullptr;
    // The outcome reported on slots 0, 15 and 16 (0: success), else 0.
    int result = 0;
};

using CallbackObserver = void (*)(const CallbackEvent &event);

// Registers the checked callbacks, each of which then calls observer, in
// all 24 slots but those whose bit (1 << slot) is set in emptySlots: those
// are cleared. Needs an initialised library.
void RegisterCheckedCallbacks(CallbackObserver observer, std::uint32_t emptySlots = 0);

} // namespace quor::fuzz
