// SPDX-License-Identifier: MIT
// PaneLinks: opens the links of a read-only text pane. A click (press and
// release on the same link, without selecting text) opens the link's address
// with the desktop's handler, and only when it is an address the program
// allows (LinkText); over a link the pointer becomes a hand. The links
// themselves are put in by LinePane; their tooltip gives the full address.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>

class QAbstractScrollArea;
class QWidget;

class PaneLinks : public QObject {
    Q_OBJECT

public:
    /// The address of the link at a point of the viewport, empty for none.
    using AnchorAt = std::function<QString(const QPoint &)>;

    /// Watches view's viewport; lives as long as the view.
    PaneLinks(QAbstractScrollArea *view, AnchorAt anchorAt);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// The view's viewport, kept apart from the view: the view is already
    /// half destroyed when its viewport gets its last events.
    QWidget *FViewport;
    AnchorAt FAnchorAt;
    /// The link under the last left press, empty when it was not on one.
    QString FPressed;
};
