// SPDX-License-Identifier: MIT
#include "AnchoredControls.h"

#include <QEvent>
#include <QWidget>

namespace {

/// One axis: the start and length of a control designed at (start, length)
/// when the container is grown by extra along that axis.
void Stretch(int &start, int &length, bool nearAnchor, bool farAnchor, int extra) {
    if (!farAnchor)
        return;
    if (nearAnchor)
        length += extra;
    else
        start += extra;
}

} // namespace

AnchoredControls::AnchoredControls(QWidget *container, const QSize &designSize)
    : QObject(container), FContainer(container), FDesignSize(designSize) {
    container->setMinimumSize(designSize);
    container->installEventFilter(this);
}

void AnchoredControls::Add(QWidget *control, Qt::Edges anchors) {
    FControls.append({control, control->geometry(), anchors});
    Arrange();
}

QRect AnchoredControls::PlaceFor(const QRect &place, Qt::Edges anchors, const QSize &designSize,
                                 const QSize &size) {
    int left = place.left();
    int width = place.width();
    int top = place.top();
    int height = place.height();
    Stretch(left, width, anchors.testFlag(Qt::LeftEdge), anchors.testFlag(Qt::RightEdge),
            size.width() - designSize.width());
    Stretch(top, height, anchors.testFlag(Qt::TopEdge), anchors.testFlag(Qt::BottomEdge),
            size.height() - designSize.height());
    return QRect(left, top, width, height);
}

bool AnchoredControls::eventFilter(QObject *watched, QEvent *event) {
    if (watched == FContainer && event->type() == QEvent::Resize)
        Arrange();
    return QObject::eventFilter(watched, event);
}

void AnchoredControls::Arrange() {
    const QSize size = FContainer->size();
    for (const Anchored &anchored : FControls)
        if (anchored.Control)
            anchored.Control->setGeometry(
                PlaceFor(anchored.Place, anchored.Anchors, FDesignSize, size));
}
