// SPDX-License-Identifier: MIT
#include "ProgramHistory.h"

namespace hbquor::historyrecord {

ProgramHistory::ProgramHistory(client::ChatClient &client, QObject *parent)
    : QObject(parent), FRecorder(client, FStore) {
    connect(&FStore, &history::HistoryStore::Fault, this, &ProgramHistory::Fault,
            Qt::DirectConnection);
}

void ProgramHistory::Open(const QString &path, bool keep, int days) {
    // Keeping is decided before the file opens, so that nothing is written
    // against the user's choice.
    FStore.SetKeep(keep);
    FStore.Open(path);
    FStore.Prune(days);
}

void ProgramHistory::SetKeep(bool keep) {
    FStore.SetKeep(keep);
}

} // namespace hbquor::historyrecord
