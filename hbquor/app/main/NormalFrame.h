// SPDX-License-Identifier: MIT
// NormalFrame: where a top-level window's frame was the last time the window
// was in its normal state (neither maximised, full-screen nor minimised).
// The settings keep that corner, so that a window closed while maximised
// comes back maximised over the place it had, and is restored to it.
#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QWidget;

class NormalFrame : public QObject {
    Q_OBJECT

public:
    /// Follows window's moves; the object is the window's child.
    explicit NormalFrame(QWidget *window);

    /// The frame's corner now when the window is in its normal state, else
    /// where it was last seen in it; std::nullopt when it never was.
    std::optional<QPoint> Corner() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *FWindow;
    std::optional<QPoint> FLastCorner;
};
