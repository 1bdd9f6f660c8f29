#include "ChatNames.h"

#include <algorithm>

namespace {

char16_t FoldAscii(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? char16_t(u - u'A' + u'a') : u;
}

/// Negative, zero or positive as a sorts before, with or after b when only
/// A to Z are folded.
int CompareFolded(const QString &a, const QString &b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = FoldAscii(a[i]);
        const char16_t y = FoldAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

bool SameNameIgnoringCase(const QString &a, const QString &b) {
    return CompareFolded(a, b) == 0;
}

bool NameSortsBefore(const QString &a, const QString &b) {
    const int folded = CompareFolded(a, b);
    return folded != 0 ? folded < 0 : a < b;
}
