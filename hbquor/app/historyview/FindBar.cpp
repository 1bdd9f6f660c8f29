// SPDX-License-Identifier: MIT
#include "FindBar.h"

#include "PastLines.h"
#include "TalkWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace hbquor::historyview {

namespace {

constexpr int BarHeight = 24;

} // namespace

FindBar::FindBar(TQuorTalkWindow &window, PastLines *past)
    : QWidget(&window), inpFind(new QLineEdit(this)), FPane(window.Memo1), FPast(past),
      FCount(new QLabel(this)) {
    setAutoFillBackground(true);
    inpFind->setPlaceholderText(tr("Find in the conversation"));
    inpFind->setAccessibleName(inpFind->placeholderText());
    inpFind->setAccessibleDescription(tr("Enter finds the next older match, Shift+Enter the next "
                                         "newer one, Esc closes the bar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->addWidget(inpFind);
    layout->addWidget(FCount);
    hide();

    auto *find = new QAction(&window);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &FindBar::Open);
    window.addAction(find);
    connect(inpFind, &QLineEdit::textChanged, this, [this] {
        FCurrent = QTextCursor();
        Highlight();
        Step(true, false);
    });
    inpFind->installEventFilter(this);
    FPane->installEventFilter(this);
}

void FindBar::Open() {
    Place();
    show();
    raise();
    inpFind->setFocus();
    inpFind->selectAll();
}

bool FindBar::Step(bool older, bool mayLoad) {
    const QString text = inpFind->text();
    if (text.isEmpty())
        return false;
    QTextDocument *document = FPane->document();
    for (;;) {
        QTextCursor from = FCurrent;
        if (from.isNull()) {
            from = QTextCursor(document);
            from.movePosition(QTextCursor::End);
        }
        const QTextCursor found =
            document->find(text, older ? from.selectionStart() : from.selectionEnd(),
                           older ? QTextDocument::FindBackward : QTextDocument::FindFlags());
        if (!found.isNull()) {
            FCurrent = found;
            FPane->setTextCursor(found);
            FPane->ensureCursorVisible();
            return true;
        }
        // Nothing older in the pane: the history's page before it may hold
        // one. Its lines go on top, so the current match keeps its text.
        if (!older || !mayLoad || FPast == nullptr || !FPast->HasOlder())
            return false;
        const int fromEnd =
            FCurrent.isNull() ? 0 : document->characterCount() - FCurrent.selectionStart();
        if (!FPast->LoadOlder())
            return false;
        if (!FCurrent.isNull()) {
            FCurrent = QTextCursor(document);
            FCurrent.setPosition(document->characterCount() - fromEnd);
        }
        Highlight();
    }
}

void FindBar::Highlight() {
    QList<QTextEdit::ExtraSelection> marks;
    const QString text = inpFind->text();
    if (!text.isEmpty()) {
        QTextCharFormat format;
        format.setBackground(QColor(255, 230, 120));
        for (QTextCursor at = FPane->document()->find(text, 0); !at.isNull();
             at = FPane->document()->find(text, at))
            marks.append({at, format});
    }
    FMatches = int(marks.size());
    FPane->setExtraSelections(marks);
    FCount->setText(text.isEmpty() ? QString() : QString::number(FMatches));
}

void FindBar::Place() {
    setGeometry(FPane->x(), FPane->y(), FPane->width() - 16, BarHeight);
}

bool FindBar::eventFilter(QObject *watched, QEvent *event) {
    if (watched == FPane) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            Place();
        return false;
    }
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // Esc closes the bar before it can close the window.
    if (event->type() == QEvent::ShortcutOverride) {
        if (key->key() != Qt::Key_Escape)
            return false;
        event->accept();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        hide();
        FPane->setExtraSelections({});
        parentWidget()->setFocus();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Step(!(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    return false;
}

} // namespace hbquor::historyview
