// SPDX-License-Identifier: MIT
// LibraryDriver: runs the protocol library inside Qt's event loop. The Qt
// event-loop adapter watches the descriptor the session layer exposes and,
// whenever it is readable, runs the session layer's PumpPending, which
// delivers the library's callbacks (and so the session events) on the GUI
// thread. A fault an event handler throws, whatever it is, is logged and
// the program goes on.
#pragma once

#include <memory>

class QuorQtDriver;

namespace hbquor::client {

class LibraryDriver {
public:
    /// Starts watching; the session manager must have initialised the
    /// library. Watches nothing when the library has no descriptor.
    LibraryDriver();
    ~LibraryDriver();
    LibraryDriver(const LibraryDriver &) = delete;
    LibraryDriver &operator=(const LibraryDriver &) = delete;

    /// The pump step: delivers the library's pending work and logs any
    /// fault of a window handler instead of letting it reach Qt.
    static void Pump();

private:
    std::unique_ptr<QuorQtDriver> FDriver;
};

} // namespace hbquor::client
