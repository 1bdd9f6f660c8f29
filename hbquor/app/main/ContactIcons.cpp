// SPDX-License-Identifier: MIT
#include "ContactIcons.h"

#include "ContactListModel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace {

using enum ContactListModel::Image;
constexpr int ImageCount = DoubleTick + 1;

QPixmap DrawImage(int image) {
    QPixmap pixmap(ContactIconSize, ContactIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor green(0, 160, 0);
    switch (image) {
    case Tick:
        painter.setPen(QPen(green, 2));
        painter.drawPolyline(QPolygonF({{2, 6}, {5, 9}, {10, 2}}));
        break;
    case DoubleTick:
        painter.setPen(QPen(green, 1.5));
        painter.drawPolyline(QPolygonF({{0, 6}, {3, 9}, {7, 2}}));
        painter.drawPolyline(QPolygonF({{4, 6}, {7, 9}, {11, 2}}));
        break;
    case Cross:
        painter.setPen(QPen(QColor(220, 0, 0), 2));
        painter.drawLine(QPointF(2, 2), QPointF(10, 10));
        painter.drawLine(QPointF(10, 2), QPointF(2, 10));
        break;
    case Flash: {
        QPainterPath bolt;
        bolt.addPolygon(QPolygonF({{7, 0}, {2, 7}, {6, 7}, {4, 12}, {10, 4}, {6, 4}, {7, 0}}));
        painter.fillPath(bolt, QColor(255, 140, 0));
        break;
    }
    default:
        break;
    }
    return pixmap;
}

} // namespace

QIcon ContactStateIcon(int image) {
    static const std::array<QIcon, ImageCount> icons = [] {
        std::array<QIcon, ImageCount> made;
        for (int i = 0; i < ImageCount; ++i)
            made[i] = QIcon(DrawImage(i));
        return made;
    }();
    return icons.at(image >= 0 && image < ImageCount ? image : Blank);
}
