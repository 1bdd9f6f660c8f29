// SPDX-License-Identifier: MIT
#include "AccountEventRouter.h"

#include "AccountCommands.h"
#include "ChatClient.h"
#include "FillFields.h"
#include "UnitUserProfile.h"

namespace hbquor::account {

using client::AccountAnswer;
using client::ChatClient;

namespace {

/// The message for the server's answer to an account request: accepted
/// names the user and the e-mail address, failed adds the reason.
QString AnswerText(const AccountAnswer &answer, const QString &accepted, const QString &failed) {
    return answer.Code == 0 ? FillFields(accepted, {answer.Name, answer.Email})
                            : FillFields(failed, {answer.Name, answer.Email,
                                                  QString::number(answer.Code), answer.ErrText});
}

} // namespace

AccountEventRouter::AccountEventRouter(ChatClient &client, ShowMessageFunction showMessage)
    : FShowMessage(std::move(showMessage)) {
    connect(&client, &ChatClient::UserProfileReceived, this,
            [this](const client::UserProfile &profile) {
                if (FProfileWindow)
                    FProfileWindow->ShowProfileResult(profile);
            });
    connect(&client, &ChatClient::ProfileChanged, this,
            [this](const client::ProfileChange &change) {
                if (FProfileWindow)
                    FProfileWindow->ShowModifyResult(change);
            });
    connect(&client, &ChatClient::EmailChanged, this, [this](const client::RequestResult &result) {
        if (FProfileWindow)
            FProfileWindow->ShowEmailChangeResult(result);
    });
    connect(&client, &ChatClient::CreateUserAnswered, this, [this](const AccountAnswer &answer) {
        FShowMessage(AnswerText(
            answer, tr("New Quor account created for: %s\rPassword will be emailed to: %s"),
            tr("New Quor account FAILED for: %s\rEmail: %s\rReason %d: %s")));
    });
    connect(&client, &ChatClient::PasswordRequestAnswered, this,
            [this](const AccountAnswer &answer) {
                FShowMessage(AnswerText(
                    answer, tr("Password request of %s accepted\rPassword will be emailed to: %s"),
                    tr("Password request of %s FAILED\rEmail: %s\rReason %d: %s")));
            });
    connect(&client, &ChatClient::AccountRequestLost, this,
            [this](const client::LostAccountRequest &lost) {
                FShowMessage(LostRequestText(lost.Kind, lost.ErrText));
            });
}

void AccountEventRouter::SetProfileWindow(TFormUserProfile *window) {
    FProfileWindow = window;
}

TFormUserProfile *AccountEventRouter::ProfileWindow() const {
    return FProfileWindow;
}

} // namespace hbquor::account
