// SPDX-License-Identifier: MIT
#include "MessageListener.h"

#include "ChatClient.h"
#include "FillFields.h"
#include "TalkWindowRegistry.h"

#include <QCoreApplication>
#include <QTimer>

namespace hbquor::main {

using client::ChatClient;

ShowMessageFunction QueuedMessages(ShowMessageFunction showMessage, QObject *context) {
    return [showMessage = std::move(showMessage), context](const QString &text) {
        QTimer::singleShot(0, context, [showMessage, text] { showMessage(text); });
    };
}

void ShowInMessageBoxes(ChatClient &client, const TalkWindowRegistry &talkWindows,
                        ShowMessageFunction showMessage, QObject *context) {
    const ShowMessageFunction queued = QueuedMessages(std::move(showMessage), context);
    QObject::connect(&client, &ChatClient::InviteAnswered, context,
                     [queued](const client::InviteAnswer &answer) { queued(answer.Message); });
    QObject::connect(
        &client, &ChatClient::ChannelInfoReceived, context,
        [queued, &talkWindows](const client::ChannelInfo &info) {
            if (talkWindows.FindChannelWindow(info.Channel) == nullptr)
                queued(FillFields(QCoreApplication::translate("MessageListener", "%s not found"),
                                  {info.Channel}));
        });
}

} // namespace hbquor::main
