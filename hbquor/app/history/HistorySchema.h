// SPDX-License-Identifier: MIT
// The layout of the history file and its checks on opening.
//
//   conversations   one row per account and peer (user or channel)
//     id            INTEGER PRIMARY KEY
//     server_key    the server's "host:port" without case
//     user_key      the account's user name, trimmed, A to Z folded
//     peer_key      the peer's name in the same form; '' for the account's
//                   own logon and logoff
//     server, user, peer   the same names as last written, for showing
//     UNIQUE (server_key, user_key, peer_key)
//
//   lines           one row per line, in the order the lines arrived
//     id            INTEGER PRIMARY KEY AUTOINCREMENT: given by the writer
//                   when a line is appended; never reused, so a line keeps
//                   its id for links and unread marks
//     conversation_id   the row of conversations
//     kind          LineKind (0 text, 1 offline text, 2 channel text,
//                   3 broadcast, 4 invitation, 5 logon, 6 logoff)
//     direction     0 received, 1 sent
//     sender        who said it, as written
//     at_ms         when it was said: UTC milliseconds since 1970
//     text          the text, stored once
//     index lines_by_conversation (conversation_id, id): a window's pages
//
//   lines_text      FTS5 over lines (external content: content='lines',
//                   content_rowid='id', so the text is not stored twice),
//                   columns text and conversation_id. The conversation's id
//                   is indexed as a word of its own column so that a search
//                   in one conversation is an index intersection, not a scan.
//                   Kept in step by the writer, not by triggers: deleting a
//                   whole history is then one 'delete-all'. Tokenizer
//                   unicode61 with diacritics removed (cafe finds café);
//                   prefixes of 2 and 3 characters indexed, so to* and
//                   tom* are one lookup rather than a merge of every word
//                   they begin (longer prefixes begin few words). Parts of
//                   the index merge 8 at a time (automerge), not 4: less
//                   work per line written, for searches that stay fast.
//
// PRAGMA user_version is the schema's version (1); a file of a newer
// version is left alone. The file runs in WAL mode with synchronous=NORMAL.
#pragma once

namespace hbquor::history {

class Connection;

inline constexpr int SchemaVersion = 1;

/// The file holds no history of this program, or a damaged one.
struct ForeignFile {};
/// The file was written by a newer version of the program.
struct NewerFile {};

/// Sets the connection's pragmas (WAL, synchronous, busy handling), then
/// creates the tables in an empty file or checks them in an existing one.
/// Throws ForeignFile, NewerFile or SqliteError.
void PrepareSchema(Connection &db);

/// The pragmas of a connection to a prepared file: one that only queries,
/// or one that may delete too.
void PrepareReader(Connection &db, bool queryOnly);

} // namespace hbquor::history
