// SPDX-License-Identifier: MIT
// The service's name rules for the windows' QStrings: trimming and the
// comparison ignoring the case of A to Z, applied to the UTF-8 form the
// names travel in, so the windows agree with the session layer and the
// server on which names are the same.
#pragma once

#include <QString>

namespace hbquor {

/// The text without leading and trailing blanks and control characters
/// (every code at or below the blank); other white space stays.
QString TrimBlanks(const QString &text);

/// One text for all names the service takes as the same: trimmed, with A
/// to Z folded; a key for hashing names.
QString FoldedNameText(const QString &name);

/// True when a and b are equal ignoring the case of A to Z only.
bool SameNameIgnoringCase(const QString &a, const QString &b);

/// List order: by the names with A to Z folded, and for names equal in that
/// way by their exact characters, so names differing only in case stand
/// next to each other.
bool NameSortsBefore(const QString &a, const QString &b);

} // namespace hbquor
