// SPDX-License-Identifier: MIT
#include "LibraryDriver.h"

#include "hbQuorGuard.h"
#include "hbQuorPump.h"

#include <quor/adapters/qt.h>

#include <QtGlobal>

#include <exception>
#include <string>

namespace hbquor::client {

LibraryDriver::LibraryDriver() : FDriver(std::make_unique<QuorQtDriver>(&LibraryDriver::Pump)) {}

LibraryDriver::~LibraryDriver() = default;

void LibraryDriver::Pump() {
    // A window handler failed inside a callback; the library itself is
    // intact, so the program goes on, whatever was thrown.
    std::string fault;
    try {
        hbquor::PumpPending(0);
    } catch (const std::exception &exception) {
        fault = hbquor::FaultText(exception);
    } catch (...) {
        fault = hbquor::UnknownFaultText();
    }
    if (!fault.empty())
        qWarning("hbquor: event handler failed: %s", fault.c_str());
}

} // namespace hbquor::client
