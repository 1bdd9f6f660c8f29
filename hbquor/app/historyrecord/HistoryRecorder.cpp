// SPDX-License-Identifier: MIT
#include "HistoryRecorder.h"

#include "ChatClient.h"
#include "HistoryStore.h"

namespace hbquor::historyrecord {

using client::ChatClient;
using history::LineDirection;
using history::LineKind;

HistoryRecorder::HistoryRecorder(ChatClient &client, history::HistoryStore &store, QObject *parent)
    : QObject(parent), FClient(client), FStore(store) {
    const auto received = LineDirection::Received;
    connect(&client, &ChatClient::TextReceived, this, [this, received](const auto &text) {
        Record(text.Account, LineKind::Text, received, text.From, text.From, text.At, text.Text);
    });
    connect(&client, &ChatClient::TextSent, this, [this](const client::SentText &text) {
        const bool channel = text.Target.startsWith(QLatin1Char('#'));
        Record(text.Account, channel ? LineKind::ChannelText : LineKind::Text, LineDirection::Sent,
               text.Target, text.Account, text.At, text.Text);
    });
    connect(&client, &ChatClient::OfflineTextReceived, this, [this, received](const auto &text) {
        Record(text.Account, LineKind::OfflineText, received, text.From, text.From, text.SentTime,
               text.Text);
    });
    connect(&client, &ChatClient::ChannelTextReceived, this, [this, received](const auto &text) {
        Record(FClient.Account(), LineKind::ChannelText, received, text.Channel, text.From,
               FClient.Now(), text.Text);
    });
    connect(&client, &ChatClient::BroadcastReceived, this, [this, received](const auto &cast) {
        Record(cast.Account, LineKind::Broadcast, received, cast.From, cast.From, FClient.Now(),
               cast.Message);
    });
    connect(&client, &ChatClient::InvitationReceived, this, [this, received](const auto &call) {
        Record(call.Account, LineKind::Invitation, received, call.Channel, call.From, FClient.Now(),
               QString());
    });
    connect(&client, &ChatClient::Connected, this, [this](const QString &account) {
        Record(account, LineKind::Logon, LineDirection::Sent, QString(), account, FClient.Now(),
               QString());
    });
    connect(&client, &ChatClient::Disconnected, this, [this](const QString &account) {
        Record(account, LineKind::Logoff, LineDirection::Sent, QString(), account, FClient.Now(),
               QString());
    });
}

history::Account HistoryRecorder::CurrentAccount() const {
    return {FClient.Server().Text(), FClient.Account()};
}

void HistoryRecorder::Record(const QString &account, LineKind kind, LineDirection direction,
                             const QString &peer, const QString &sender, double at,
                             const QString &text) {
    // Without a session's name there is no account to file it under.
    if (account.isEmpty())
        return;
    history::Line line;
    line.Owner = {FClient.Server().Text(), account};
    line.Peer = peer;
    line.Kind = kind;
    line.Direction = direction;
    line.Sender = sender;
    line.AtMs = history::UtcMsFromVrt(at);
    line.Text = text;
    FStore.Append(line);
}

} // namespace hbquor::historyrecord
