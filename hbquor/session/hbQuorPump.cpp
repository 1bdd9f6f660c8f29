// SPDX-License-Identifier: MIT
#include "hbQuorPump.h"

#include "hbQuorApi.h"
#include "hbQuorClb.h"

namespace hbquor {

void SetServer(const std::string &host, int port) {
    quor_setserver(host.c_str(), port);
}

int LibraryDescriptor() {
    return quor_getfd();
}

void PumpPending(int timeoutMs) {
    quor_pump(timeoutMs);
    // The library's one-second timer wakes the pump, so overdue account
    // requests end within a second of their time-out.
    if (ThbQuorCallbackReceiver *central = RegisteredCentral())
        central->ExpireAccountRequests();
    RethrowCallbackFault();
}

} // namespace hbquor
