// SPDX-License-Identifier: MIT
#include "FillFields.h"

#include "DisplayText.h"

QString FillFields(const char *pattern, std::initializer_list<QString> args) {
    return FillFields(QString::fromLatin1(pattern), args);
}

QString FillFields(const QString &text, std::initializer_list<QString> args) {
    QString result;
    auto next = args.begin();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool field = text[i] == QLatin1Char('%') && i + 1 < text.size() &&
                           (text[i + 1] == QLatin1Char('s') || text[i + 1] == QLatin1Char('d'));
        if (field && next != args.end()) {
            result += hbquor::LineField(*next++);
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}
