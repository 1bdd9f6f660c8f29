// SPDX-License-Identifier: MIT
#include "PaneKeys.h"

#include "ContextMenuKeys.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QObject>
#include <QTreeWidget>

namespace {

bool IsEnter(const QKeyEvent *key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

class PaneKeyFilter : public QObject {
public:
    PaneKeyFilter(QTreeWidget *pane, QMenu *menu) : QObject(pane), FPane(pane), FMenu(menu) {
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(
            pane, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { FMenu->popup(FPane->viewport()->mapToGlobal(at)); });
        OpenContextMenuFromKeyboard(pane);
        pane->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != FPane)
            return false;
        if (event->type() == QEvent::ContextMenu &&
            static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
            OpenAtCurrentItem();
            return true;
        }
        if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent *>(event)) &&
            FPane->currentItem() != nullptr) {
            emit FPane->itemDoubleClicked(SelectCurrent(), 0);
            return true;
        }
        return false;
    }

private:
    /// Makes the current item (where the keyboard is) the selected one.
    QTreeWidgetItem *SelectCurrent() {
        QTreeWidgetItem *item = FPane->currentItem();
        if (item != nullptr)
            FPane->setCurrentItem(item);
        return item;
    }

    /// The menu from the keyboard opens under the current item, or at the
    /// pane's corner when there is none.
    void OpenAtCurrentItem() {
        QTreeWidgetItem *item = SelectCurrent();
        const QPoint at = item != nullptr ? FPane->visualItemRect(item).bottomLeft() : QPoint();
        FMenu->popup(FPane->viewport()->mapToGlobal(at));
    }

    QTreeWidget *FPane;
    QMenu *FMenu;
};

} // namespace

void AttachPaneKeys(QTreeWidget *pane, QMenu *menu) {
    new PaneKeyFilter(pane, menu);
}
