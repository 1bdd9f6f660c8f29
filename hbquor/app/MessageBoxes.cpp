#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString WithLineBreaks(const QString &text) {
    QString shown = text;
    return shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

void ShowMessageBox(QWidget *parent, const QString &text) {
    QMessageBox::information(parent, QApplication::applicationName(), WithLineBreaks(text));
}

bool AskYesNoBox(QWidget *parent, const QString &text) {
    return QMessageBox::question(parent, QApplication::applicationName(), WithLineBreaks(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
