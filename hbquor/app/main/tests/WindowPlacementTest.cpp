// SPDX-License-Identifier: MIT
// Where windows go: the main window's frame at start-up on one or several
// screens, and a dialog centred over the main window.
#include "WindowPlacement.h"

#include <QTest>
#include <QWidget>

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void startPositionOnSeveralScreens() {
        const QList<QRect> screens{QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};
        const QSize frame(560, 420);
        // A place on the second screen is kept, and kept inside that screen.
        QCOMPARE(StartFramePosition(QPoint(1500, 100), frame, screens, 16), QPoint(1500, 100));
        QCOMPARE(StartFramePosition(QPoint(1820, 595), frame, screens, 16), QPoint(1808, 584));
        // Off both screens, or nothing stored: centred on the primary one.
        QCOMPARE(StartFramePosition(QPoint(3000, 100), frame, screens, 16), QPoint(232, 174));
        QCOMPARE(StartFramePosition(std::nullopt, frame, screens, 16), QPoint(232, 174));
        QCOMPARE(StartFramePosition(std::nullopt, QSize(2000, 2000), screens, 16), QPoint(0, 0));
    }

    void centringKeepsDialogsOnTheScreen() {
        QWidget main;
        main.setGeometry(900, 600, 540, 368);
        QWidget form;
        form.resize(272, 78);
        const QSize screen(1024, 768);
        CenterOnWindow(&form, &main, screen, 50);
        QCOMPARE(form.pos().x(), 1024 - 50);
        QCOMPARE(form.pos().y(), 768 - 50);
        main.move(100, 100);
        CenterOnWindow(&form, &main, screen, 50);
        QCOMPARE(form.pos(), QPoint(100 + (540 - 272) / 2, 100 + (368 - 78) / 2));
        main.move(-400, -300);
        CenterOnWindow(&form, &main, screen, 50);
        QCOMPARE(form.pos(), QPoint(0, 0));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "WindowPlacementTest.moc"
