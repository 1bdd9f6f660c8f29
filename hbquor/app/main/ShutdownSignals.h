// SPDX-License-Identifier: MIT
// ShutdownSignals: turns the signals that end a desktop program from
// outside (SIGTERM at logout, SIGINT from a terminal, SIGHUP when the
// terminal goes away) into a Qt signal in the event loop, so the program
// can save what it would save when the user closes it.
//
// The signal handler only writes the signal's number into a socket pair,
// which is safe inside a handler; a socket notifier reads it on the GUI
// thread. One instance at a time owns the handlers.
#pragma once

#include <QObject>

class QSocketNotifier;

class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    /// Installs the handlers; until the event loop runs, a signal waits in
    /// the socket pair.
    explicit ShutdownSignals(QObject *parent = nullptr);
    /// Restores the default handlers.
    ~ShutdownSignals() override;

    /// Whether the handlers are installed (false when the socket pair or a
    /// handler could not be set up; the signals then end the program as
    /// before).
    bool IsWatching() const { return FNotifier != nullptr; }

signals:
    /// One of the signals arrived; signalNumber says which.
    void Received(int signalNumber);

private slots:
    void ReadSignal();

private:
    QSocketNotifier *FNotifier = nullptr;
};
