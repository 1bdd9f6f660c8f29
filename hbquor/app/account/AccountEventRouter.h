// TAccountEventRouter: where the session manager's account events go. The
// profile events (OnUserProfile, OnProfileChanged, OnEmailChanged) go to
// the user profile window while one is open and are dropped otherwise; the
// answers to account creation and password requests, and requests lost
// with their connection, become messages for the user. A profile that
// arrives without an error is also reported (the main window enables "User
// Profile ..." when it is the user's own).
#pragma once

#include "MessageBoxes.h"

#include <QPointer>
#include <QString>

#include <functional>

namespace hbquor {
class ThbQuorCentral;
}

namespace hbquor::account {

class TFormUserProfile;

class TAccountEventRouter {
public:
    /// Becomes the handler of the six account events of central, which must
    /// outlive the router. showMessage shows the messages; the program
    /// queues them, since events arrive inside library callbacks.
    TAccountEventRouter(ThbQuorCentral &central, ShowMessageFunction showMessage);

    /// The window the profile events go to; nullptr when none is open.
    void SetProfileWindow(TFormUserProfile *window);
    TFormUserProfile *ProfileWindow() const;

    /// Told the name of every profile that arrives without an error.
    void SetOnProfileLoaded(std::function<void(const QString &name)> handler) {
        FOnProfileLoaded = std::move(handler);
    }

private:
    ShowMessageFunction FShowMessage;
    QPointer<TFormUserProfile> FProfileWindow;
    std::function<void(const QString &name)> FOnProfileLoaded;
};

} // namespace hbquor::account
