// SPDX-License-Identifier: MIT
#include "HistorySchema.h"

#include "Sqlite.h"

#include <sqlite3.h>

#include <QStringList>

namespace hbquor::history {

namespace {

constexpr const char *CreateTables = R"(
CREATE TABLE conversations(
  id INTEGER PRIMARY KEY,
  server_key TEXT NOT NULL,
  user_key TEXT NOT NULL,
  peer_key TEXT NOT NULL,
  server TEXT NOT NULL,
  user TEXT NOT NULL,
  peer TEXT NOT NULL,
  UNIQUE (server_key, user_key, peer_key));
CREATE TABLE lines(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  conversation_id INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  direction INTEGER NOT NULL,
  sender TEXT NOT NULL,
  at_ms INTEGER NOT NULL,
  text TEXT NOT NULL);
CREATE INDEX lines_by_conversation ON lines(conversation_id, id);
CREATE VIRTUAL TABLE lines_text USING fts5(text, conversation_id,
  content='lines', content_rowid='id',
  tokenize='unicode61 remove_diacritics 2', prefix='2 3', columnsize=0);
INSERT INTO lines_text (lines_text, rank) VALUES ('automerge', 8);
PRAGMA user_version = 1;
)";

const QStringList OurTables = {QStringLiteral("conversations"), QStringLiteral("lines"),
                               QStringLiteral("lines_text")};

// The writer waits a few seconds for another copy's lock and then retries
// later; a reader runs on the window's thread and waits very little.
constexpr BusyWait WriterOpenWait{4000, 4000, nullptr};
constexpr BusyWait ReaderWait{250, 250, nullptr};

void SetCommonPragmas(Connection &db, const BusyWait &wait) {
    SetBusyWait(db.Handle(), wait);
    // Reading the schema is the first read of the file: a file that is not
    // a database fails here.
    if (db.Word("PRAGMA journal_mode = WAL").compare(QLatin1String("wal"), Qt::CaseInsensitive))
        throw SqliteError(SQLITE_CANTOPEN, "WAL journal not available");
    db.Execute("PRAGMA synchronous = NORMAL; PRAGMA temp_store = MEMORY");
}

} // namespace

void PrepareSchema(Connection &db) {
    SetCommonPragmas(db, WriterOpenWait);
    // Keeps the WAL file small after a large write.
    db.Execute("PRAGMA journal_size_limit = 8388608; PRAGMA cache_size = -32768");
    db.Execute("BEGIN IMMEDIATE");
    try {
        const auto version = db.Number("PRAGMA user_version");
        if (version > SchemaVersion)
            throw NewerFile{};
        QStringList tables;
        Statement names(db, "SELECT name FROM sqlite_schema WHERE type = 'table'");
        while (names.Step())
            tables << names.Text(0);
        if (version == 0 && tables.isEmpty()) {
            db.Execute(CreateTables);
        } else {
            for (const QString &table : OurTables)
                if (version == 0 || !tables.contains(table))
                    throw ForeignFile{};
        }
        db.Execute("COMMIT");
    } catch (...) {
        sqlite3_exec(db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void PrepareReader(Connection &db, bool queryOnly) {
    SetCommonPragmas(db, ReaderWait);
    db.Execute("PRAGMA cache_size = -16384");
    if (queryOnly)
        db.Execute("PRAGMA query_only = 1");
}

} // namespace hbquor::history
