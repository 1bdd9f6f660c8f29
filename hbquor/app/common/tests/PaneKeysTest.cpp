// SPDX-License-Identifier: MIT
// A list pane from the keyboard: the Menu key and Shift+F10 open its context
// menu for the current item, which becomes the selected one; Enter acts as a
// double click; a right click still opens the menu; and any control's
// context menu opens from both keys.
#include "PaneKeys.h"
#include "ContextMenuKeys.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

class PaneKeysTest : public QObject {
    Q_OBJECT

    QTreeWidget FPane;
    QMenu FMenu;

private slots:
    void init() {
        FPane.clear();
        FPane.addTopLevelItems({new QTreeWidgetItem(QStringList{QStringLiteral("anna")}),
                                new QTreeWidgetItem(QStringList{QStringLiteral("bob")})});
        FPane.clearSelection();
        FMenu.hide();
    }

    void initTestCase() {
        FMenu.addAction(QStringLiteral("&Open"));
        AttachPaneKeys(&FPane, &FMenu);
        FPane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&FPane));
    }

    void menuKeysOpenTheMenuForTheCurrentItem_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }

    void menuKeysOpenTheMenuForTheCurrentItem() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        // The keyboard moved onto bob without selecting him.
        FPane.selectionModel()->setCurrentIndex(FPane.model()->index(1, 0),
                                                QItemSelectionModel::NoUpdate);
        QVERIFY(FPane.selectedItems().isEmpty());
        QTest::keyClick(&FPane, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(FMenu.isVisible());
        QCOMPARE(FPane.selectedItems(), QList<QTreeWidgetItem *>{FPane.topLevelItem(1)});
        const QRect item = FPane.visualItemRect(FPane.topLevelItem(1));
        QCOMPARE(FMenu.pos(), FPane.viewport()->mapToGlobal(item.bottomLeft()));
    }

    void f10WithoutShiftOpensNothing() {
        QTest::keyClick(&FPane, Qt::Key_F10);
        QVERIFY(!FMenu.isVisible());
    }

    void enterDoubleClicksTheCurrentItemOnly() {
        QSignalSpy doubleClicks(&FPane, &QTreeWidget::itemDoubleClicked);
        FPane.setCurrentItem(nullptr);
        QTest::keyClick(&FPane, Qt::Key_Return);
        QCOMPARE(doubleClicks.count(), 0);
        FPane.selectionModel()->setCurrentIndex(FPane.model()->index(0, 0),
                                                QItemSelectionModel::NoUpdate);
        QTest::keyClick(&FPane, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(doubleClicks.count(), 1);
        QCOMPARE(doubleClicks[0][0].value<QTreeWidgetItem *>(), FPane.topLevelItem(0));
        QCOMPARE(FPane.selectedItems(), QList<QTreeWidgetItem *>{FPane.topLevelItem(0)});
    }

    void rightClickStillOpensTheMenu() {
        emit FPane.customContextMenuRequested(QPoint(3, 4));
        QTRY_VERIFY(FMenu.isVisible());
        QCOMPARE(FMenu.pos(), FPane.viewport()->mapToGlobal(QPoint(3, 4)));
    }

    void anyControlGetsItsMenuFromTheKeys() {
        QLineEdit input;
        input.setContextMenuPolicy(Qt::CustomContextMenu);
        OpenContextMenuFromKeyboard(&input);
        QSignalSpy requests(&input, &QWidget::customContextMenuRequested);
        QTest::keyClick(&input, Qt::Key_Menu);
        QTest::keyClick(&input, Qt::Key_F10, Qt::ShiftModifier);
        QTest::keyClick(&input, Qt::Key_A);
        QCOMPARE(requests.count(), 2);
        QCOMPARE(input.text(), QStringLiteral("a"));
    }
};

QTEST_MAIN(PaneKeysTest)
#include "PaneKeysTest.moc"
