// SPDX-License-Identifier: MIT
#include "UnitQuorAbout.h"

#include "FormFont.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>

TFormQuorAbout::TFormQuorAbout(QWidget *parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(277, 157);
    // The box has no title bar; a screen reader still says what it is.
    setAccessibleName(tr("About HB Quor"));
    Label1 = new QLabel(this);
    Label1->setGeometry(0, 0, 277, 157);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(FormFont(QStringLiteral("Arial")));
    Label1->setAutoFillBackground(true);
    Label1->setStyleSheet(QStringLiteral("QLabel { color: white; background-color: black; }"));
    Label1->installEventFilter(this);
}

QString TFormQuorAbout::AboutText(int libraryBuild) {
    const QStringList lines = {
        QString(),
        QStringLiteral("HB Quor"),
        tr("Copyright (c) 2003-2026 the HB Quor developers"),
        tr("A desktop client for the Quor chat service"),
        QStringLiteral("https://quor.example.org/hbquor"),
        QString(),
        tr("Quor SDK (build %1)").arg(libraryBuild),
        tr("Copyright (c) 2003-2026 the Quor SDK developers"),
        tr("The Quor protocol library"),
        QStringLiteral("https://quor.example.org/sdk"),
    };
    return lines.join(QLatin1Char('\r'));
}

void TFormQuorAbout::SetText(const QString &text) {
    QString shown = text;
    Label1->setText(shown.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void TFormQuorAbout::FormClick() {
    accept();
}

void TFormQuorAbout::Label1Click() {
    accept();
}

void TFormQuorAbout::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        FormClick();
}

bool TFormQuorAbout::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Label1 && event->type() == QEvent::MouseButtonPress) {
        Label1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
