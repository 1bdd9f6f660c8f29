// SPDX-License-Identifier: MIT
#include "NameCompletion.h"

#include "NameText.h"

#include <algorithm>

namespace hbquor {

namespace {

/// Where the word ending at cursor starts: after the last blank before it.
int WordStart(const QString &text, int cursor) {
    int start = cursor;
    while (start > 0 && !text.at(start - 1).isSpace())
        --start;
    return start;
}

/// The names starting with prefix, each spelling once, in the given order.
QStringList Matches(const QString &prefix, const QStringList &names) {
    QStringList matches;
    for (const QString &name : names) {
        if (name.size() < prefix.size() || !SameNameIgnoringCase(name.left(prefix.size()), prefix))
            continue;
        const bool known = std::any_of(matches.cbegin(), matches.cend(), [&](const QString &m) {
            return SameNameIgnoringCase(m, name);
        });
        if (!known)
            matches.append(name);
    }
    return matches;
}

} // namespace

InputState NameCompletion::WithMatch() const {
    QString inserted = FMatches.at(FIndex);
    if (FWordStart == 0)
        inserted += FLineStartSuffix;
    InputState state;
    state.Text = FBefore.left(FWordStart) + inserted + FBefore.mid(FWordEnd);
    state.Cursor = FWordStart + static_cast<int>(inserted.size());
    return state;
}

bool NameCompletion::Complete(InputState &input, const QStringList &names) {
    if (!FMatches.isEmpty() && input == FLeft) {
        FIndex = (FIndex + 1) % static_cast<int>(FMatches.size());
    } else {
        FMatches.clear();
        const int cursor = std::clamp(input.Cursor, 0, static_cast<int>(input.Text.size()));
        const int start = WordStart(input.Text, cursor);
        if (start == cursor)
            return false;
        FMatches = Matches(input.Text.mid(start, cursor - start), names);
        if (FMatches.isEmpty())
            return false;
        FBefore = input.Text;
        FWordStart = start;
        FWordEnd = cursor;
        FIndex = 0;
    }
    FLeft = WithMatch();
    input = FLeft;
    return true;
}

} // namespace hbquor
