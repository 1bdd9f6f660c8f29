// SPDX-License-Identifier: MIT
#include "HeardNames.h"

#include "ChatClient.h"
#include "NameText.h"

namespace hbquor::client {

HeardNames::HeardNames(ChatClient &client, QObject *parent) : QObject(parent) {
    connect(&client, &ChatClient::TextReceived, this,
            [this](const PrivateText &text) { Heard(text.From); });
    connect(&client, &ChatClient::OfflineTextReceived, this,
            [this](const OfflineText &text) { Heard(text.From); });
    connect(&client, &ChatClient::ChannelTextReceived, this,
            [this](const ChannelText &text) { Heard(text.From); });
    connect(&client, &ChatClient::ChannelJoined, this,
            [this](const ChannelMember &member) { Heard(member.User); });
}

void HeardNames::Heard(const QString &name) {
    if (name.isEmpty())
        return;
    FNames.removeIf([&name](const QString &known) { return SameNameIgnoringCase(known, name); });
    FNames.prepend(name);
    if (FNames.size() > MaxNames)
        FNames.removeLast();
}

} // namespace hbquor::client
