// How the conversation and channel windows compare user names: equal when
// they differ only in the case of the letters A to Z, and sorted so that
// names differing only in case stand next to each other.
#pragma once

#include <QString>

/// True when a and b are equal ignoring the case of A to Z (other characters
/// must match exactly).
bool SameNameIgnoringCase(const QString &a, const QString &b);

/// Order of the member list: by the names folded to lower case (A to Z only),
/// and for names equal in that way by their exact characters.
bool NameSortsBefore(const QString &a, const QString &b);
