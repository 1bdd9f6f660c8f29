// SPDX-License-Identifier: MIT
// What the client core's events tell the user in a message box: the
// server's answer to an invitation the user sent, and the information on a
// channel whose window is not open. The boxes show once control is back in
// the event loop, never inside a library callback.
#pragma once

#include "MessageBoxes.h"

class QObject;
class TalkWindowRegistry;

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::main {

/// showMessage as it is called inside a library callback: the box shows
/// once control is back in the event loop, unless context has gone.
ShowMessageFunction QueuedMessages(ShowMessageFunction showMessage, QObject *context);

/// Shows the messages of the core's events through showMessage from now on,
/// until context goes; talkWindows must live as long as context.
void ShowInMessageBoxes(client::ChatClient &client, const TalkWindowRegistry &talkWindows,
                        ShowMessageFunction showMessage, QObject *context);

} // namespace hbquor::main
