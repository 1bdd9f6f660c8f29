// SPDX-License-Identifier: MIT
#include "ShutdownSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> WatchedSignals{SIGTERM, SIGINT, SIGHUP};

// [0] is written by the handler, [1] read by the notifier.
int gSignalPipe[2] = {-1, -1};

extern "C" void WriteSignalNumber(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // Nothing useful can be done about a full or broken pipe here.
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[0], &byte, 1);
    errno = savedErrno;
}

void SetHandler(int signalNumber, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
}

void ClosePipe() {
    for (int &fd : gSignalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject *parent) : QObject(parent) {
    if (gSignalPipe[0] >= 0)
        return; // another instance owns the handlers
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0)
        return;
    // The handler must never block on a full socket.
    ::fcntl(gSignalPipe[0], F_SETFL, ::fcntl(gSignalPipe[0], F_GETFL) | O_NONBLOCK);
    FNotifier = new QSocketNotifier(gSignalPipe[1], QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &ShutdownSignals::ReadSignal);
    for (int signalNumber : WatchedSignals)
        SetHandler(signalNumber, &WriteSignalNumber);
}

ShutdownSignals::~ShutdownSignals() {
    if (!FNotifier)
        return;
    for (int signalNumber : WatchedSignals)
        SetHandler(signalNumber, SIG_DFL);
    delete FNotifier;
    ClosePipe();
}

void ShutdownSignals::ReadSignal() {
    unsigned char byte = 0;
    if (::read(gSignalPipe[1], &byte, 1) == 1)
        emit Received(byte);
}
