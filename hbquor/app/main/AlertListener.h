// SPDX-License-Identifier: MIT
// The alerts as a listener of the client core: what others send while the
// user works elsewhere (private and offline texts, invitations, broadcasts)
// draws his eye to the window that shows it.
#pragma once

class QObject;
class TalkWindowRegistry;
class TextAlerts;

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::main {

/// Raises the alerts for the core's events from now on, until context goes;
/// alerts and talkWindows (where a sender's conversation window is found)
/// must live as long as context.
void ShowInAlerts(client::ChatClient &client, TextAlerts &alerts,
                  const TalkWindowRegistry &talkWindows, QObject *context);

} // namespace hbquor::main
