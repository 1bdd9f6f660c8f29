// SPDX-License-Identifier: MIT
// The library on this platform, as the front end sees it: which server it
// reaches, and how its work is delivered. There are no window messages, so
// the library's socket and timer work is delivered by PumpPending whenever
// LibraryDescriptor is readable; a front end with its own event loop
// watches that descriptor and calls PumpPending.
#pragma once

#include <string>

namespace hbquor {

// Points the library's later connections at host and port; an empty host
// or a port of 0 or less means the library's default.
void SetServer(const std::string &host, int port);

// The descriptor that is readable whenever the library has work: valid
// from the session manager's Init until the library ends; -1 otherwise.
int LibraryDescriptor();

// Delivers what the library has ready (waiting up to timeoutMs for it),
// ends the account requests whose answer is overdue, and returns. A fault
// raised by an event handler inside a callback is kept from unwinding
// through the library and rethrown here.
void PumpPending(int timeoutMs = 0);

} // namespace hbquor
