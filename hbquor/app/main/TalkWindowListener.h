// SPDX-License-Identifier: MIT
// The open conversation and channel windows as listeners of the client
// core: members joining and leaving, channel texts and information, a
// channel the server refused (its window closes, which leaves it, and the
// log then says why), and private texts to the sender's open conversation
// window. No window opens for anything that arrives.
#pragma once

class EventLines;
class QObject;
class TalkWindowRegistry;

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::main {

/// Shows the core's events in the registry's windows from now on, until
/// context goes; talkWindows and lines must live as long as context.
void ShowInTalkWindows(client::ChatClient &client, TalkWindowRegistry &talkWindows,
                       EventLines &lines, QObject *context);

} // namespace hbquor::main
