// SPDX-License-Identifier: MIT
#include "HistoryWriter.h"

#include <sqlite3.h>

#include <QStringList>

#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace hbquor::history {

namespace {

constexpr int WriterNiceness = 10;
constexpr auto BusyRetryDelay = std::chrono::milliseconds(500);
// Deletions go in slices, so each transaction stays short.
constexpr int DeleteSlice = 5000;

std::string CacheKey(const ConversationKey &key) {
    return key.Server + '\n' + key.User + '\n' + key.Peer;
}

std::string_view View(const QByteArray &bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

struct SecureDeleteOff {
    Connection &Db;
    ~SecureDeleteOff() {
        sqlite3_exec(Db.Handle(), "PRAGMA secure_delete = OFF", nullptr, nullptr, nullptr);
    }
};

void RollBack(Connection &db) {
    if (db.IsOpen() && !sqlite3_get_autocommit(db.Handle()))
        sqlite3_exec(db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

} // namespace

struct HistoryWriter::Statements {
    explicit Statements(const Connection &db)
        : FindConversation(db, "SELECT id, server, user, peer FROM conversations "
                               "WHERE server_key = ?1 AND user_key = ?2 AND peer_key = ?3"),
          AddConversation(db, "INSERT INTO conversations "
                              "(server_key, user_key, peer_key, server, user, peer) "
                              "VALUES (?1, ?2, ?3, ?4, ?5, ?6)"),
          RenameConversation(db, "UPDATE conversations SET server = ?1, user = ?2, peer = ?3 "
                                 "WHERE id = ?4"),
          AddLine(db, "INSERT INTO lines "
                      "(id, conversation_id, kind, direction, sender, at_ms, text) "
                      "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"),
          IndexLine(db, "INSERT INTO lines_text (rowid, text, conversation_id) "
                        "VALUES (?1, ?2, ?3)") {}

    Statement FindConversation;
    Statement AddConversation;
    Statement RenameConversation;
    Statement AddLine;
    Statement IndexLine;
};

HistoryWriter::HistoryWriter(QString path, Connection db, bool ownsFile, WriteQueue &queue,
                             Report report)
    : FPath(std::move(path)), FOwnsFile(ownsFile), FQueue(queue), FReport(std::move(report)) {
    UseConnection(std::move(db));
    FThread = std::thread([this] { Run(); });
}

HistoryWriter::~HistoryWriter() {
    FEnding = true;
    FQueue.Stop();
    FThread.join();
}

void HistoryWriter::UseConnection(Connection db) {
    FStatements.reset();
    FConversations.clear();
    FDb = std::move(db);
    if (!FDb.IsOpen())
        return;
    SetBusyWait(FDb.Handle(), FBusyWait);
    FStatements = std::make_unique<Statements>(FDb);
}

void HistoryWriter::Run() {
    // Background work: the program's own thread goes first for a processor.
    setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), WriterNiceness);
    pthread_setname_np(pthread_self(), "history writer");
    for (;;) {
        WriterWork work = FQueue.Take(MaxBatch, BatchDelay);
        Handle(work);
        FQueue.Finish();
        if (work.Stopping)
            return;
    }
}

void HistoryWriter::Handle(WriterWork &work) {
    if (!FStatements)
        return;
    if (work.Recover && FOwnsFile)
        Replace();
    // Deletions first: lines written in this turn were appended after them.
    if (!work.Deletes.empty()) {
        Attempt([&] {
            FDb.Execute("PRAGMA secure_delete = ON");
            const SecureDeleteOff off{FDb};
            for (const DeleteRequest &request : work.Deletes)
                DeleteLines(request);
            // Rewrites the index without the deleted lines' words and leaves
            // no copy of them in the write-ahead log.
            FDb.Execute("INSERT INTO lines_text (lines_text) VALUES ('optimize');"
                        "PRAGMA wal_checkpoint(TRUNCATE)");
        });
    }
    if (work.Lines && !work.Lines->empty())
        Attempt([&] { WriteLines(*work.Lines); });
    // After the lines, so old lines that came with them go too.
    if (work.PruneBeforeMs)
        Attempt([&] { Prune(*work.PruneBeforeMs); });
}

bool HistoryWriter::Attempt(const std::function<void()> &step) {
    bool replaced = false;
    for (;;) {
        try {
            step();
            return true;
        } catch (const SqliteError &error) {
            RollBack(FDb);
            FConversations.clear();
            const int code = error.Code();
            if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
                // Another program holds the file: the lines wait in memory,
                // unless the program is closing.
                if (FEnding) {
                    FQueue.StopWriting();
                    return false;
                }
                FQueue.WaitForStop(BusyRetryDelay);
                continue;
            }
            if (IsDamage(code)) {
                // The copy of the program that writes the file replaces it.
                if (!FOwnsFile || replaced)
                    return false;
                replaced = true;
                Replace();
                if (FStatements)
                    continue;
                return false;
            }
            // The connection stays, so that deleting (which may free room)
            // still works; lines are no longer taken.
            FQueue.StopWriting();
            if (!std::exchange(FLinesStopped, true))
                FReport(error.IsFull() ? tr("History: the disk is full; no more lines are kept "
                                            "this run")
                                       : tr("History: lines cannot be written (%1); no more "
                                            "lines are kept this run")
                                             .arg(QString::fromUtf8(error.what())));
            return false;
        }
    }
}

void HistoryWriter::Replace() {
    UseConnection(Connection());
    OpenedFile fresh = ReplaceDamaged(FPath);
    UseConnection(std::move(fresh.Db));
    ++FGeneration;
    if (!FStatements)
        FQueue.StopWriting();
    FReport(fresh.Fault);
}

void HistoryWriter::WriteLines(const std::vector<QueuedLine> &lines) {
    FDb.Execute("BEGIN IMMEDIATE");
    // Another copy of the program may have deleted conversations since the
    // last batch; within the transaction nobody can.
    FConversations.clear();
    for (const QueuedLine &queued : lines) {
        const Line &line = queued.Value;
        const qint64 conversation = ConversationId(queued);
        const QByteArray text = line.Text.toUtf8();
        FStatements->AddLine.Reset()
            .Bind(line.Id)
            .Bind(conversation)
            .Bind(qint64(line.Kind))
            .Bind(qint64(line.Direction))
            .Bind(line.Sender)
            .Bind(line.AtMs)
            .Bind(View(text))
            .Run();
        FStatements->IndexLine.Reset().Bind(line.Id).Bind(View(text)).Bind(conversation).Run();
    }
    FDb.Execute("COMMIT");
}

qint64 HistoryWriter::ConversationId(const QueuedLine &queued) {
    const ConversationKey &key = queued.Key;
    const Line &line = queued.Value;
    const QStringList names{line.Owner.Server, line.Owner.User, line.Peer};
    auto found = FConversations.find(CacheKey(key));
    if (found == FConversations.end()) {
        Statement &find = FStatements->FindConversation.Reset();
        if (find.Bind(key.Server).Bind(key.User).Bind(key.Peer).Step()) {
            std::pair known{find.Int(0), QStringList{find.Text(1), find.Text(2), find.Text(3)}};
            // Done with the row: a statement left on it would hold the
            // table against the index's rewrite after a deletion.
            find.Reset();
            found = FConversations.emplace(CacheKey(key), std::move(known)).first;
        } else {
            Statement &add = FStatements->AddConversation.Reset();
            add.Bind(key.Server).Bind(key.User).Bind(key.Peer);
            for (const QString &name : names)
                add.Bind(name);
            add.Run();
            return FConversations
                .emplace(CacheKey(key), std::pair{sqlite3_last_insert_rowid(FDb.Handle()), names})
                .first->second.first;
        }
    }
    auto &[id, written] = found->second;
    // The names as last said, so a window shows the capitalisation in use.
    if (written != names) {
        Statement &rename = FStatements->RenameConversation.Reset();
        for (const QString &name : names)
            rename.Bind(name);
        rename.Bind(id).Run();
        written = names;
    }
    return id;
}

void HistoryWriter::DeleteLines(const DeleteRequest &request) {
    switch (request.Extent) {
    case DeleteRequest::Reach::Conversation:
        DeleteWhere("conversation_id IN (SELECT id FROM conversations WHERE server_key = ?1 "
                    "AND user_key = ?2 AND peer_key = ?3) AND id <= ?4",
                    [&](Statement &s) {
                        s.Bind(request.Key.Server).Bind(request.Key.User).Bind(request.Key.Peer);
                        s.Bind(request.UpToId);
                    });
        break;
    case DeleteRequest::Reach::Account:
        DeleteWhere("conversation_id IN (SELECT id FROM conversations WHERE server_key = ?1 "
                    "AND user_key = ?2) AND id <= ?3",
                    [&](Statement &s) {
                        s.Bind(request.Key.Server).Bind(request.Key.User).Bind(request.UpToId);
                    });
        break;
    case DeleteRequest::Reach::Everything:
        // Every line in the file was appended before the request (later
        // ones wait in the queue), so the index is emptied at once.
        FDb.Execute("BEGIN IMMEDIATE; DELETE FROM lines; DELETE FROM conversations;"
                    "INSERT INTO lines_text (lines_text) VALUES ('delete-all'); COMMIT");
        break;
    }
    FConversations.clear();
}

void HistoryWriter::DeleteWhere(const char *condition,
                                const std::function<void(Statement &)> &bind) {
    FDb.Execute("CREATE TEMP TABLE IF NOT EXISTS doomed (id INTEGER PRIMARY KEY)");
    Statement pick(FDb, std::string("INSERT INTO doomed SELECT id FROM lines WHERE ") + condition +
                            " LIMIT " + std::to_string(DeleteSlice));
    for (;;) {
        FDb.Execute("BEGIN IMMEDIATE");
        bind(pick.Reset());
        pick.Run();
        const int picked = sqlite3_changes(FDb.Handle());
        // The index forgets a line given its exact words, so before the row.
        FDb.Execute("INSERT INTO lines_text (lines_text, rowid, text, conversation_id) "
                    "SELECT 'delete', l.id, l.text, l.conversation_id "
                    "FROM doomed d JOIN lines l ON l.id = d.id;"
                    "DELETE FROM lines WHERE id IN (SELECT id FROM doomed);"
                    "DELETE FROM doomed;"
                    "DELETE FROM conversations WHERE NOT EXISTS "
                    "(SELECT 1 FROM lines WHERE conversation_id = conversations.id);"
                    "COMMIT");
        if (picked < DeleteSlice)
            return;
    }
}

void HistoryWriter::Prune(qint64 beforeMs) {
    // The rows are wiped; their words leave the index as its segments merge.
    FDb.Execute("PRAGMA secure_delete = ON");
    const SecureDeleteOff off{FDb};
    DeleteWhere("at_ms < ?1", [&](Statement &s) { s.Bind(beforeMs); });
    FConversations.clear();
}

} // namespace hbquor::history
