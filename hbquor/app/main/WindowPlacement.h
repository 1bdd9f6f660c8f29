// SPDX-License-Identifier: MIT
// Where a top-level window's frame goes at start-up, and putting it there.
//
// Positions are those of the frame's top-left corner (title bar and border
// included), the position the user sees and the settings keep. On X11 the
// frame exists only once the window manager has framed the shown window;
// until then a position applies to the window's inside, so the frame is
// placed again as soon as its size is known.
#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

class QTimer;
class QWidget;

/// The frame's top-left corner at start-up for a frame of frameSize.
/// A stored corner is kept when the frame placed there overlaps one of the
/// screens; it is pulled back so that it lies at least edgeMargin inside
/// that screen's right and bottom edges and not left of or above it.
/// Without a stored corner, or with one that leaves the frame off every
/// screen, the frame is centred on the first screen (the primary one).
QPoint StartFramePosition(const std::optional<QPoint> &stored, const QSize &frameSize,
                          const QList<QRect> &screens, int edgeMargin);

/// The size a window starts with: wanted, made no larger than room (when
/// room is valid) and then no smaller than minimum on either side.
QSize FitWindowSize(const QSize &wanted, const QSize &minimum, const QSize &room);

/// The areas of the screens windows may use, the primary screen first.
QList<QRect> ScreenAreas();

/// Places form centred over main, kept at least edgeMargin pixels inside
/// the right and bottom edges of a screen of size screen and not above or
/// left of it. Nothing happens unless both are given.
void CenterOnWindow(QWidget *form, const QWidget *main, const QSize &screen, int edgeMargin);

/// Places a window's frame at the corner that place() computes from the
/// frame's size: at once, and once more when the window system has framed
/// the shown window.
class FramePlacement : public QObject {
    Q_OBJECT
public:
    using PlaceFunction = std::function<QPoint(const QSize &frameSize)>;

    FramePlacement(QWidget *window, PlaceFunction place);

    /// Moves the window by its current frame size (before it is shown, the
    /// frame is taken to be the window itself). A maximised window is left
    /// where the window manager put it.
    void Apply();
    /// Called when the window is first shown: waits (at most a second) for
    /// the window manager's frame, then applies the position again.
    void Shown();

private:
    void CheckFramed();

    QPointer<QWidget> FWindow;
    PlaceFunction FPlace;
    QTimer *FWait;
    int FChecksLeft = 0;
};
