// SPDX-License-Identifier: MIT
#include "AlertListener.h"

#include "ChatClient.h"
#include "TalkWindowRegistry.h"
#include "TextAlerts.h"
#include "UnitQuorChat.h"

namespace hbquor::main {

using client::ChatClient;

void ShowInAlerts(ChatClient &client, TextAlerts &alerts, const TalkWindowRegistry &talkWindows,
                  QObject *context) {
    QObject::connect(&client, &ChatClient::TextReceived, context,
                     [&alerts, &talkWindows](const client::PrivateText &text) {
                         alerts.PrivateText(text.Account, text.From, text.Text,
                                            talkWindows.FindChatWindow(text.From));
                     });
    QObject::connect(&client, &ChatClient::OfflineTextReceived, context,
                     [&alerts](const client::OfflineText &text) {
                         alerts.OfflineText(text.Account, text.From, text.Text);
                     });
    QObject::connect(&client, &ChatClient::InvitationReceived, context,
                     [&alerts](const client::Invitation &invitation) {
                         alerts.Invitation(invitation.Account, invitation.From, invitation.Channel);
                     });
    QObject::connect(&client, &ChatClient::BroadcastReceived, context,
                     [&alerts](const client::Broadcast &broadcast) {
                         alerts.Broadcast(broadcast.Account, broadcast.From, broadcast.Message);
                     });
}

} // namespace hbquor::main
