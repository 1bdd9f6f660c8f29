#include "LineInputKeys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

LineInputKeys::LineInputKeys(QLineEdit *input, NameSource names, const QString &lineStartSuffix)
    : QObject(input), FInput(input), FNames(std::move(names)), FCompletion(lineStartSuffix) {
    input->installEventFilter(this);
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

void LineInputKeys::RememberIfSent(const QString &text) {
    if (!text.isEmpty() && FInput->text().isEmpty())
        FHistory.Sent(text);
}

bool LineInputKeys::eventFilter(QObject *watched, QEvent *event) {
    if (watched != FInput || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
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
    case Qt::Key_Enter: {
        // The window's own handler sends (and empties the input) after this
        // filter; look once it has.
        const QString text = FInput->text();
        QTimer::singleShot(0, this, [this, text] { RememberIfSent(text); });
        return false;
    }
    default:
        return false;
    }
}
