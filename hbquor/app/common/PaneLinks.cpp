// SPDX-License-Identifier: MIT
#include "PaneLinks.h"

#include "LinkText.h"

#include <QAbstractScrollArea>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

PaneLinks::PaneLinks(QAbstractScrollArea *view, AnchorAt anchorAt)
    : QObject(view), FViewport(view->viewport()), FAnchorAt(std::move(anchorAt)) {
    FViewport->installEventFilter(this);
    FViewport->setMouseTracking(true);
}

bool PaneLinks::eventFilter(QObject *watched, QEvent *event) {
    if (watched != FViewport)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool overLink = !FAnchorAt(mouse->position().toPoint()).isEmpty();
        FViewport->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
        break;
    }
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        FPressed =
            mouse->button() == Qt::LeftButton ? FAnchorAt(mouse->position().toPoint()) : QString();
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QString pressed = std::exchange(FPressed, QString());
        if (mouse->button() != Qt::LeftButton || pressed.isEmpty() ||
            FAnchorAt(mouse->position().toPoint()) != pressed || !hbquor::IsOpenableLink(pressed))
            break;
        QDesktopServices::openUrl(QUrl(pressed, QUrl::StrictMode));
        break;
    }
    default:
        break;
    }
    return false;
}
