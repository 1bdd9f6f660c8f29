// SPDX-License-Identifier: MIT
#include "ContactStateListener.h"

#include "ChatClient.h"
#include "ContactListModel.h"

namespace hbquor::main {

using client::ChatClient;

void ShowInContactList(ChatClient &client, ContactListModel &contacts, QObject *context) {
    QObject::connect(&client, &ChatClient::ContactListed, context,
                     [&contacts](const QString &name) {
                         contacts.SetState(name, QuorUserStatus::NotRegistered);
                     });
    QObject::connect(&client, &ChatClient::ContactStatusChanged, context,
                     [&contacts](const client::UserState &state) {
                         contacts.SetState(state.Name, state.Status);
                     });
}

} // namespace hbquor::main
