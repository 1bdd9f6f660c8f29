// Text rules shared by the account windows: how entries are trimmed, how
// user names are compared, and how the program's carriage-return line
// breaks are turned into something a Qt label shows as a line break.
#pragma once

#include <QString>

namespace hbquor::account {

// Removes leading and trailing blanks and control characters (every code
// below or equal to the blank), the way the program trims all entries.
QString TrimBlanks(const QString &text);

// True when both names are equal ignoring the case of the letters A to Z
// only; every other character must match exactly.
bool SameNameIgnoringCase(const QString &a, const QString &b);

// The program's texts mark line breaks with "\r"; widgets need "\n".
QString ShownText(const QString &text);

} // namespace hbquor::account
