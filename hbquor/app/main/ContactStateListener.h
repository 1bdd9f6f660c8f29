// SPDX-License-Identifier: MIT
// The contact list as a listener of the client core: the state icon of each
// contact follows what the server says of it (a name of the server's list
// is not registered there).
#pragma once

class ContactListModel;
class QObject;

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::main {

/// Sets the contacts' states from the core's events from now on, until
/// context goes; contacts must live as long as context.
void ShowInContactList(client::ChatClient &client, ContactListModel &contacts, QObject *context);

} // namespace hbquor::main
