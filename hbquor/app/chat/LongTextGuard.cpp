// SPDX-License-Identifier: MIT
#include "LongTextGuard.h"

#include "DisplayText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

bool AskWithMessageBox(QWidget *parent, const QString &question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("HB Quor"), question,
                    QMessageBox::NoButton, parent);
    QPushButton *send = box.addButton(LongTextGuard::tr("&Send"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(send);
    // The question holds a name from outside: never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return box.clickedButton() == send;
}

/// The input's text with text pasted in place of the selection or at the cursor.
QString WithPaste(const QLineEdit *input, const QString &text) {
    QString result = input->text();
    if (input->hasSelectedText())
        return result.replace(input->selectionStart(), input->selectedText().size(), text);
    return result.insert(input->cursorPosition(), text);
}

} // namespace

bool LongTextGuard::IsLong(const QString &text) {
    return text.size() > MaxCharacters || LinesOf(text).size() > MaxLines;
}

QStringList LongTextGuard::LinesOf(const QString &text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
    return text.split(lineBreak, Qt::SkipEmptyParts);
}

LongTextGuard::LongTextGuard(QLineEdit *input, std::function<QString()> target,
                             PacedSender::SendLine send)
    : QObject(input), FInput(input), FTarget(std::move(target)),
      FSender(new PacedSender(std::move(send), SendPace(), this)), FAsk(AskWithMessageBox) {
    input->installEventFilter(this);
    connect(FSender, &PacedSender::Finished, this, &LongTextGuard::KeepUnsent);
}

bool LongTextGuard::Offer(const QString &text) {
    if (!IsLong(text))
        return false;
    const QStringList lines = LinesOf(text);
    const QString target = hbquor::LineField(FTarget());
    const QString question =
        lines.size() == 1 ? tr("Send 1 line to %1?").arg(target)
                          : tr("Send %1 lines to %2?").arg(QString::number(lines.size()), target);
    if (FAsk(FInput->window(), question)) {
        FInput->clear();
        FSender->Send(lines);
    }
    return true;
}

void LongTextGuard::KeepUnsent(const QStringList &unsent) {
    if (unsent.isEmpty())
        return;
    QString kept = unsent.join(u'\n');
    if (!FInput->text().isEmpty())
        kept += u'\n' + FInput->text();
    // Nothing is cut off: the input takes the whole rest.
    FInput->setMaxLength(std::max(FInput->maxLength(), static_cast<int>(kept.size())));
    FInput->setText(kept);
}

bool LongTextGuard::eventFilter(QObject *watched, QEvent *event) {
    if (watched != FInput || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->matches(QKeySequence::Paste))
        return Offer(WithPaste(FInput, QGuiApplication::clipboard()->text()));
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        return Offer(FInput->text());
    return false;
}
