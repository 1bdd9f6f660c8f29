// SPDX-License-Identifier: MIT
// NameCompletion: Tab completion of the name before the cursor in an input
// line. The word before the cursor is completed to the first name that
// starts with it (ignoring the case of A to Z, as the service compares
// names); each further Tab, with nothing typed in between, puts the next
// match in its place, round the list. Completing the first word of a line
// can add a suffix (": " in a channel, to address the name).
#pragma once

#include <QString>
#include <QStringList>

namespace hbquor {

/// An input's text and its cursor position.
struct InputState {
    QString Text;
    int Cursor = 0;
    bool operator==(const InputState &) const = default;
};

class NameCompletion {
public:
    /// What follows a name completed at the start of the line.
    explicit NameCompletion(QString lineStartSuffix = QString())
        : FLineStartSuffix(std::move(lineStartSuffix)) {}

    /// One Tab: the input with the name completed (or the next match when
    /// the input is as the last Tab left it). False, with the input
    /// unchanged, when there is no word before the cursor or no name fits
    /// it. names may hold duplicates and names differing only in case; the
    /// first spelling counts.
    bool Complete(InputState &input, const QStringList &names);

    /// Forgets the matches; the next Tab starts from the typed word.
    void Reset() { FMatches.clear(); }

private:
    /// Puts match number FIndex in place of the word, from FWordStart.
    InputState WithMatch() const;

    QString FLineStartSuffix;
    /// The input before the first Tab, the word's start and the matches.
    QString FBefore;
    int FWordStart = 0;
    int FWordEnd = 0;
    QStringList FMatches;
    int FIndex = 0;
    /// The input as the last Tab left it.
    InputState FLeft;
};

} // namespace hbquor
