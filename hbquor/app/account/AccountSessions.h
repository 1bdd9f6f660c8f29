// SPDX-License-Identifier: MIT
// What the account windows need of the session manager, addressed by the
// login name of the account session they work for. The program passes its
// session manager through TCentralAccountSessions; tests pass their own.
#pragma once

#include <QString>

namespace hbquor::account {

// The own profile an account session has stored from the server.
struct TStoredProfile {
    QString Name;
    QString Password;
    QString Email;
    int UserType = 0;
    long long Created = 0;   // seconds since 1970 UTC; 0 when unknown
    long long LastLogin = 0; // seconds since 1970 UTC; 0 when unknown
    int SelfCreated = 0;
};

class TAccountSessions {
public:
    virtual ~TAccountSessions() = default;

    // The library was initialised, so requests can be made at all.
    virtual bool Initialised() = 0;
    // An account session of that name exists, connected or not.
    virtual bool HasSession(const QString &session) = 0;
    // It exists and is connected.
    virtual bool IsConnected(const QString &session) = 0;
    // Its stored own profile (empty when there is no such session).
    virtual TStoredProfile StoredProfile(const QString &session) = 0;
    // The user name as the session logged in (its LoginName query).
    virtual QString LoginName(const QString &session) = 0;

    // Requests through the session; each returns 0 when it was sent.
    virtual int RequestUserProfile(const QString &session, const QString &user) = 0;
    virtual int ModifyUserProfile(const QString &session, const QString &user,
                                  const QString &password, const QString &email, int userType,
                                  int disabled) = 0;
    virtual int ChangeEmail(const QString &session, const QString &email) = 0;
    // Requests that need no logged-on session.
    virtual int CreateUser(const QString &name, const QString &email) = 0;
    virtual int RequestPassword(const QString &name, const QString &email) = 0;

    // The text of a result code.
    virtual QString ErrorText(int code) = 0;
};

} // namespace hbquor::account
