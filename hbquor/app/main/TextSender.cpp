// SPDX-License-Identifier: MIT
#include "TextSender.h"

#include "ChatClient.h"
#include "DisplayText.h"
#include "EventLines.h"
#include "TalkWindowRegistry.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

namespace hbquor::main {

using client::SendRefusal;

TextSender::TextSender(client::ChatClient &client, TalkWindowRegistry &talkWindows,
                       EventLines &lines)
    : FClient(client), FTalkWindows(talkWindows), FLines(lines) {}

bool TextSender::Say(const QString &target, const QString &text) {
    // Nothing typed, nothing refused; a refused text stays in the input.
    if (text.isEmpty())
        return false;
    const QString own = FClient.Account();
    std::optional<SendRefusal> refusal = FClient.Refusal(own, target);
    TFormQuorChannel *channel = nullptr;
    if (!refusal && target.startsWith(QLatin1Char('#'))) {
        channel = FTalkWindows.FindChannelWindow(target);
        if (channel == nullptr)
            refusal = SendRefusal::ChannelNotOpen;
        else if (channel->MemberCount() < 2)
            refusal = SendRefusal::AloneInChannel;
    }
    if (refusal) {
        FClient.ReportNotSent(target, *refusal);
        return false;
    }
    if (!FClient.SendText(own, target, text))
        return false;
    FLines.PrivateText(own, target, text);
    const QString line = FLines.PaneLine(SaidLine(own, text));
    if (channel != nullptr)
        channel->AddLine(line);
    else if (TFormQuorChat *chat = FTalkWindows.FindChatWindow(target))
        chat->AddLine(line);
    return true;
}

bool TextSender::WindowSend(QString &own, const QString &target, const QString &text) {
    if (own.isEmpty())
        own = FClient.Account();
    return FClient.SendText(own, target, text);
}

bool TextSender::ChatWindowSend(QString &own, QString &peer, const QString &text) {
    if (!WindowSend(own, peer, text))
        return false;
    // The window adds the line itself once this returns.
    FLines.PrivateText(own, peer, text);
    return true;
}

bool TextSender::ChannelWindowSend(QString &own, QString &channel, const QString &text) {
    if (!WindowSend(own, channel, text))
        return false;
    FLines.ChannelText(channel, own, text);
    return true;
}

} // namespace hbquor::main
