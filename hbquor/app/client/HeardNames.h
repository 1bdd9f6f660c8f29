// SPDX-License-Identifier: MIT
// HeardNames: the users heard from this run (who sent a private text, an
// offline text or a channel text, or joined a channel the user is in), the
// most recent first and each once by the service's name rule, for name
// completion. Kept in memory only, for as long as the program runs.
#pragma once

#include <QObject>
#include <QStringList>

namespace hbquor::client {

class ChatClient;

class HeardNames : public QObject {
    Q_OBJECT

public:
    /// At most this many names are kept; the least recent go first.
    static constexpr int MaxNames = 500;

    /// Listens to client, which must outlive it.
    explicit HeardNames(ChatClient &client, QObject *parent = nullptr);

    const QStringList &Names() const { return FNames; }
    /// Puts name first (in its latest spelling); an empty name is ignored.
    void Heard(const QString &name);

private:
    QStringList FNames;
};

} // namespace hbquor::client
