// SPDX-License-Identifier: MIT
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

    struct Notification {
        /// Whom it is from: a sender's newer notification replaces his
        /// older one while that is still shown.
        QString Sender;
        /// A summary line and a body, both plain text.
        QString Summary;
        QString Body;
        ClickAction OnClick;
    };

    virtual ~DesktopNotifier() = default;

    /// Shows a notification. Returns at once; a desktop without a
    /// notification service simply shows nothing.
    virtual void Notify(Notification notification) = 0;
};
