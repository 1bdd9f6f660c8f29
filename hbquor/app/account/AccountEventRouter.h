// SPDX-License-Identifier: MIT
// AccountEventRouter: where the client core's account events go. The
// profile events (a profile, a profile change, an e-mail change) go to the
// user profile window while one is open and are dropped otherwise; the
// answers to account creation and password requests, and requests lost
// with their connection, become messages for the user.
#pragma once

#include "MessageBoxes.h"

#include <QObject>
#include <QPointer>

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::account {

class TFormUserProfile;

class AccountEventRouter : public QObject {
    Q_OBJECT

public:
    /// Listens to the account events of client, which must outlive the
    /// router. showMessage shows the messages; the program queues them,
    /// since events arrive inside library callbacks.
    AccountEventRouter(client::ChatClient &client, ShowMessageFunction showMessage);

    /// The window the profile events go to; nullptr when none is open.
    void SetProfileWindow(TFormUserProfile *window);
    TFormUserProfile *ProfileWindow() const;

private:
    ShowMessageFunction FShowMessage;
    QPointer<TFormUserProfile> FProfileWindow;
};

} // namespace hbquor::account
