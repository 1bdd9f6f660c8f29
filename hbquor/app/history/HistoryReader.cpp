// SPDX-License-Identifier: MIT
#include "HistoryReader.h"

#include "HistoryFile.h"
#include "LineText.h"
#include "MatchRanges.h"
#include "SearchQuery.h"

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <map>

namespace hbquor::history {

namespace {

constexpr qint64 NoId = std::numeric_limits<qint64>::max();

// The columns every line query reads, in this order, after conversation
// columns of its own.
constexpr const char *LineColumns = "l.id, l.kind, l.direction, l.sender, l.at_ms, l.text";

Line LineFrom(const Statement &row, int first, const Account &account, const QString &peer) {
    Line line;
    line.Id = row.Int(first);
    line.Owner = account;
    line.Peer = peer;
    line.Kind = LineKind(row.Int(first + 1));
    line.Direction = LineDirection(row.Int(first + 2));
    line.Sender = row.Text(first + 3);
    line.AtMs = row.Int(first + 4);
    line.Text = row.Text(first + 5);
    return line;
}

} // namespace

HistoryReader::HistoryReader(QString path, WriteQueue &queue)
    : FPath(std::move(path)), FQueue(queue) {}

HistoryReader::~HistoryReader() = default;

void HistoryReader::Follow(int generation) {
    if (generation != FGeneration) {
        FGeneration = generation;
        FDb = Connection();
    }
}

Connection *HistoryReader::Db() {
    if (!FDb.IsOpen()) {
        try {
            Connection db = OpenExisting(FPath, Access::Query);
            RegisterMatchRanges(db.Handle());
            FDb = std::move(db);
        } catch (const SqliteError &) {
            return nullptr;
        }
    }
    return &FDb;
}

template <typename Result, typename Query>
Result HistoryReader::Guarded(Result fallback, Query query) {
    Connection *db = Db();
    if (db == nullptr)
        return fallback;
    try {
        return query(*db);
    } catch (const SqliteError &error) {
        if (IsDamage(error.Code()))
            FQueue.Recover();
        if (!sqlite3_get_autocommit(db->Handle()))
            sqlite3_exec(db->Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        return fallback;
    }
}

std::optional<HistoryReader::Conversation> HistoryReader::Find(Connection &db,
                                                               const ConversationKey &key) {
    Statement find(db, "SELECT id, peer FROM conversations "
                       "WHERE server_key = ?1 AND user_key = ?2 AND peer_key = ?3");
    if (!find.Bind(key.Server).Bind(key.User).Bind(key.Peer).Step())
        return std::nullopt;
    return Conversation{find.Int(0), find.Text(1)};
}

QList<Line> HistoryReader::Page(const Account &account, const QString &peer, qint64 afterId,
                                qint64 beforeId, int limit, bool newest) {
    return PageOf(account, KeyOf(account, peer), afterId, beforeId, limit, newest);
}

QList<Line> HistoryReader::PageOf(const Account &account, const ConversationKey &key,
                                  qint64 afterId, qint64 beforeId, int limit, bool newest) {
    if (limit <= 0)
        return {};
    // Taken before the file is read: a line committed meanwhile is then in
    // both, and never in neither.
    const PendingView pending = FQueue.View(key, afterId, beforeId);
    std::map<qint64, Line> lines;
    Guarded(false, [&](Connection &db) {
        const auto conversation = Find(db, key);
        if (!conversation)
            return false;
        Statement page(db, std::string("SELECT ") + LineColumns +
                               " FROM lines l WHERE l.conversation_id = ?1 AND l.id > ?2 AND "
                               "l.id < ?3 ORDER BY l.id " +
                               (newest ? "DESC" : "ASC") + " LIMIT ?4");
        page.Bind(conversation->Id).Bind(afterId).Bind(beforeId).Bind(qint64(limit));
        while (page.Step())
            if (!pending.Hides(key, page.Int(0)))
                lines.emplace(page.Int(0), LineFrom(page, 0, account, conversation->Peer));
        return true;
    });
    for (const Line &line : pending.Lines)
        if (!pending.Hides(key, line.Id))
            lines.emplace(line.Id, line);
    QList<Line> result;
    for (auto &[id, line] : lines)
        result.append(std::move(line));
    if (result.size() > limit)
        result = newest ? result.mid(result.size() - limit) : result.first(limit);
    return result;
}

QList<Line> HistoryReader::Around(const Account &account, qint64 id, int context) {
    auto key = Guarded(std::optional<ConversationKey>(), [&](Connection &db) {
        Statement find(db, "SELECT c.server_key, c.user_key, c.peer_key "
                           "FROM lines l JOIN conversations c ON c.id = l.conversation_id "
                           "WHERE l.id = ?1");
        if (!find.Bind(id).Step())
            return std::optional<ConversationKey>();
        return std::optional(ConversationKey{std::string(find.Bytes(0)), std::string(find.Bytes(1)),
                                             std::string(find.Bytes(2))});
    });
    if (!key)
        if (const auto queued = FQueue.Find(id))
            key = queued->Key;
    if (!key || !key->SameAccount(KeyOf(account, QString())))
        return {};
    return PageOf(account, *key, 0, id + 1, context + 1, true) +
           PageOf(account, *key, id, NoId, context, false);
}

SearchResult HistoryReader::Search(const Account &account, const QString &query,
                                   const SearchFilter &filter, int limit) {
    const QString expression = MatchExpression(query);
    if (expression.isEmpty() || limit <= 0)
        return {};
    const ConversationKey key = KeyOf(account, filter.Peer);
    const PendingView pending = FQueue.Deletions();
    SearchResult failed;
    failed.Failed = true;
    return Guarded(failed, [&](Connection &db) {
        QString match = QStringLiteral("text : (%1)").arg(expression);
        if (!filter.Peer.isEmpty()) {
            const auto conversation = Find(db, key);
            if (!conversation)
                return SearchResult();
            // The conversation's id is a word of its own column: the index
            // intersects the two instead of testing every hit.
            match += QStringLiteral(" AND conversation_id : \"%1\"").arg(conversation->Id);
        }
        Statement search(db, std::string("SELECT c.peer_key, c.peer, ") + LineColumns +
                                 ", match_ranges(lines_text) FROM lines_text "
                                 "CROSS JOIN lines l ON l.id = lines_text.rowid "
                                 "CROSS JOIN conversations c ON c.id = l.conversation_id "
                                 "WHERE lines_text MATCH ?1 AND lines_text.rowid < ?2 "
                                 "AND c.server_key = ?3 AND c.user_key = ?4 "
                                 "AND l.at_ms >= ?5 AND l.at_ms < ?6 "
                                 "ORDER BY lines_text.rowid DESC LIMIT ?7");
        search.Bind(match)
            .Bind(filter.BeforeId > 0 ? filter.BeforeId : NoId)
            .Bind(key.Server)
            .Bind(key.User)
            .Bind(filter.FromMs)
            .Bind(filter.ToMs)
            .Bind(qint64(limit));
        SearchResult result;
        while (search.Step()) {
            const ConversationKey hitKey{key.Server, key.User, std::string(search.Bytes(0))};
            if (pending.Hides(hitKey, search.Int(2)))
                continue;
            Hit hit{LineFrom(search, 2, account, search.Text(1)), {}};
            hit.Marks = DecodeMatchRanges(search.Bytes(8), search.Bytes(7));
            result.Hits.append(std::move(hit));
        }
        return result;
    });
}

bool HistoryReader::Export(const Account &account, const QString &peer, ExportFormat format,
                           QIODevice &out) {
    const ConversationKey key = KeyOf(account, peer);
    const PendingView pending = FQueue.View(key, 0, NoId);
    const auto write = [&](const Line &line) {
        const QByteArray bytes =
            format == ExportFormat::JsonLines ? JsonLine(line) : PlainTextLine(line);
        return out.write(bytes) == bytes.size();
    };
    qint64 lastId = 0;
    const bool written = Guarded(false, [&](Connection &db) {
        const auto conversation = Find(db, key);
        if (!conversation)
            return true;
        Statement all(db, std::string("SELECT ") + LineColumns +
                              " FROM lines l WHERE l.conversation_id = ?1 ORDER BY l.id");
        all.Bind(conversation->Id);
        while (all.Step()) {
            lastId = all.Int(0);
            if (!pending.Hides(key, lastId) &&
                !write(LineFrom(all, 0, account, conversation->Peer)))
                return false;
        }
        return true;
    });
    if (!written)
        return false;
    // Pending lines are newer than every line in the file but those being
    // committed right now, which the file already gave.
    for (const Line &line : pending.Lines)
        if (line.Id > lastId && !pending.Hides(key, line.Id) && !write(line))
            return false;
    return true;
}

} // namespace hbquor::history
