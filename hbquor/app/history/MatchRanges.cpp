// SPDX-License-Identifier: MIT
#include "MatchRanges.h"

#include "Sqlite.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace hbquor::history {

namespace {

// Byte start and end of one range; the function's result is an array of them.
struct ByteRange {
    std::int32_t Start;
    std::int32_t End;
};

int CollectToken(void *context, int flags, const char *, int, int start, int end) {
    if ((flags & FTS5_TOKEN_COLOCATED) == 0)
        static_cast<std::vector<ByteRange> *>(context)->push_back({start, end});
    return SQLITE_OK;
}

void MatchRangesFunction(const Fts5ExtensionApi *api, Fts5Context *fts, sqlite3_context *result,
                         int, sqlite3_value **) {
    const char *text = nullptr;
    int size = 0;
    std::vector<ByteRange> tokens;
    int instances = 0;
    int code = api->xColumnText(fts, 0, &text, &size);
    if (code == SQLITE_OK && text != nullptr)
        code = api->xTokenize(fts, text, size, &tokens, CollectToken);
    if (code == SQLITE_OK)
        code = api->xInstCount(fts, &instances);
    std::vector<ByteRange> ranges;
    for (int i = 0; code == SQLITE_OK && i < instances; ++i) {
        int phrase = 0;
        int column = 0;
        int first = 0;
        code = api->xInst(fts, i, &phrase, &column, &first);
        const int last = first + api->xPhraseSize(fts, phrase) - 1;
        // Column 1 holds the conversation's id, not text.
        if (code == SQLITE_OK && column == 0 && first >= 0 && last >= first &&
            std::size_t(last) < tokens.size())
            ranges.push_back({tokens[std::size_t(first)].Start, tokens[std::size_t(last)].End});
    }
    if (code != SQLITE_OK) {
        sqlite3_result_error_code(result, code);
        return;
    }
    sqlite3_result_blob(result, ranges.data(), int(ranges.size() * sizeof(ByteRange)),
                        SQLITE_TRANSIENT);
}

// Advances over the UTF-8 text counting QString positions (a code point
// beyond the basic plane takes two).
class Utf16Counter {
public:
    explicit Utf16Counter(std::string_view text) : FText(text) {}
    int PositionOf(std::size_t byte) {
        while (FByte < byte && FByte < FText.size()) {
            const auto lead = static_cast<unsigned char>(FText[FByte]);
            const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            FPosition += length == 4 ? 2 : 1;
            FByte += length;
        }
        return FPosition;
    }

private:
    std::string_view FText;
    std::size_t FByte = 0;
    int FPosition = 0;
};

} // namespace

void RegisterMatchRanges(sqlite3 *db) {
    fts5_api *api = nullptr;
    sqlite3_stmt *statement = nullptr;
    Check(db, sqlite3_prepare_v2(db, "SELECT fts5(?1)", -1, &statement, nullptr), "fts5");
    sqlite3_bind_pointer(statement, 1, &api, "fts5_api_ptr", nullptr);
    sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (api == nullptr)
        throw SqliteError(SQLITE_ERROR, "FTS5 is not available");
    Check(db, api->xCreateFunction(api, "match_ranges", nullptr, MatchRangesFunction, nullptr),
          "match_ranges");
}

QList<MatchRange> DecodeMatchRanges(std::string_view encoded, std::string_view utf8Text) {
    std::vector<ByteRange> ranges(encoded.size() / sizeof(ByteRange));
    if (!ranges.empty())
        std::memcpy(ranges.data(), encoded.data(), ranges.size() * sizeof(ByteRange));
    std::sort(ranges.begin(), ranges.end(),
              [](const ByteRange &a, const ByteRange &b) { return a.Start < b.Start; });
    // Merged in bytes first, so the counter below only moves forward.
    std::vector<ByteRange> merged;
    for (const ByteRange &range : ranges) {
        if (range.Start < 0 || range.End <= range.Start || std::size_t(range.End) > utf8Text.size())
            continue;
        if (!merged.empty() && range.Start <= merged.back().End)
            merged.back().End = std::max(merged.back().End, range.End);
        else
            merged.push_back(range);
    }
    QList<MatchRange> marks;
    Utf16Counter counter(utf8Text);
    for (const ByteRange &range : merged) {
        const int start = counter.PositionOf(std::size_t(range.Start));
        marks.append({start, counter.PositionOf(std::size_t(range.End)) - start});
    }
    return marks;
}

} // namespace hbquor::history
