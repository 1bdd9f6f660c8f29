// SPDX-License-Identifier: MIT
#include "FieldReason.h"

namespace hbquor::settings {

FieldReason::FieldReason(QWidget *field, QWidget *parent) : QLabel(parent), FField(field) {
    setStyleSheet(QStringLiteral("color: rgb(192, 0, 0)"));
    setTextFormat(Qt::PlainText);
    hide();
}

bool FieldReason::Show(const QString &problem) {
    setText(problem);
    setVisible(!problem.isEmpty());
    FField->setAccessibleDescription(problem);
    return problem.isEmpty();
}

} // namespace hbquor::settings
