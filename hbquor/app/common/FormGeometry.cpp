// SPDX-License-Identifier: MIT
#include "FormGeometry.h"

#include "FormFont.h"

#include <QDialog>
#include <QFont>
#include <QLabel>

void SetFixedDialogFrame(QDialog *dialog, int width, int height, const QString &fontFamily) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog->setFont(FormFont(fontFamily));
    dialog->setFixedSize(width, height);
}

QLabel *PlaceLabel(QWidget *parent, const QString &text, int left, int top) {
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}
