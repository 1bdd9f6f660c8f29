#include "FormGeometry.h"

#include <QDialog>
#include <QFont>
#include <QLabel>

void SetFixedDialogFrame(QDialog *dialog, int width, int height, const QString &fontFamily) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The dialogs were laid out for a narrow sans-serif face; where the named
    // one is missing, the metric-compatible Arial replacement keeps captions
    // inside their places better than the desktop's wider default.
    QFont::insertSubstitutions(fontFamily,
                               {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    dialog->setFont(QFont(fontFamily, 8));
    dialog->setFixedSize(width, height);
}

QLabel *PlaceLabel(QWidget *parent, const QString &text, int left, int top) {
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}
