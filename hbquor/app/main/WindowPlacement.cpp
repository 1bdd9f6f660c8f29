// SPDX-License-Identifier: MIT
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

/// How often and how long to look for the window manager's frame.
constexpr int FrameCheckIntervalMs = 10;
constexpr int FrameChecks = 100;

/// The screen the frame overlaps most, or nullptr when it overlaps none.
const QRect *ScreenHolding(const QRect &frame, const QList<QRect> &screens) {
    const QRect *best = nullptr;
    long long bestArea = 0;
    for (const QRect &screen : screens) {
        const QRect common = frame.intersected(screen);
        const long long area = static_cast<long long>(common.width()) * common.height();
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    return best;
}

int Clamp(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

} // namespace

QPoint StartFramePosition(const std::optional<QPoint> &stored, const QSize &frameSize,
                          const QList<QRect> &screens, int edgeMargin) {
    if (screens.isEmpty())
        return stored.value_or(QPoint(0, 0));
    if (stored) {
        if (const QRect *screen = ScreenHolding(QRect(*stored, frameSize), screens))
            return QPoint(Clamp(stored->x(), screen->left(), screen->right() + 1 - edgeMargin),
                          Clamp(stored->y(), screen->top(), screen->bottom() + 1 - edgeMargin));
    }
    const QRect &primary = screens.first();
    return QPoint(primary.left() + std::max(0, (primary.width() - frameSize.width()) / 2),
                  primary.top() + std::max(0, (primary.height() - frameSize.height()) / 2));
}

QSize FitWindowSize(const QSize &wanted, const QSize &minimum, const QSize &room) {
    QSize size = room.isValid() ? wanted.boundedTo(room) : wanted;
    return size.expandedTo(minimum);
}

FramePlacement::FramePlacement(QWidget *window, PlaceFunction place)
    : QObject(window), FWindow(window), FPlace(std::move(place)), FWait(new QTimer(this)) {
    FWait->setInterval(FrameCheckIntervalMs);
    connect(FWait, &QTimer::timeout, this, &FramePlacement::CheckFramed);
}

void FramePlacement::Apply() {
    if (!FWindow || FWindow->isMaximized())
        return;
    const QPoint wanted = FPlace(FWindow->frameGeometry().size());
    if (FWindow->frameGeometry().topLeft() != wanted)
        FWindow->move(wanted);
}

void FramePlacement::Shown() {
    FChecksLeft = FrameChecks;
    FWait->start();
}

void FramePlacement::CheckFramed() {
    const bool framed = FWindow && FWindow->frameGeometry() != FWindow->geometry();
    if (framed)
        Apply();
    if (framed || --FChecksLeft <= 0)
        FWait->stop();
}

QList<QRect> ScreenAreas() {
    QList<QRect> areas;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary != nullptr)
        areas << primary->availableGeometry();
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen != primary)
            areas << screen->availableGeometry();
    return areas;
}

void CenterOnWindow(QWidget *form, const QWidget *main, const QSize &screen, int edgeMargin) {
    if (form == nullptr || main == nullptr)
        return;
    const QRect mainFrame = main->frameGeometry();
    const QSize formSize = form->frameGeometry().size();
    const int left = mainFrame.left() + (mainFrame.width() - formSize.width()) / 2;
    const int top = mainFrame.top() + (mainFrame.height() - formSize.height()) / 2;
    form->move(Clamp(left, 0, screen.width() - edgeMargin),
               Clamp(top, 0, screen.height() - edgeMargin));
}
