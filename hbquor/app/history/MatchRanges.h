// SPDX-License-Identifier: MIT
// Where a search matched inside a line's text. An FTS5 function of our own,
// match_ranges(lines_text), gives the byte ranges of the text column's
// matched phrases from FTS5's own tokenizer, so marks agree with what the
// index matched (prefixes and diacritics included) and no marker character
// can clash with the text.
#pragma once

#include "HistoryTypes.h"

#include <string_view>

struct sqlite3;

namespace hbquor::history {

/// Makes match_ranges() known to the connection. Throws SqliteError.
void RegisterMatchRanges(sqlite3 *db);

/// The function's result (byte ranges into utf8Text) as ranges of the
/// QString made from utf8Text, sorted and merged where they overlap.
QList<MatchRange> DecodeMatchRanges(std::string_view encoded, std::string_view utf8Text);

} // namespace hbquor::history
