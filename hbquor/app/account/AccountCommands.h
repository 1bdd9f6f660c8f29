// The main window's two account commands that need no logged-on session,
// "Create a Quor account ..." and "Forgot Password ...", and how their
// later outcomes are shown. The main window calls the Run functions from
// its menu handlers and the Show functions from its handlers of the
// session manager's OnCreateUserResult and OnPasswordRequestResult.
#pragma once

#include "AccountSessions.h"
#include "MessageHook.h"

#include <QString>

#include <string>

class QWidget;

namespace hbquor {
class ThbQuorCentral;
}

namespace hbquor::account {

// Shows the account request window in its create-account mode and, when
// it is confirmed, asks for the account. An immediate refusal is shown as
// "Could not create a new user account!" (with the error text for a
// positive code). Does nothing when the library is not initialised.
void mnuCreateaQuoraccountClick(QWidget *parent, TAccountSessions &sessions,
                                const MessageHook &showMessage = ShowMessageBox);
void mnuCreateaQuoraccountClick(QWidget *parent, ThbQuorCentral &central,
                                const MessageHook &showMessage = ShowMessageBox);

// The same for a forgotten password, with the login name filled in; an
// immediate refusal is shown as "Could not request password!".
void mnuReqPasswordClick(QWidget *parent, TAccountSessions &sessions, const QString &loginName,
                         const MessageHook &showMessage = ShowMessageBox);
void mnuReqPasswordClick(QWidget *parent, ThbQuorCentral &central, const QString &loginName,
                         const MessageHook &showMessage = ShowMessageBox);

// The messages for the server's answers.
QString CreateUserResultText(const std::string &errText, int code, const std::string &name,
                             const std::string &email);
QString PasswordRequestResultText(const std::string &errText, int code, const std::string &name,
                                  const std::string &email);

// Show those messages once control is back in the event loop (the events
// arrive inside library callbacks). Nothing is shown when `context` is
// destroyed first.
void ShowCreateUserResult(QWidget *context, const std::string &errText, int code,
                          const std::string &name, const std::string &email,
                          const MessageHook &showMessage = ShowMessageBox);
void ShowPasswordRequestResult(QWidget *context, const std::string &errText, int code,
                               const std::string &name, const std::string &email,
                               const MessageHook &showMessage = ShowMessageBox);

} // namespace hbquor::account
