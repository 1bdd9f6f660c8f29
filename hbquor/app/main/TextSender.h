// SPDX-License-Identifier: MIT
// TextSender: sending what the user types: the say input of the main window
// and the inputs of the conversation and channel windows (their send
// handlers). A text goes out through the client core; a sent one is written
// to the log and shown in the window of its conversation or channel, and a
// text that cannot go out stays in its input with a line saying why.
#pragma once

#include <QString>

class EventLines;
class TalkWindowRegistry;

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::main {

class TextSender {
public:
    /// All three must outlive the sender.
    TextSender(client::ChatClient &client, TalkWindowRegistry &talkWindows, EventLines &lines);

    /// Enter in the say input: sends text from the account to target (a
    /// user, or a channel whose window is open with someone else in it).
    /// True when it was sent and the input is to be emptied.
    bool Say(const QString &target, const QString &text);
    /// Send handlers of the two kinds of window: true when the text was
    /// sent. An empty own name is filled in with the account.
    bool ChatWindowSend(QString &own, QString &peer, const QString &text);
    bool ChannelWindowSend(QString &own, QString &channel, const QString &text);

private:
    /// A window's text: the own name filled in when empty, then sent.
    bool WindowSend(QString &own, const QString &target, const QString &text);

    client::ChatClient &FClient;
    TalkWindowRegistry &FTalkWindows;
    EventLines &FLines;
};

} // namespace hbquor::main
