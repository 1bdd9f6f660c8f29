// SPDX-License-Identifier: MIT
#include "TalkWindowListener.h"

#include "ChatClient.h"
#include "DisplayText.h"
#include "EventLines.h"
#include "TalkWindowRegistry.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

namespace hbquor::main {

using client::ChatClient;

void ShowInTalkWindows(ChatClient &client, TalkWindowRegistry &talkWindows, EventLines &lines,
                       QObject *context) {
    QObject::connect(&client, &ChatClient::ChannelJoined, context,
                     [&talkWindows](const client::ChannelMember &member) {
                         if (TFormQuorChannel *window =
                                 talkWindows.FindChannelWindow(member.Channel))
                             window->MemberJoined(member.User);
                     });
    QObject::connect(&client, &ChatClient::ChannelLeft, context,
                     [&talkWindows](const client::ChannelMember &member) {
                         if (TFormQuorChannel *window =
                                 talkWindows.FindChannelWindow(member.Channel))
                             window->MemberLeft(member.User);
                     });
    QObject::connect(&client, &ChatClient::ChannelTextReceived, context,
                     [&talkWindows, &lines](const client::ChannelText &text) {
                         if (TFormQuorChannel *window = talkWindows.FindChannelWindow(text.Channel))
                             window->AddLine(lines.PaneLine(SaidLine(text.From, text.Text)));
                     });
    QObject::connect(&client, &ChatClient::ChannelInfoReceived, context,
                     [&talkWindows](const client::ChannelInfo &info) {
                         if (TFormQuorChannel *window =
                                 talkWindows.FindChannelWindow(info.Channel)) {
                             window->SetChannelType(info.Type);
                             window->SetChannelInfo(info.Info);
                             window->SetChannelInfoExtra(info.InfoExtra);
                         }
                     });
    // Only a channel whose window is open is reported: closing it leaves the
    // channel (with its own lines), then the error's line follows.
    QObject::connect(&client, &ChatClient::ChannelFailed, context,
                     [&talkWindows, &lines](const client::ChannelFailure &failure) {
                         TFormQuorChannel *window = talkWindows.FindChannelWindow(failure.Channel);
                         if (window == nullptr)
                             return;
                         window->close();
                         lines.ChannelError(failure.Channel, failure.Account, failure.Code,
                                            failure.ErrText);
                     });
    QObject::connect(&client, &ChatClient::TextReceived, context,
                     [&talkWindows, &lines](const client::PrivateText &text) {
                         if (TFormQuorChat *window = talkWindows.FindChatWindow(text.From))
                             window->AddLine(
                                 lines.PaneLine(SaidLine(text.From, text.Text), text.At));
                     });
}

} // namespace hbquor::main
