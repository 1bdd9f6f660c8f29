// SPDX-License-Identifier: MIT
// What the user types into a search box, made into an FTS5 query that
// cannot be a syntax error: words, "phrases in quotes" and prefix* are each
// one quoted FTS5 string (a '"' inside doubled), all required. Anything else
// FTS5 would read as syntax (AND, OR, NEAR(, ^, column filters) is searched
// as plain words. A prefix needs two characters (the index keeps prefixes of
// two and three): "a*" would match most lines at great cost, so it is the
// word "a".
#pragma once

#include <QString>

namespace hbquor::history {

/// At most this many words, phrases and prefixes count; the rest are ignored.
inline constexpr int MaxSearchTerms = 16;

/// The FTS5 expression for the user's input; empty when nothing is left to
/// search for (only blanks, quotes or stars).
QString MatchExpression(const QString &input);

} // namespace hbquor::history
