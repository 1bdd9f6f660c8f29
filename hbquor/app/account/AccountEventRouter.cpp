#include "AccountEventRouter.h"

#include "AccountCommands.h"
#include "FillFields.h"
#include "UnitUserProfile.h"
#include "WireText.h"

#include "hbQuorCentral.h"

namespace hbquor::account {

TAccountEventRouter::TAccountEventRouter(ThbQuorCentral &central, ShowMessageFunction showMessage)
    : FShowMessage(std::move(showMessage)) {
    central.SetOnUserProfile([this](ThbQuorUnit *, const std::string &errText, int code,
                                    const std::string &name, const std::string &password,
                                    const std::string &email, int userType, double created,
                                    double lastLogin, int selfCreated, int disabled) {
        if (code == 0 && FOnProfileLoaded)
            FOnProfileLoaded(WireText(name));
        if (FProfileWindow)
            FProfileWindow->ShowProfileResult(errText, code, name, password, email, userType,
                                              created, lastLogin, selfCreated, disabled);
    });
    central.SetOnProfileChanged(
        [this](ThbQuorUnit *, const std::string &errText, int code, const std::string &name) {
            if (FProfileWindow)
                FProfileWindow->ShowModifyResult(errText, code, name);
        });
    central.SetOnEmailChanged([this](ThbQuorUnit *, const std::string &errText, int code) {
        if (FProfileWindow)
            FProfileWindow->ShowEmailChangeResult(errText, code);
    });
    central.SetOnCreateUserResult([this](const std::string &errText, int code,
                                         const std::string &name, const std::string &email) {
        const QString number = QString::number(code);
        FShowMessage(
            code == 0 ? FillFields("New Quor account created for: %s\rPassword will be "
                                   "emailed to: %s",
                                   {WireText(name), WireText(email)})
                      : FillFields("New Quor account FAILED for: %s\rEmail: %s\rReason %d: %s",
                                   {WireText(name), WireText(email), number, WireText(errText)}));
    });
    central.SetOnPasswordRequestResult([this](const std::string &errText, int code,
                                              const std::string &name, const std::string &email) {
        const QString number = QString::number(code);
        FShowMessage(
            code == 0
                ? FillFields("Password request of %s accepted\rPassword will be emailed to: %s",
                             {WireText(name), WireText(email)})
                : FillFields("Password request of %s FAILED\rEmail: %s\rReason %d: %s",
                             {WireText(name), WireText(email), number, WireText(errText)}));
    });
    central.SetOnAccountRequestLost(
        [this](AccountRequestKind kind, const std::string &errText, int, const std::string &,
               const std::string &) { FShowMessage(LostRequestText(kind, WireText(errText))); });
}

void TAccountEventRouter::SetProfileWindow(TFormUserProfile *window) {
    FProfileWindow = window;
}

TFormUserProfile *TAccountEventRouter::ProfileWindow() const {
    return FProfileWindow;
}

} // namespace hbquor::account
