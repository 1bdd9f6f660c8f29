#include "MessageBoxes.h"

#include <QMessageBox>

namespace {

QString WithLineBreaks(const QString &text) {
    QString shown = text;
    return shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

QString MessageBoxTitle() {
    return QStringLiteral("HB Quor");
}

void ShowMessageBox(QWidget *parent, const QString &text) {
    QMessageBox::information(parent, MessageBoxTitle(), WithLineBreaks(text));
}

bool AskYesNoBox(QWidget *parent, const QString &text) {
    return QMessageBox::question(parent, MessageBoxTitle(), WithLineBreaks(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
