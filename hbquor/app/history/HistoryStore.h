// SPDX-License-Identifier: MIT
// HistoryStore: the lasting history of everything said, one SQLite file per
// user ("history.sqlite" in the per-user data folder). The program appends
// each line as it is said; windows open with a conversation's past, page
// back through it, search it and export it; the user turns history off,
// deletes it or has it pruned after some days.
//
// Appending never blocks: lines are queued and a thread of the store writes
// them in batches. Reads run on the caller's thread and see every line
// appended before them. Faults (a damaged file replaced, a full disk, a
// second copy of the program) never stop the program: each is reported once
// as one line through Fault, on the store's thread, for the log pane.
// Without an open file the store keeps nothing and answers every query
// with nothing.
#pragma once

#include "HistoryTypes.h"

#include <QIODevice>
#include <QObject>

#include <memory>

namespace hbquor::history {

class HistoryReader;
class HistoryWriter;
class WriteQueue;
class WriterLock;

class HistoryStore : public QObject {
    Q_OBJECT

public:
    /// Lines a window opens with.
    static constexpr int WindowLines = 200;

    explicit HistoryStore(QObject *parent = nullptr);
    /// Writes what is still queued; waits for another program's lock on the
    /// file half a second at most.
    ~HistoryStore() override;

    /// Opens the file at path, creating it and its folder when missing. True
    /// when this run keeps history; otherwise Fault has said why (another
    /// copy of the program keeps it: then the past can still be read).
    bool Open(const QString &path);

    /// HistoryKeep: off stops writing at once; lines not yet written go.
    void SetKeep(bool keep);
    /// Lines appended now are kept.
    bool Keeps() const;

    /// Queues the line and returns the id it will have, or 0 when it is not
    /// kept (history off, not open, or the queue is full). Never blocks.
    qint64 Append(const Line &line);

    /// The newest limit lines with peer before beforeId (0: the newest of
    /// all), oldest first: a window's opening lines and its older pages.
    QList<Line> Recent(const Account &account, const QString &peer, int limit = WindowLines,
                       qint64 beforeId = 0);
    /// The oldest limit lines with peer after afterId, oldest first.
    QList<Line> Following(const Account &account, const QString &peer, int limit, qint64 afterId);
    /// The line with that id and up to context lines before and after it in
    /// its conversation (to open a search hit); empty when the line is gone
    /// or belongs to another account.
    QList<Line> Around(const Account &account, qint64 id, int context);

    /// Lines of the account matching the query: words, "phrases" and
    /// prefix*, all required, newest first, at most limit; a query that is
    /// no valid search finds nothing, never an error.
    SearchResult Search(const Account &account, const QString &query,
                        const SearchFilter &filter = {}, int limit = 50);

    /// Deletes what was said with one peer or channel / on one account /
    /// everything in the file. Gone from every answer at once; the writer
    /// also wipes the words from the index.
    void Delete(const Account &account, const QString &peer);
    void DeleteAccount(const Account &account);
    void DeleteEverything();

    /// Writes the conversation to out, oldest first; false when out or the
    /// file failed.
    bool Export(const Account &account, const QString &peer, ExportFormat format, QIODevice &out);

    /// HistoryDays: deletes the lines older than that many days; 0 keeps all.
    void Prune(int olderThanDays);

    /// Waits until every line appended so far is written; false on timeout.
    bool Flush(int timeoutMs);

signals:
    /// One line for the log pane.
    void Fault(const QString &line);

private:
    void Report(const QString &line);

    std::unique_ptr<WriteQueue> FQueue;
    std::unique_ptr<WriterLock> FLock;
    std::unique_ptr<HistoryReader> FReader;
    std::unique_ptr<HistoryWriter> FWriter;
};

} // namespace hbquor::history
