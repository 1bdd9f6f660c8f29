// SPDX-License-Identifier: MIT
// The main window's two account commands that need no logged-on session,
// "Create a Quor account ..." and "Forgot Password ...": the account
// request window, the request and its immediate refusal. The server's
// later answer reaches the account event router. The main window's
// handlers mnuCreateaQuoraccountClick and mnuReqPasswordClick call these
// with itself as the parent.
#pragma once

#include "AccountSessions.h"
#include "MessageHook.h"

#include <QString>

#include <cstdint>

class QWidget;

namespace hbquor {
class ThbQuorCentral;
enum class AccountRequestKind : std::uint8_t;
} // namespace hbquor

namespace hbquor::account {

// Shows the account request window in its create-account mode and, when
// it is confirmed, asks for the account. An immediate refusal is shown as
// "Could not create a new user account!" (with the error text for a
// positive code). Does nothing when the library is not initialised.
void RunCreateAccount(QWidget *parent, TAccountSessions &sessions,
                      const MessageHook &showMessage = ::ShowMessageBox);
void RunCreateAccount(QWidget *parent, ThbQuorCentral &central,
                      const MessageHook &showMessage = ::ShowMessageBox);

// The same for a forgotten password, with the login name filled in; an
// immediate refusal is shown as "Could not request password!".
void RunRequestPassword(QWidget *parent, TAccountSessions &sessions, const QString &loginName,
                        const MessageHook &showMessage = ::ShowMessageBox);
void RunRequestPassword(QWidget *parent, ThbQuorCentral &central, const QString &loginName,
                        const MessageHook &showMessage = ::ShowMessageBox);

// The text for a request whose connection ended before the server's
// answer: the request's refusal text with the error text on a second line.
QString LostRequestText(AccountRequestKind kind, const QString &errText);

} // namespace hbquor::account
