// SPDX-License-Identifier: MIT
// HistoryRecorder: files in the history everything the client core
// announces that belongs to a conversation or channel: private texts
// received and sent, offline texts (at the time they were sent), channel
// texts, broadcasts (under their sender), invitations (under their channel)
// and the account's own logon and logoff. Each line carries its account:
// the core's server and the session's name.
#pragma once

#include "HistoryTypes.h"

#include <QObject>

namespace hbquor::client {
class ChatClient;
}
namespace hbquor::history {
class HistoryStore;
}

namespace hbquor::historyrecord {

class HistoryRecorder : public QObject {
    Q_OBJECT

public:
    /// Records from now on; client and store must outlive the recorder.
    HistoryRecorder(client::ChatClient &client, history::HistoryStore &store,
                    QObject *parent = nullptr);

    /// The account lines of the core's current session are filed under.
    history::Account CurrentAccount() const;

private:
    /// Files one line of account, said at (a VRT date-time value).
    void Record(const QString &account, history::LineKind kind, history::LineDirection direction,
                const QString &peer, const QString &sender, double at, const QString &text);

    client::ChatClient &FClient;
    history::HistoryStore &FStore;
};

} // namespace hbquor::historyrecord
