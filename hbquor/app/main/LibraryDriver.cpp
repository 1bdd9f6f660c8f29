#include "LibraryDriver.h"

#include "hbQuorGuard.h"
#include "hbQuorPump.h"

#include <quor.h>

#include <QSocketNotifier>
#include <QtGlobal>

#include <exception>
#include <string>

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
    FNotifier->setEnabled(true);
}
