// SPDX-License-Identifier: MIT
#include "HistoryStore.h"

#include "HistoryFile.h"
#include "HistoryReader.h"
#include "HistoryWriter.h"
#include "NameKeys.h"
#include "NameText.h"
#include "WriteQueue.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <limits>

namespace hbquor::history {

namespace {

constexpr qint64 NoId = std::numeric_limits<qint64>::max();

} // namespace

HistoryStore::HistoryStore(QObject *parent)
    : QObject(parent), FQueue(std::make_unique<WriteQueue>()) {}

HistoryStore::~HistoryStore() {
    // The writer writes what is queued and ends before the queue goes.
    FWriter.reset();
}

bool HistoryStore::Open(const QString &path) {
    if (FWriter)
        return Keeps();
    OpenedFile file;
    QDir().mkpath(QFileInfo(path).absolutePath());
    FLock = std::make_unique<WriterLock>(path);
    const bool owner = FLock->GetState() == WriterLock::State::Held;
    if (owner) {
        file = OpenForWriting(path);
    } else {
        // Another copy writes the file; this one may still read and delete.
        try {
            file.Db = OpenExisting(path, Access::Delete);
        } catch (const SqliteError &) {
        }
        file.Fault = FLock->GetState() == WriterLock::State::HeldElsewhere
                         ? tr("History: another copy of the program keeps the "
                              "history; this one keeps none this run")
                         : tr("History: %1 cannot be locked (%2); no history is "
                              "kept this run")
                               .arg(path, FLock->Reason());
    }
    if (file.Db.IsOpen() && owner)
        FQueue->StartIds(file.LastId);
    if (!file.Fault.isEmpty())
        emit Fault(file.Fault);
    FReader = std::make_unique<HistoryReader>(path, *FQueue);
    FWriter = std::make_unique<HistoryWriter>(path, std::move(file.Db), owner, *FQueue,
                                              [this](const QString &line) { Report(line); });
    return Keeps();
}

void HistoryStore::Report(const QString &line) {
    if (QThread::currentThread() == thread())
        emit Fault(line);
    else
        QMetaObject::invokeMethod(
            this, [this, line] { emit Fault(line); }, Qt::QueuedConnection);
}

void HistoryStore::SetKeep(bool keep) {
    FQueue->SetKeep(keep);
}

bool HistoryStore::Keeps() const {
    return FQueue->Keeps();
}

qint64 HistoryStore::Append(const Line &line) {
    Line trimmed = line;
    trimmed.Owner = {line.Owner.Server.trimmed(), TrimBlanks(line.Owner.User)};
    trimmed.Peer = TrimBlanks(line.Peer);
    trimmed.Sender = TrimBlanks(line.Sender);
    bool firstDrop = false;
    const qint64 id = FQueue->Push(std::move(trimmed), KeyOf(line.Owner, line.Peer), firstDrop);
    if (firstDrop)
        emit Fault(tr("History: writing has fallen behind; lines are not kept until "
                      "it catches up"));
    return id;
}

QList<Line> HistoryStore::Recent(const Account &account, const QString &peer, int limit,
                                 qint64 beforeId) {
    if (!FReader)
        return {};
    FReader->Follow(FWriter->Generation());
    return FReader->Page(account, peer, 0, beforeId > 0 ? beforeId : NoId, limit, true);
}

QList<Line> HistoryStore::Following(const Account &account, const QString &peer, int limit,
                                    qint64 afterId) {
    if (!FReader)
        return {};
    FReader->Follow(FWriter->Generation());
    return FReader->Page(account, peer, afterId, NoId, limit, false);
}

QList<Line> HistoryStore::Around(const Account &account, qint64 id, int context) {
    if (!FReader)
        return {};
    FReader->Follow(FWriter->Generation());
    return FReader->Around(account, id, context);
}

SearchResult HistoryStore::Search(const Account &account, const QString &query,
                                  const SearchFilter &filter, int limit) {
    if (!FReader)
        return {};
    FReader->Follow(FWriter->Generation());
    return FReader->Search(account, query, filter, limit);
}

void HistoryStore::Delete(const Account &account, const QString &peer) {
    FQueue->Delete(DeleteRequest::Reach::Conversation, KeyOf(account, peer));
}

void HistoryStore::DeleteAccount(const Account &account) {
    FQueue->Delete(DeleteRequest::Reach::Account, KeyOf(account, QString()));
}

void HistoryStore::DeleteEverything() {
    FQueue->Delete(DeleteRequest::Reach::Everything, {});
}

bool HistoryStore::Export(const Account &account, const QString &peer, ExportFormat format,
                          QIODevice &out) {
    if (!FReader)
        return false;
    FReader->Follow(FWriter->Generation());
    return FReader->Export(account, peer, format, out);
}

void HistoryStore::Prune(int olderThanDays) {
    if (olderThanDays > 0)
        FQueue->Prune(QDateTime::currentMSecsSinceEpoch() - qint64(olderThanDays) * 86400000);
}

bool HistoryStore::Flush(int timeoutMs) {
    return FQueue->WaitIdle(std::chrono::milliseconds(timeoutMs));
}

} // namespace hbquor::history
