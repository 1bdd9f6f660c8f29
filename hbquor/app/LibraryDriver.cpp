#include "LibraryDriver.h"

#include "hbQuorPump.h"

#include <quor.h>

#include <QSocketNotifier>
#include <QtGlobal>

#include <exception>

LibraryDriver::LibraryDriver(QObject *parent) : QObject(parent) {
    const int fd = quor_getfd();
    if (fd < 0)
        return;
    FNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &LibraryDriver::Pump);
}

LibraryDriver::~LibraryDriver() = default;

void LibraryDriver::Pump() {
    FNotifier->setEnabled(false);
    try {
        hbquor::PumpPending(0);
    } catch (const std::exception &fault) {
        // A window handler failed inside a callback; the library itself is
        // intact, so the program goes on.
        qWarning("hbquor: event handler failed: %s", fault.what());
    }
    FNotifier->setEnabled(true);
}
