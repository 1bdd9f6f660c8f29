// SPDX-License-Identifier: MIT
#include "ProfileCommand.h"

#include "AccountEventRouter.h"
#include "ChatClient.h"
#include "UnitUserProfile.h"

#include "hbQuorClasses.h"

namespace hbquor::account {

void RunUserProfile(QWidget *parent, client::ChatClient &client, const QStringList &userTypes,
                    const TimeText &times, AccountEventRouter &router,
                    const std::function<int(QDialog &)> &exec, const MessageHook &showMessage) {
    const ThbQuorUnit *session = client.Central().FindByName(client.Account().toStdString());
    if (session == nullptr || !session->IsConnected() || session->Rights() == kRightsNone)
        return;
    TFormUserProfile profile(userTypes, parent, showMessage);
    profile.OpenForSession(client.Central(), client.Account());
    profile.SetTimeText(times);
    router.SetProfileWindow(&profile);
    exec(profile);
    router.SetProfileWindow(nullptr);
}

} // namespace hbquor::account
