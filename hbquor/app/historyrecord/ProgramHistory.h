// SPDX-License-Identifier: MIT
// ProgramHistory: the history of the program's run: the store, opened in
// the file where the program keeps its history, with the user's HistoryKeep
// and HistoryDays applied, and the recorder that fills it from the client
// core. Its faults come out as one line each, for the log pane.
#pragma once

#include "HistoryRecorder.h"
#include "HistoryStore.h"

#include <QObject>
#include <QString>

namespace hbquor::historyrecord {

class ProgramHistory : public QObject {
    Q_OBJECT

public:
    /// Records the client's lines once Open has opened the file; the client
    /// must outlive the history.
    explicit ProgramHistory(client::ChatClient &client, QObject *parent = nullptr);

    /// Opens the history file at path, keeping lines from now on when keep
    /// says so, and deletes the lines older than days (0 keeps them all).
    void Open(const QString &path, bool keep, int days);
    /// HistoryKeep changed: off stops writing at once.
    void SetKeep(bool keep);

    history::HistoryStore &Store() { return FStore; }
    /// The account the lines of the current session belong to.
    history::Account CurrentAccount() const { return FRecorder.CurrentAccount(); }

signals:
    /// One line for the log pane; may come from the store's own thread.
    void Fault(const QString &line);

private:
    history::HistoryStore FStore;
    HistoryRecorder FRecorder;
};

} // namespace hbquor::historyrecord
