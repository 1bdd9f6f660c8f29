// LibraryDriver: runs the protocol library inside Qt's event loop. The
// library's descriptor (quor_getfd) becomes readable whenever it has socket
// or timer work; a socket notifier then calls quor_pump, which delivers the
// library's callbacks (and so the session events) on the GUI thread.
#pragma once

#include <QObject>

class QSocketNotifier;

class LibraryDriver : public QObject {
    Q_OBJECT
public:
    /// Starts watching the library's descriptor; the library must be
    /// initialised. Does nothing when the library has no descriptor.
    explicit LibraryDriver(QObject *parent = nullptr);
    ~LibraryDriver() override;

    bool IsWatching() const { return FNotifier != nullptr; }

private slots:
    /// Delivers the library's pending work with the notifier switched off,
    /// so a callback that runs a nested event loop cannot re-enter the pump.
    void Pump();

private:
    QSocketNotifier *FNotifier = nullptr;
};
