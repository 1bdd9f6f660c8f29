// SPDX-License-Identifier: MIT
// What the history's tests share: an account, lines said in it, and a store
// opened on a file in a folder of its own.
#pragma once

#include "HistoryStore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace hbquor::history::test {

inline const Account Anna{QStringLiteral("localhost:8317"), QStringLiteral("anna")};

/// A private text received from peer (or sent to it), said at atMs.
inline Line Said(const QString &peer, const QString &text, qint64 atMs = 1700000000000,
                 LineDirection direction = LineDirection::Received, LineKind kind = LineKind::Text,
                 const Account &account = Anna) {
    Line line;
    line.Owner = account;
    line.Peer = peer;
    line.Kind = kind;
    line.Direction = direction;
    line.Sender = direction == LineDirection::Sent ? account.User : peer;
    line.AtMs = atMs;
    line.Text = text;
    return line;
}

inline QStringList Texts(const QList<Line> &lines) {
    QStringList texts;
    for (const Line &line : lines)
        texts << line.Text;
    return texts;
}

/// A store on dir's history.sqlite with its faults recorded.
struct OpenStore {
    explicit OpenStore(const QTemporaryDir &dir)
        : Path(dir.filePath(QStringLiteral("history.sqlite"))), Store(new HistoryStore),
          Faults(Store.get(), &HistoryStore::Fault) {
        Opened = Store->Open(Path);
    }
    /// The faults reported so far, those from the writer's thread included.
    QStringList FaultLines() {
        QCoreApplication::processEvents();
        QStringList lines;
        for (const QList<QVariant> &fault : Faults)
            lines << fault.at(0).toString();
        return lines;
    }

    QString Path;
    std::unique_ptr<HistoryStore> Store;
    QSignalSpy Faults;
    bool Opened = false;
};

} // namespace hbquor::history::test
