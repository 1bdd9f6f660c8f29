// SPDX-License-Identifier: MIT
// The thread that writes the history file. It takes the queued lines in
// batches (up to MaxBatch lines, or what came within BatchDelay of the
// first) and writes each batch in one short transaction, then carries out
// deletions and pruning. A file locked by another program is tried again
// later; a damaged one is moved aside and a fresh one started; a full disk
// ends the writing of lines for the run. Each such fault is reported once,
// as one line, through the report function, called on the writer's thread.
#pragma once

#include "HistoryFile.h"
#include "WriteQueue.h"

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <thread>

namespace hbquor::history {

class HistoryWriter {
    Q_DECLARE_TR_FUNCTIONS(HistoryWriter)

public:
    static constexpr std::size_t MaxBatch = 5000;
    static constexpr std::chrono::milliseconds BatchDelay{100};

    using Report = std::function<void(const QString &line)>;

    /// db: the open file, or none when nothing can be written this run.
    /// ownsFile: this copy of the program holds the writer's lock, appends
    /// lines and replaces a damaged file; another copy only deletes.
    HistoryWriter(QString path, Connection db, bool ownsFile, WriteQueue &queue, Report report);
    /// Writes what is queued, then ends the thread.
    ~HistoryWriter();
    HistoryWriter(const HistoryWriter &) = delete;
    HistoryWriter &operator=(const HistoryWriter &) = delete;

    /// Counts the times the file was replaced, so readers know to reopen it.
    int Generation() const { return FGeneration.load(); }

private:
    struct Statements;

    void Run();
    void Handle(WriterWork &work);
    void WriteLines(const std::vector<QueuedLine> &lines);
    qint64 ConversationId(const QueuedLine &queued);
    void DeleteLines(const DeleteRequest &request);
    void DeleteWhere(const char *condition, const std::function<void(Statement &)> &bind);
    void Prune(qint64 beforeMs);
    void Replace();
    /// Runs step, retrying while the file is busy; false when it failed.
    bool Attempt(const std::function<void()> &step);
    void UseConnection(Connection db);

    QString FPath;
    Connection FDb;
    bool FOwnsFile;
    std::unique_ptr<Statements> FStatements;
    WriteQueue &FQueue;
    Report FReport;
    /// Conversation ids by their keys, with the names last written, for
    /// the batch being written.
    std::map<std::string, std::pair<qint64, QStringList>> FConversations;
    std::atomic<int> FGeneration{0};
    /// Set when the store closes: waits for another copy's lock are cut
    /// short, and lines that cannot be written then are given up.
    std::atomic<bool> FEnding{false};
    const BusyWait FBusyWait{4000, 500, &FEnding};
    /// Writing lines failed; the fault has been reported.
    bool FLinesStopped = false;
    std::thread FThread;
};

} // namespace hbquor::history
