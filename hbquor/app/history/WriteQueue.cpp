// SPDX-License-Identifier: MIT
#include "WriteQueue.h"

#include <algorithm>
#include <limits>

namespace hbquor::history {

bool DeleteRequest::Covers(const ConversationKey &key, qint64 id) const {
    if (id > UpToId)
        return false;
    switch (Extent) {
    case Reach::Conversation:
        return key == Key;
    case Reach::Account:
        return key.SameAccount(Key);
    case Reach::Everything:
        return true;
    }
    return false;
}

bool PendingView::Hides(const ConversationKey &key, qint64 id) const {
    return std::any_of(Deletes.begin(), Deletes.end(),
                       [&](const DeleteRequest &request) { return request.Covers(key, id); });
}

void WriteQueue::StartIds(qint64 lastUsedId) {
    const std::lock_guard lock(FMutex);
    FNextId = lastUsedId + 1;
    FAble = true;
}

void WriteQueue::StopWriting() {
    const std::lock_guard lock(FMutex);
    FAble = false;
    FQueue.clear();
    FIdle.notify_all();
}

void WriteQueue::SetKeep(bool keep) {
    const std::lock_guard lock(FMutex);
    FKeep = keep;
    if (!keep)
        FQueue.clear();
    FIdle.notify_all();
}

bool WriteQueue::Keeps() const {
    const std::lock_guard lock(FMutex);
    return FKeep && FAble;
}

qint64 WriteQueue::Push(Line line, ConversationKey key, bool &firstDrop) {
    firstDrop = false;
    const std::lock_guard lock(FMutex);
    if (!FAble || !FKeep || FStop)
        return 0;
    // Dropping goes on until the writer has caught up by half.
    if (FDropping && FQueue.size() < Capacity / 2)
        FDropping = false;
    if (FQueue.size() >= Capacity) {
        firstDrop = !FDropping;
        FDropping = true;
        return 0;
    }
    if (FDropping)
        return 0;
    line.Id = FNextId++;
    if (FQueue.empty())
        FFirstQueuedAt = std::chrono::steady_clock::now();
    FQueue.push_back({std::move(line), std::move(key)});
    FWake.notify_one();
    return FQueue.back().Value.Id;
}

void WriteQueue::Delete(DeleteRequest::Reach extent, ConversationKey key) {
    const std::lock_guard lock(FMutex);
    DeleteRequest request{extent, std::move(key),
                          FAble ? FNextId - 1 : std::numeric_limits<qint64>::max()};
    std::erase_if(FQueue, [&](const QueuedLine &queued) {
        return request.Covers(queued.Key, queued.Value.Id);
    });
    FWaitingDeletes.push_back(std::move(request));
    FWake.notify_one();
}

void WriteQueue::Prune(qint64 beforeMs) {
    const std::lock_guard lock(FMutex);
    FPruneBeforeMs = std::max(FPruneBeforeMs.value_or(beforeMs), beforeMs);
    FWake.notify_one();
}

void WriteQueue::Recover() {
    const std::lock_guard lock(FMutex);
    FRecover = true;
    FWake.notify_one();
}

void WriteQueue::Stop() {
    const std::lock_guard lock(FMutex);
    FStop = true;
    FWake.notify_one();
}

bool WriteQueue::IsStopping() const {
    const std::lock_guard lock(FMutex);
    return FStop;
}

void WriteQueue::WaitForStop(std::chrono::milliseconds timeout) {
    std::unique_lock lock(FMutex);
    FWake.wait_for(lock, timeout, [&] { return FStop; });
}

bool WriteQueue::HasRequests() const {
    return !FWaitingDeletes.empty() || FPruneBeforeMs || FRecover;
}

bool WriteQueue::IsIdle() const {
    return FQueue.empty() && !HasRequests() && !FWorking;
}

WriterWork WriteQueue::Take(std::size_t maxLines, std::chrono::milliseconds gather) {
    std::unique_lock lock(FMutex);
    FWake.wait(lock, [&] { return FStop || HasRequests() || !FQueue.empty(); });
    const auto ready = [&] { return FStop || HasRequests() || FQueue.size() >= maxLines; };
    if (!ready())
        FWake.wait_until(lock, FFirstQueuedAt + gather, ready);

    WriterWork work;
    const auto end = FQueue.begin() + std::ptrdiff_t(std::min(maxLines, FQueue.size()));
    // Moved, not copied: the lock is held briefly whatever the batch.
    FInFlight = std::make_shared<const std::vector<QueuedLine>>(
        std::make_move_iterator(FQueue.begin()), std::make_move_iterator(end));
    FQueue.erase(FQueue.begin(), end);
    work.Lines = FInFlight;
    work.Deletes = FWaitingDeletes;
    FRunningDeletes = std::move(FWaitingDeletes);
    FWaitingDeletes.clear();
    work.PruneBeforeMs = std::exchange(FPruneBeforeMs, std::nullopt);
    work.Recover = std::exchange(FRecover, false);
    work.Stopping = FStop && FQueue.empty() && !HasRequests();
    if (!FQueue.empty())
        FFirstQueuedAt = std::chrono::steady_clock::now();
    FWorking = true;
    return work;
}

void WriteQueue::Finish() {
    const std::lock_guard lock(FMutex);
    FInFlight.reset();
    FRunningDeletes.clear();
    FWorking = false;
    FIdle.notify_all();
}

bool WriteQueue::WaitIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(FMutex);
    return FIdle.wait_for(lock, timeout, [&] { return IsIdle(); });
}

PendingView WriteQueue::View(const ConversationKey &key, qint64 afterId, qint64 beforeId) const {
    const std::lock_guard lock(FMutex);
    PendingView view = DeletionsLocked();
    const auto add = [&](const QueuedLine &queued) {
        if (queued.Key == key && queued.Value.Id > afterId && queued.Value.Id < beforeId)
            view.Lines.push_back(queued.Value);
    };
    if (FInFlight)
        std::for_each(FInFlight->begin(), FInFlight->end(), add);
    std::for_each(FQueue.begin(), FQueue.end(), add);
    return view;
}

PendingView WriteQueue::Deletions() const {
    const std::lock_guard lock(FMutex);
    return DeletionsLocked();
}

PendingView WriteQueue::DeletionsLocked() const {
    PendingView view;
    view.Deletes = FWaitingDeletes;
    view.Deletes.insert(view.Deletes.end(), FRunningDeletes.begin(), FRunningDeletes.end());
    return view;
}

std::optional<QueuedLine> WriteQueue::Find(qint64 id) const {
    const std::lock_guard lock(FMutex);
    const auto has = [id](const QueuedLine &queued) { return queued.Value.Id == id; };
    if (FInFlight)
        if (auto found = std::find_if(FInFlight->begin(), FInFlight->end(), has);
            found != FInFlight->end())
            return *found;
    if (auto found = std::find_if(FQueue.begin(), FQueue.end(), has); found != FQueue.end())
        return *found;
    return std::nullopt;
}

} // namespace hbquor::history
