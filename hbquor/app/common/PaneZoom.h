// SPDX-License-Identifier: MIT
// PaneZoom: the text size of the program's panes, one for every window:
// Ctrl+Plus makes the text a point larger, Ctrl+Minus a point smaller and
// Ctrl+0 returns to the designed size, in whichever window has the keys;
// every attached pane follows. Only the panes' text changes, never the
// place of the controls.
#pragma once

#include <QObject>

class LinePane;
class QWidget;

class PaneZoom : public QObject {
    Q_OBJECT

public:
    /// points is kept between min and max.
    PaneZoom(int min, int max, QObject *parent = nullptr);

    /// Gives window the three keys and makes pane follow the zoom from now
    /// on; pane must live as long as window.
    void Attach(QWidget *window, LinePane &pane);

    int Points() const { return FPoints; }
    /// Sets the zoom (bounded); Changed when it changed.
    void SetPoints(int points);

signals:
    void Changed(int points);

private:
    int FMin;
    int FMax;
    int FPoints = 0;
};
