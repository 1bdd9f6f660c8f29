// SPDX-License-Identifier: MIT
// The account windows' view of the program's session manager.
#pragma once

#include "AccountSessions.h"

namespace hbquor {
class ThbQuorCentral;
}

namespace hbquor::account {

// Forwards every need of the account windows to a session manager that it
// does not own. Texts cross as UTF-8.
class TCentralAccountSessions : public TAccountSessions {
public:
    explicit TCentralAccountSessions(ThbQuorCentral &central) : FCentral(central) {}

    bool Initialised() override;
    bool HasSession(const QString &session) override;
    bool IsConnected(const QString &session) override;
    TStoredProfile StoredProfile(const QString &session) override;
    QString LoginName(const QString &session) override;
    int RequestUserProfile(const QString &session, const QString &user) override;
    int ModifyUserProfile(const QString &session, const QString &user, const QString &password,
                          const QString &email, int userType, int disabled) override;
    int ChangeEmail(const QString &session, const QString &email) override;
    int CreateUser(const QString &name, const QString &email) override;
    int RequestPassword(const QString &name, const QString &email) override;
    QString ErrorText(int code) override;

private:
    ThbQuorCentral &FCentral;
};

} // namespace hbquor::account
