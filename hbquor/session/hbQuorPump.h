// Drives the library on this platform: it has no window messages, so its
// socket and timer work is delivered by quor_pump whenever the descriptor
// from quor_getfd is readable. A front end with its own event loop watches
// that descriptor and calls PumpPending; tests and simple programs wait
// with PumpUntil.
#pragma once

#include <functional>

namespace hbquor {

// Delivers what the library has ready (waiting up to timeoutMs for it),
// ends the account requests whose answer is overdue, and returns. A fault
// raised by an event handler inside a callback is kept from unwinding
// through the library and rethrown here.
void PumpPending(int timeoutMs = 0);
// Pumps until cond() holds or timeoutMs passes; returns cond().
bool PumpUntil(const std::function<bool()> &cond, int timeoutMs = 3000);
// Pumps for the given time.
void PumpFor(int ms);

} // namespace hbquor
