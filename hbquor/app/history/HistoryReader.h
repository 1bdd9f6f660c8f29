// SPDX-License-Identifier: MIT
// The history's queries, run on the caller's thread through a connection of
// their own: a conversation's pages, the lines around one line, search and
// export. Lines appended but not yet written are taken from the write queue
// and deleted ones are hidden at once, so the caller sees its own changes
// immediately. A damaged file makes the writer replace it.
#pragma once

#include "Sqlite.h"
#include "WriteQueue.h"

#include <QIODevice>

#include <memory>
#include <optional>

namespace hbquor::history {

class HistoryReader {
public:
    /// queue: the lines appended in this run, or none when this run keeps
    /// none.
    HistoryReader(QString path, WriteQueue &queue);
    ~HistoryReader();

    /// Drops the connection when the writer's generation has changed (the
    /// file was replaced); the next query reopens it.
    void Follow(int generation);

    /// Up to limit lines of the conversation with ids between afterId and
    /// beforeId (exclusive), oldest first: the newest such lines, or the
    /// oldest when newest is false.
    QList<Line> Page(const Account &account, const QString &peer, qint64 afterId, qint64 beforeId,
                     int limit, bool newest);
    QList<Line> Around(const Account &account, qint64 id, int context);
    SearchResult Search(const Account &account, const QString &query, const SearchFilter &filter,
                        int limit);
    bool Export(const Account &account, const QString &peer, ExportFormat format, QIODevice &out);

private:
    struct Conversation {
        qint64 Id = 0;
        QString Peer;
    };

    /// The open connection, opened if need be; null when it cannot be.
    Connection *Db();
    std::optional<Conversation> Find(Connection &db, const ConversationKey &key);
    QList<Line> PageOf(const Account &account, const ConversationKey &key, qint64 afterId,
                       qint64 beforeId, int limit, bool newest);
    /// Runs query, turning a failure into fallback; damage is handed to the
    /// writer.
    template <typename Result, typename Query> Result Guarded(Result fallback, Query query);

    QString FPath;
    WriteQueue &FQueue;
    Connection FDb;
    int FGeneration = 0;
};

} // namespace hbquor::history
