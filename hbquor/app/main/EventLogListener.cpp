// SPDX-License-Identifier: MIT
#include "EventLogListener.h"

#include "ChatClient.h"
#include "EventLines.h"
#include "EventLog.h"
#include "UnitQuorChannel.h"

namespace hbquor::main {

using client::ChatClient;

void ShowInEventLog(ChatClient &client, EventLines &lines, EventLog &log, QObject *context) {
    // ---- The connection ----
    QObject::connect(&client, &ChatClient::Connecting, context, [&lines] { lines.Connecting(); });
    QObject::connect(&client, &ChatClient::Connected, context, [&lines](const QString &account) {
        if (!account.isEmpty())
            lines.Connected(account);
    });
    QObject::connect(
        &client, &ChatClient::LoginFailed, context, [&lines](const client::LogonFailure &failure) {
            if (!failure.Retry)
                lines.LoginFailed(failure.Account, failure.Code, failure.ErrText, failure.Server);
        });
    QObject::connect(&client, &ChatClient::Disconnected, context,
                     [&lines](const QString &account) { lines.Disconnected(account); });
    QObject::connect(&client, &ChatClient::ReconnectProgress, context,
                     [&log](const QString &line) { log.AddLine(lsConnection, line); });
    QObject::connect(&client, &ChatClient::ConnectionWarning, context,
                     [&log](const QString &line) { log.AddLine(lsError, line); });
    QObject::connect(
        &client, &ChatClient::ErrorReported, context, [&lines](const client::SessionError &error) {
            lines.Error(error.Account, error.Where, error.What, error.Code, error.ErrText);
        });

    // ---- Users and texts ----
    QObject::connect(
        &client, &ChatClient::UserStatusReported, context,
        [&lines](const client::UserState &state) { lines.UserStatus(state.Name, state.Status); });
    QObject::connect(&client, &ChatClient::TextReceived, context,
                     [&lines](const client::PrivateText &text) {
                         lines.PrivateText(text.From, text.Account, text.Text);
                     });
    QObject::connect(
        &client, &ChatClient::TextFailed, context, [&lines](const client::TextFailure &failure) {
            lines.TextFailed(failure.Account, failure.Target, failure.Code, failure.ErrText);
        });
    QObject::connect(
        &client, &ChatClient::TextNotSent, context, [&log](const client::RefusedText &refused) {
            log.AddLine(lsError, client::SendRefusalText(refused.Reason, refused.Target));
        });
    QObject::connect(&client, &ChatClient::OfflineTextReceived, context,
                     [&lines](const client::OfflineText &text) {
                         lines.OfflineText(text.From, text.Account, text.SentTime, text.Text);
                     });
    QObject::connect(
        &client, &ChatClient::PingReplied, context,
        [&lines](const client::PingReply &reply) { lines.PingReply(reply.Name, reply.Seconds); });
    QObject::connect(&client, &ChatClient::WelcomeReceived, context,
                     [&lines](const QString &message) { lines.Welcome(message); });
    QObject::connect(&client, &ChatClient::BroadcastReceived, context,
                     [&lines](const client::Broadcast &broadcast) {
                         lines.Broadcast(broadcast.From, broadcast.Message);
                     });

    // ---- Channels ----
    QObject::connect(&client, &ChatClient::ChannelJoined, context,
                     [&lines](const client::ChannelMember &member) {
                         lines.ChannelJoined(member.User, member.Channel);
                     });
    QObject::connect(&client, &ChatClient::ChannelLeft, context,
                     [&lines](const client::ChannelMember &member) {
                         lines.ChannelLeft(member.User, member.Channel);
                     });
    QObject::connect(&client, &ChatClient::ChannelTextReceived, context,
                     [&lines](const client::ChannelText &text) {
                         lines.ChannelText(text.Channel, text.From, text.Text);
                     });
    QObject::connect(&client, &ChatClient::ChannelListed, context,
                     [&lines](const client::ListedChannel &channel) {
                         lines.ChannelListEntry(channel.Channel, channel.Type, channel.UserCount);
                     });
    QObject::connect(&client, &ChatClient::ChannelListEnded, context,
                     [&lines](int count) { lines.ChannelListEnd(count); });
    QObject::connect(&client, &ChatClient::InvitationReceived, context,
                     [&lines](const client::Invitation &invitation) {
                         lines.Invitation(invitation.From, invitation.Account, invitation.Channel);
                     });
}

} // namespace hbquor::main
