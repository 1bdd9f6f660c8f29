// SPDX-License-Identifier: MIT
// The account windows against a real session manager, with their events
// routed as in the program (AccountEventRouter): the profile events reach
// the profile window the test opens, and the answers to account requests
// become messages. Also a wait that keeps both the library and Qt going.
#pragma once

#include "AccountEventRouter.h"
#include "MessageHook.h"
#include "UnitUserProfile.h"

#include <QPointer>
#include <QStringList>

#include <functional>

class QPushButton;

namespace hbquor::account::testing {

// Pumps the library and Qt's events until cond() holds or the time is up.
bool Await(const std::function<bool()> &cond, int timeoutMs = 3000);

class RoutedAccountWindows {
public:
    explicit RoutedAccountWindows(client::ChatClient &client);
    ~RoutedAccountWindows();

    // Opens the profile window for the login name and shows it (not
    // modally: the test drives it). Its messages go to `messages`.
    TFormUserProfile *OpenProfileWindow(const QString &loginName);
    // The "..." commands: types `entry` twice into the account request
    // window that the button opens, and confirms it.
    static void ChangeThrough(QPushButton *button, const QString &entry);

    QPointer<TFormUserProfile> window;
    // The profile window's messages and the account windows' refusals.
    QStringList messages;
    MessageHook record;
    // The router's messages: answers to account requests, in order.
    QStringList answers;
    AccountEventRouter router;

private:
    ThbQuorCentral &FCentral;
};

} // namespace hbquor::account::testing
