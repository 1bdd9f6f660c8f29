// SPDX-License-Identifier: MIT
#include "MessageBoxes.h"

#include <QMessageBox>

namespace {

QString WithLineBreaks(const QString &text) {
    QString shown = text;
    return shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

/// Runs a modal box; the static QMessageBox functions would guess whether
/// the text is rich text.
QMessageBox::StandardButton RunBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                   QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, MessageBoxTitle(), WithLineBreaks(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

QString MessageBoxTitle() {
    return QStringLiteral("HB Quor");
}

void ShowMessageBox(QWidget *parent, const QString &text) {
    RunBox(parent, QMessageBox::Information, text, QMessageBox::Ok);
}

bool AskYesNoBox(QWidget *parent, const QString &text) {
    return RunBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}
