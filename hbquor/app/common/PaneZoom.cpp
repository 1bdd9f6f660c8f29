// SPDX-License-Identifier: MIT
#include "PaneZoom.h"

#include "LinePane.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include <algorithm>

PaneZoom::PaneZoom(int min, int max, QObject *parent)
    : QObject(parent), FMin(min), FMax(std::max(min, max)), FPoints(std::clamp(0, FMin, FMax)) {}

void PaneZoom::SetPoints(int points) {
    points = std::clamp(points, FMin, FMax);
    if (points == FPoints)
        return;
    FPoints = points;
    emit Changed(points);
}

void PaneZoom::Attach(QWidget *window, LinePane &pane) {
    const auto addKeys = [this, window](QList<QKeySequence> keys, auto change) {
        auto *action = new QAction(window);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, change);
        window->addAction(action);
    };
    addKeys({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
            [this] { SetPoints(FPoints + 1); });
    addKeys({QKeySequence::ZoomOut}, [this] { SetPoints(FPoints - 1); });
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { SetPoints(0); });
    pane.SetZoom(FPoints);
    connect(this, &PaneZoom::Changed, window, [&pane](int points) { pane.SetZoom(points); });
}
