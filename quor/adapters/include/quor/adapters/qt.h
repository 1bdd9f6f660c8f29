/* SPDX-License-Identifier: MIT */
/**
 * \file qt.h
 * \brief Drives the library from a Qt event loop.
 */
#ifndef QUOR_ADAPTERS_QT_H
#define QUOR_ADAPTERS_QT_H

#include <quor.h>

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>

#include <functional>
#include <utility>

/**
 * Watches the library's descriptor with a QSocketNotifier and runs a pump
 * step whenever it is readable, on the thread that made the driver.
 *
 * The notifier is off while the step runs, so a callback that opens a modal
 * dialog (a nested event loop) does not pump the library again from inside
 * itself. Destroy the driver, or call stop(), before quor_term(); a step
 * that terminates the library stops the driver itself.
 *
 * Needs no moc: the class declares no signals or slots of its own.
 */
class QuorQtDriver : public QObject {
public:
    /** The pump step: delivers the library's ready work. */
    using PumpStep = std::function<void()>;

    /**
     * Starts watching; the library must be initialised, else the driver
     * watches nothing (see isWatching()).
     * \param step   the pump step; empty means quor_pump(0). A program whose
     *               callbacks may throw passes a step that catches, since
     *               exceptions must not cross Qt's event loop.
     * \param parent the QObject parent
     */
    explicit QuorQtDriver(PumpStep step = {}, QObject *parent = nullptr)
        : QObject(parent), step_(step ? std::move(step) : PumpStep(DefaultStep)) {
        const int fd = quor_getfd();
        if (fd < 0) {
            return;
        }
        notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] { OnReady(); });
    }

    /** \return whether the driver watches the library's descriptor */
    bool isWatching() const { return notifier_ != nullptr; }

    /** Stops watching for good; safe from inside the pump step. */
    void stop() {
        if (notifier_ == nullptr) {
            return;
        }
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }

private:
    static void DefaultStep() { quor_pump(0); }

    /** Turns the notifier back on when the step ends, if both survived it
     * and the step did not terminate the library. */
    class Resume {
    public:
        Resume(QuorQtDriver *driver, QSocketNotifier *notifier)
            : driver_(driver), notifier_(notifier) {}
        Resume(const Resume &) = delete;
        Resume &operator=(const Resume &) = delete;
        ~Resume() {
            if (notifier_.isNull() || driver_->notifier_ != notifier_) {
                return;
            }
            if (quor_getfd() == static_cast<int>(notifier_->socket())) {
                notifier_->setEnabled(true);
            } else {
                driver_->stop();
            }
        }

    private:
        QuorQtDriver *driver_;
        QPointer<QSocketNotifier> notifier_;
    };

    void OnReady() {
        notifier_->setEnabled(false);
        const Resume resume(this, notifier_);
        step_();
    }

    PumpStep step_;
    QSocketNotifier *notifier_ = nullptr;
};

#endif /* QUOR_ADAPTERS_QT_H */
