// SPDX-License-Identifier: MIT
// The main window's "User Profile ..." command: the user profile window for
// the logged-on account, once the account's own profile has arrived.
#pragma once

#include "MessageHook.h"

#include <QStringList>

#include <functional>

class QDialog;
class QWidget;
class TimeText;

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::account {

class AccountEventRouter;

// When the account's session is connected and its rights are known (its
// own profile has arrived), shows the profile window for it with exec, in
// the time base times, while router hands it the profile events. userTypes
// names the user types by number. Does nothing otherwise.
void RunUserProfile(QWidget *parent, client::ChatClient &client, const QStringList &userTypes,
                    const TimeText &times, AccountEventRouter &router,
                    const std::function<int(QDialog &)> &exec, const MessageHook &showMessage);

} // namespace hbquor::account
