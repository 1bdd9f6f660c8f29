// SPDX-License-Identifier: MIT
// Controls that follow the edges of a growing window: exactly at their
// designed places at the designed size, stretched or moved beyond it, and a
// container that never gets smaller than its design.
#include "AnchoredControls.h"

#include <QTest>
#include <QWidget>

namespace {

const QSize Design(200, 100);
const QRect Place(10, 20, 30, 40);

} // namespace

class AnchoredControlsTest : public QObject {
    Q_OBJECT

private slots:
    void placeFollowsTheAnchoredEdges_data() {
        QTest::addColumn<int>("anchors");
        QTest::addColumn<QRect>("grown");
        // The container grows by 50 x 30.
        QTest::newRow("top left keeps its place")
            << int(Qt::LeftEdge | Qt::TopEdge) << QRect(10, 20, 30, 40);
        QTest::newRow("no anchor keeps its place") << 0 << QRect(10, 20, 30, 40);
        QTest::newRow("all four stretch")
            << int(Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge)
            << QRect(10, 20, 80, 70);
        QTest::newRow("right and bottom move")
            << int(Qt::RightEdge | Qt::BottomEdge) << QRect(60, 50, 30, 40);
        QTest::newRow("wide along the bottom")
            << int(Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge) << QRect(10, 50, 80, 40);
        QTest::newRow("tall on the left")
            << int(Qt::LeftEdge | Qt::TopEdge | Qt::BottomEdge) << QRect(10, 20, 30, 70);
    }

    void placeFollowsTheAnchoredEdges() {
        QFETCH(int, anchors);
        QFETCH(QRect, grown);
        const Qt::Edges edges(anchors);
        QCOMPARE(AnchoredControls::PlaceFor(Place, edges, Design, Design), Place);
        QCOMPARE(AnchoredControls::PlaceFor(Place, edges, Design, Design + QSize(50, 30)), grown);
    }

    void containerResizesMoveTheControlsAndItsDesignIsItsMinimum() {
        QWidget container;
        container.resize(Design);
        auto *control = new QWidget(&container);
        control->setGeometry(Place);
        auto *anchors = new AnchoredControls(&container, Design);
        anchors->Add(control, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
        QCOMPARE(container.minimumSize(), Design);
        QCOMPARE(control->geometry(), Place);

        container.show();
        container.resize(Design + QSize(50, 30));
        QTRY_COMPARE(control->geometry(), QRect(10, 50, 80, 40));
        container.resize(Design);
        QTRY_COMPARE(control->geometry(), Place);
        // Asked for less, the container stays at its design.
        container.resize(QSize(50, 50));
        QCOMPARE(container.size(), Design);
    }
};

QTEST_MAIN(AnchoredControlsTest)
#include "AnchoredControlsTest.moc"
