// SPDX-License-Identifier: MIT
#include "ContextMenuKeys.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace {

class ContextMenuKeyFilter : public QObject {
public:
    explicit ContextMenuKeyFilter(QWidget *control) : QObject(control), FControl(control) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != FControl || event->type() != QEvent::KeyPress ||
            !IsContextMenuKey(static_cast<QKeyEvent *>(event)))
            return false;
        const QRect caret = FControl->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QPoint at = caret.isValid() ? caret.center() : FControl->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, FControl->mapToGlobal(at));
        QCoreApplication::sendEvent(FControl, &menu);
        return true;
    }

private:
    QWidget *FControl;
};

} // namespace

bool IsContextMenuKey(const QKeyEvent *key) {
    return key->key() == Qt::Key_Menu ||
           (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

void OpenContextMenuFromKeyboard(QWidget *control) {
    new ContextMenuKeyFilter(control);
}
