// SPDX-License-Identifier: MIT
// A stand-in for the session manager that records every request and
// answers with preset results, for tests of the account windows.
#pragma once

#include "AccountSessions.h"

#include <QStringList>

namespace hbquor::account::testing {

class FakeAccountSessions : public TAccountSessions {
public:
    bool initialised = true;
    bool exists = true;
    bool connected = true;
    TStoredProfile profile;
    QString loginName;
    int result = 0; // returned by every request
    // One entry per request: its name and arguments joined by "|".
    QStringList requests;

    bool Initialised() override { return initialised; }
    bool HasSession(const QString &) override { return exists; }
    bool IsConnected(const QString &) override { return exists && connected; }
    TStoredProfile StoredProfile(const QString &) override { return profile; }
    QString LoginName(const QString &) override { return loginName; }
    int RequestUserProfile(const QString &session, const QString &user) override {
        return Record({QStringLiteral("RequestUserProfile"), session, user});
    }
    int ModifyUserProfile(const QString &session, const QString &user, const QString &password,
                          const QString &email, int userType, int disabled) override {
        return Record({QStringLiteral("ModifyUserProfile"), session, user, password, email,
                       QString::number(userType), QString::number(disabled)});
    }
    int ChangeEmail(const QString &session, const QString &email) override {
        return Record({QStringLiteral("ChangeEmail"), session, email});
    }
    int CreateUser(const QString &name, const QString &email) override {
        return Record({QStringLiteral("CreateUser"), name, email});
    }
    int RequestPassword(const QString &name, const QString &email) override {
        return Record({QStringLiteral("RequestPassword"), name, email});
    }
    QString ErrorText(int code) override { return QStringLiteral("text of %1").arg(code); }

private:
    int Record(const QStringList &request) {
        requests << request.join(QLatin1Char('|'));
        return result;
    }
};

} // namespace hbquor::account::testing
