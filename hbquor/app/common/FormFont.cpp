// SPDX-License-Identifier: MIT
#include "FormFont.h"

#include <QStringList>

namespace {

const QString Arial = QStringLiteral("Arial");
const QString ArialReplacement = QStringLiteral("Liberation Sans");

} // namespace

QFont FormFont(const QString &family, int pointSize) {
    // Registered each time the face is asked for, so no window depends on
    // another having been created first.
    const QStringList replacements =
        family == Arial ? QStringList{ArialReplacement} : QStringList{Arial, ArialReplacement};
    QFont::insertSubstitutions(family, replacements); // names already there are kept once
    QFont font(family, pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
