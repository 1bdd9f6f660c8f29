// SPDX-License-Identifier: MIT
#include "LineInputKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

LineInputKeys::LineInputKeys(QLineEdit *input, NameSource names, const QString &lineStartSuffix)
    : QObject(input), FInput(input), FNames(std::move(names)), FCompletion(lineStartSuffix) {
    input->installEventFilter(this);
    connect(input, &QLineEdit::textChanged, this, &LineInputKeys::RememberIfSent);
}

bool LineInputKeys::Recall(bool older) {
    const std::optional<QString> text = older ? FHistory.Older(FInput->text()) : FHistory.Newer();
    if (!text)
        return false;
    FInput->setText(*text);
    return true;
}

bool LineInputKeys::CompleteName() {
    if (!FNames)
        return false;
    hbquor::InputState state{FInput->text(), FInput->cursorPosition()};
    if (!FCompletion.Complete(state, FNames()))
        return false;
    FInput->setText(state.Text);
    FInput->setCursorPosition(state.Cursor);
    return true;
}

void LineInputKeys::RememberIfSent(const QString &now) {
    if (now.isEmpty() && !FEntered.isEmpty())
        FHistory.Sent(std::exchange(FEntered, QString()));
}

bool LineInputKeys::eventFilter(QObject *watched, QEvent *event) {
    if (watched != FInput || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    FEntered.clear();
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
        return Recall(true);
    case Qt::Key_Down:
        return Recall(false);
    case Qt::Key_Tab:
        return CompleteName();
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The window's own handler sends after this filter, emptying the
        // input when the text went out.
        FEntered = FInput->text();
        return false;
    default:
        return false;
    }
}
