// SPDX-License-Identifier: MIT
#include "SearchQuery.h"

#include <QStringList>

namespace hbquor::history {

namespace {

// Control characters separate terms like blanks; FTS5 has no use for them.
bool IsSeparator(QChar c) {
    return c.isSpace() || c.unicode() < 0x20 || c.unicode() == 0x7f;
}

QString Quoted(QString term) {
    term.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + term + QLatin1Char('"');
}

} // namespace

QString MatchExpression(const QString &input) {
    QStringList terms;
    const qsizetype size = input.size();
    qsizetype i = 0;
    while (i < size && terms.size() < MaxSearchTerms) {
        if (IsSeparator(input[i])) {
            ++i;
        } else if (input[i] == QLatin1Char('"')) {
            // A phrase runs to the next quote, or to the end if none comes.
            const qsizetype close = input.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? size : close;
            QString phrase = input.mid(i + 1, end - i - 1);
            for (QChar &c : phrase)
                if (IsSeparator(c))
                    c = QLatin1Char(' ');
            if (!phrase.trimmed().isEmpty())
                terms << Quoted(phrase.trimmed());
            i = end + 1;
        } else {
            qsizetype end = i;
            while (end < size && !IsSeparator(input[end]) && input[end] != QLatin1Char('"'))
                ++end;
            QString word = input.mid(i, end - i);
            qsizetype stem = word.size();
            while (stem > 0 && word[stem - 1] == QLatin1Char('*'))
                --stem;
            const bool prefix = stem < word.size() && word.left(stem).toUcs4().size() >= 2;
            if (stem > 0)
                terms << Quoted(word.left(stem)) + (prefix ? QStringLiteral("*") : QString());
            i = end;
        }
    }
    return terms.join(QLatin1Char(' '));
}

} // namespace hbquor::history
