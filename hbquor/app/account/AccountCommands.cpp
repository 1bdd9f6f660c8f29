// SPDX-License-Identifier: MIT
#include "AccountCommands.h"

#include "CentralAccountSessions.h"
#include "UnitCreateUser.h"

#include "hbQuorCentral.h"

#include <QCoreApplication>

namespace hbquor::account {

namespace {

// The refusals, in the user's language where they are shown.
const char *const CreateAccountRefused =
    QT_TRANSLATE_NOOP("AccountCommands", "Could not create a new user account!");
const char *const RequestPasswordRefused =
    QT_TRANSLATE_NOOP("AccountCommands", "Could not request password!");

QString Shown(const char *text) {
    return QCoreApplication::translate("AccountCommands", text);
}

// The refusal text, with the code's error text on a second line when the
// code is a library or socket error (positive); the session layer's own
// negative codes show the first line alone.
QString RefusalText(const QString &failure, int result, TAccountSessions &sessions) {
    return result > 0 ? failure + QLatin1Char('\r') + sessions.ErrorText(result) : failure;
}

// Runs the account request window set up by `setup`; on OK sends the
// request with its user name and first entry and shows a refusal.
template <class Setup, class Send>
void RunRequest(QWidget *parent, TAccountSessions &sessions, const MessageHook &showMessage,
                Setup setup, Send send, const QString &failure) {
    TFormCreateUser request(parent, showMessage);
    if (!sessions.Initialised())
        return;
    setup(request);
    if (request.exec() != QDialog::Accepted)
        return;
    const int result = send(request.UserName(), request.FirstEntry());
    if (result != 0)
        showMessage(parent, RefusalText(failure, result, sessions));
}

} // namespace

void RunCreateAccount(QWidget *parent, TAccountSessions &sessions, const MessageHook &showMessage) {
    RunRequest(
        parent, sessions, showMessage,
        [](TFormCreateUser &request) { request.SetupCreateAccount(); },
        [&sessions](const QString &name, const QString &email) {
            return sessions.CreateUser(name, email);
        },
        Shown(CreateAccountRefused));
}

void RunCreateAccount(QWidget *parent, ThbQuorCentral &central, const MessageHook &showMessage) {
    TCentralAccountSessions sessions(central);
    RunCreateAccount(parent, sessions, showMessage);
}

void RunRequestPassword(QWidget *parent, TAccountSessions &sessions, const QString &loginName,
                        const MessageHook &showMessage) {
    RunRequest(
        parent, sessions, showMessage,
        [&loginName](TFormCreateUser &request) { request.SetupRequestPassword(loginName); },
        [&sessions](const QString &name, const QString &email) {
            return sessions.RequestPassword(name, email);
        },
        Shown(RequestPasswordRefused));
}

void RunRequestPassword(QWidget *parent, ThbQuorCentral &central, const QString &loginName,
                        const MessageHook &showMessage) {
    TCentralAccountSessions sessions(central);
    RunRequestPassword(parent, sessions, loginName, showMessage);
}

QString LostRequestText(AccountRequestKind kind, const QString &errText) {
    return Shown(kind == AccountRequestKind::CreateUser ? CreateAccountRefused
                                                        : RequestPasswordRefused) +
           QLatin1Char('\r') + errText;
}

} // namespace hbquor::account
