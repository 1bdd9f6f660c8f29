// SPDX-License-Identifier: MIT
// The lines and requests waiting for the history's writer thread, shared
// with the thread that appends and reads. Appending never waits for the
// writer: it takes the lock only to give the line its id and queue it. When
// the writer falls behind by Capacity lines (a file locked by another
// program, a very slow disk), further lines are dropped, not queued without
// end, and the first drop of each such spell is reported once.
//
// Lines stay visible to readers from the moment they are appended until the
// writer has committed them, so a window opened at any moment sees every
// line said before, exactly once.
#pragma once

#include "HistoryTypes.h"
#include "NameKeys.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace hbquor::history {

struct QueuedLine {
    Line Value;
    ConversationKey Key;
};

/// Lines to delete: those of one conversation, of one account or of every
/// account, that were appended before the request.
struct DeleteRequest {
    enum class Reach { Conversation, Account, Everything };
    Reach Extent = Reach::Conversation;
    ConversationKey Key;
    qint64 UpToId = 0;

    bool Covers(const ConversationKey &key, qint64 id) const;
};

/// What the writer is to do next.
struct WriterWork {
    /// Shared with the queue's readers until Finish; nobody changes them.
    std::shared_ptr<const std::vector<QueuedLine>> Lines;
    std::vector<DeleteRequest> Deletes;
    std::optional<qint64> PruneBeforeMs;
    /// A reader found the file damaged.
    bool Recover = false;
    /// Nothing is left and the writer is to end.
    bool Stopping = false;
};

/// What a reader must add to, and hide from, what it read in the file.
/// Taken before reading the file, so nothing committed meanwhile is missed.
struct PendingView {
    std::vector<Line> Lines;
    std::vector<DeleteRequest> Deletes;

    bool Hides(const ConversationKey &key, qint64 id) const;
};

class WriteQueue {
public:
    static constexpr std::size_t Capacity = 50000;

    /// Lines are accepted once the writer knows the last id in the file.
    void StartIds(qint64 lastUsedId);
    /// The writer can write no more this run: queued lines go.
    void StopWriting();
    /// The user's choice; off drops what is queued.
    void SetKeep(bool keep);
    bool Keeps() const;

    /// Queues the line under key and returns its id, or 0 when it is not
    /// kept; firstDrop is set when this is the first line of a spell that
    /// the full queue drops.
    qint64 Push(Line line, ConversationKey key, bool &firstDrop);

    void Delete(DeleteRequest::Reach extent, ConversationKey key);
    void Prune(qint64 beforeMs);
    void Recover();
    /// The writer writes what is queued and ends.
    void Stop();
    bool IsStopping() const;
    /// Waits up to timeout, less when Stop comes.
    void WaitForStop(std::chrono::milliseconds timeout);

    /// Waits for work: requests at once, lines once maxLines are queued or
    /// gather has passed since the first of them came.
    WriterWork Take(std::size_t maxLines, std::chrono::milliseconds gather);
    /// The work taken last is done or given up.
    void Finish();
    /// Waits until everything queued so far is done; false on timeout.
    bool WaitIdle(std::chrono::milliseconds timeout);

    /// Lines of the conversation with ids in (afterId, beforeId) that the
    /// file may not hold yet, and the deletions still to be done.
    PendingView View(const ConversationKey &key, qint64 afterId, qint64 beforeId) const;
    /// Only the deletions still to be done.
    PendingView Deletions() const;
    /// The queued line with that id.
    std::optional<QueuedLine> Find(qint64 id) const;

private:
    bool HasRequests() const;
    bool IsIdle() const;
    PendingView DeletionsLocked() const;

    mutable std::mutex FMutex;
    std::condition_variable FWake;
    std::condition_variable FIdle;
    std::deque<QueuedLine> FQueue;
    std::shared_ptr<const std::vector<QueuedLine>> FInFlight;
    std::vector<DeleteRequest> FWaitingDeletes;
    std::vector<DeleteRequest> FRunningDeletes;
    std::optional<qint64> FPruneBeforeMs;
    std::chrono::steady_clock::time_point FFirstQueuedAt;
    qint64 FNextId = 0;
    bool FAble = false;
    bool FKeep = true;
    bool FDropping = false;
    bool FRecover = false;
    bool FStop = false;
    bool FWorking = false;
};

} // namespace hbquor::history
