// What the main window does for the account windows, for tests that run
// them against a real session manager: it forwards the profile events to
// the profile window while that exists and records the answers to account
// requests. Also a wait that keeps both the library and Qt going.
#pragma once

#include "MessageHook.h"
#include "UnitUserProfile.h"

#include "hbQuorClasses.h"

#include <QPointer>
#include <QStringList>

#include <functional>

namespace hbquor::account::testing {

// Pumps the library and Qt's events until cond() holds or the time is up.
bool Await(const std::function<bool()> &cond, int timeoutMs = 3000);

class MainWindowStandIn {
public:
    // Attaches the profile and account-answer handlers to the manager.
    explicit MainWindowStandIn(ThbQuorCentral &central);
    ~MainWindowStandIn();

    // Opens the profile window for the login name and shows it (not
    // modally: the test drives it). Its messages go to `messages`.
    TFormUserProfile *OpenProfileWindow(const QString &loginName);
    // The "..." commands: types `entry` twice into the account request
    // window that the button opens, and confirms it.
    static void ChangeThrough(QPushButton *button, const QString &entry);

    QPointer<TFormUserProfile> window;
    QStringList messages;
    // "CreateUserResult <code> <name> <email>" and likewise
    // "PasswordRequestResult ...", in order of arrival.
    QStringList answers;
    MessageHook record;

private:
    ThbQuorCentral &FCentral;
};

} // namespace hbquor::account::testing
