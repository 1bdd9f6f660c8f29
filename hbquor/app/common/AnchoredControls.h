// SPDX-License-Identifier: MIT
// AnchoredControls: keeps a window's controls at their designed places while
// the window grows beyond its designed size.
//
// Each control keeps its distances to the edges of its container that it is
// anchored to. Anchored left and right, it takes the extra width; anchored
// right only, it moves with the right edge; likewise top and bottom for the
// height. A control anchored to no edge of a pair keeps its left (or top)
// distance. At the designed size every control is exactly where it was
// placed, and the designed size is the container's minimum size, so the
// window never gets smaller than its layout.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

class AnchoredControls : public QObject {
    Q_OBJECT

public:
    /// Follows container's size (it becomes the container's child and
    /// minimum size); the controls added are laid out for designSize.
    AnchoredControls(QWidget *container, const QSize &designSize);

    /// Anchors control, now at its designed place, to the given edges.
    void Add(QWidget *control, Qt::Edges anchors);

    /// Where a control designed at place goes in a container of size.
    static QRect PlaceFor(const QRect &place, Qt::Edges anchors, const QSize &designSize,
                          const QSize &size);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Puts every control where the container's current size wants it.
    void Arrange();

    struct Anchored {
        QPointer<QWidget> Control;
        QRect Place;
        Qt::Edges Anchors;
    };

    QWidget *FContainer;
    QSize FDesignSize;
    QList<Anchored> FControls;
};
