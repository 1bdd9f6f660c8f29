// SPDX-License-Identifier: MIT
#include "CentralAccountSessions.h"

#include "WireText.h"

#include "hbQuorClasses.h"

namespace hbquor::account {

namespace {

std::string Utf8(const QString &text) {
    return text.toStdString();
}

} // namespace

bool TCentralAccountSessions::Initialised() {
    return FCentral.Initialised();
}

bool TCentralAccountSessions::HasSession(const QString &session) {
    return FCentral.FindByName(Utf8(session)) != nullptr;
}

bool TCentralAccountSessions::IsConnected(const QString &session) {
    return FCentral.IsConnected(Utf8(session));
}

TStoredProfile TCentralAccountSessions::StoredProfile(const QString &session) {
    TStoredProfile profile;
    if (const ThbQuorUnit *unit = FCentral.FindByName(Utf8(session))) {
        profile.Name = WireText(unit->Name());
        profile.Password = WireText(unit->Password());
        profile.Email = WireText(unit->Email());
        profile.UserType = unit->UserType();
        profile.Created = unit->Created();
        profile.LastLogin = unit->LastLogin();
        profile.SelfCreated = unit->SelfCreated();
    }
    return profile;
}

QString TCentralAccountSessions::LoginName(const QString &session) {
    const ThbQuorUnit *unit = FCentral.FindByName(Utf8(session));
    return unit ? WireText(unit->LoginName()) : QString();
}

int TCentralAccountSessions::RequestUserProfile(const QString &session, const QString &user) {
    return FCentral.RequestUserProfile(Utf8(session), Utf8(user));
}

int TCentralAccountSessions::ModifyUserProfile(const QString &session, const QString &user,
                                               const QString &password, const QString &email,
                                               int userType, int disabled) {
    return FCentral.ModifyUserProfile(Utf8(session), Utf8(user), Utf8(password), Utf8(email),
                                      userType, disabled);
}

int TCentralAccountSessions::ChangeEmail(const QString &session, const QString &email) {
    return FCentral.ChangeEmail(Utf8(session), Utf8(email));
}

int TCentralAccountSessions::CreateUser(const QString &name, const QString &email) {
    return FCentral.CreateUser(Utf8(name), Utf8(email));
}

int TCentralAccountSessions::RequestPassword(const QString &name, const QString &email) {
    return FCentral.RequestPassword(Utf8(name), Utf8(email));
}

QString TCentralAccountSessions::ErrorText(int code) {
    return WireText(hbquor::ErrorText(code));
}

} // namespace hbquor::account
