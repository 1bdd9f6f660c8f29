// SPDX-License-Identifier: MIT
// The event log as a listener of the client core: the line of every event
// the log shows, written through EventLines (the lines of a channel error
// belong to its window and come from the talk windows' listener).
#pragma once

class EventLines;
class EventLog;
class QObject;

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::main {

/// Writes the core's events to the log from now on, until context goes;
/// lines and log must live as long as context.
void ShowInEventLog(client::ChatClient &client, EventLines &lines, EventLog &log, QObject *context);

} // namespace hbquor::main
