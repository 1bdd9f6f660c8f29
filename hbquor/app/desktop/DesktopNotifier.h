// DesktopNotifier: shows a notification on the user's desktop. The main
// window decides what is worth a notification; an implementation only
// delivers it (FreedesktopNotifier over D-Bus, a recorder in tests).
#pragma once

#include <QString>

#include <functional>

class DesktopNotifier {
public:
    /// Runs when the user clicks the notification.
    using ClickAction = std::function<void()>;

    virtual ~DesktopNotifier() = default;

    /// Shows a notification with a summary line and a body, both plain
    /// text. Returns at once; a desktop without a notification service
    /// simply shows nothing.
    virtual void Notify(const QString &summary, const QString &body, ClickAction onClick) = 0;
};
