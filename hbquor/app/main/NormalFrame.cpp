// SPDX-License-Identifier: MIT
#include "NormalFrame.h"

#include <QEvent>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace {

bool IsNormal(Qt::WindowStates state) {
    return !(state & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

} // namespace

NormalFrame::NormalFrame(QWidget *window) : QObject(window), FWindow(window) {
    window->installEventFilter(this);
}

std::optional<QPoint> NormalFrame::Corner() const {
    if (IsNormal(FWindow->windowState()))
        return FWindow->frameGeometry().topLeft();
    return FLastCorner;
}

bool NormalFrame::eventFilter(QObject *watched, QEvent *event) {
    // A hidden window has no frame yet: its corner says nothing of where
    // the window manager puts it.
    if (watched != FWindow || !FWindow->isVisible())
        return false;
    // A window leaving the normal state is still where it was when it is
    // told; the moves that come with the new state follow that.
    const bool leavingNormal = event->type() == QEvent::WindowStateChange &&
                               IsNormal(static_cast<QWindowStateChangeEvent *>(event)->oldState());
    const bool movedWhileNormal =
        (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        IsNormal(FWindow->windowState());
    if (leavingNormal || movedWhileNormal)
        FLastCorner = FWindow->frameGeometry().topLeft();
    return false;
}
