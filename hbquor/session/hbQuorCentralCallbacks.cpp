// SPDX-License-Identifier: MIT
// ThbQuorCentral: each library callback becomes a change of session state
// and one event for the windows. Unless noted, a callback for a handle that
// belongs to no session is dropped, and no session pointer is used after
// its event was raised (a handler may remove the session).
#include "hbQuorCentral.h"
#include "hbQuorErrors.h"
#include "quor_names/names.h"

namespace hbquor {

void ThbQuorCentral::HandleLogin(QUORHANDLE h, int result) {
    ThbQuorUnit *session = FindByHandle(h);
    if (!session)
        return;
    session->FLoginResult = result;
    if (result == 0) {
        session->FState = SessionState::Connected;
        // Pending contacts reach the server before anyone hears of the
        // connection.
        session->UpdateContacts();
        FOnConnected(session);
        return;
    }
    session->SetIdle();
    // During quor_login the result comes back through Connect instead.
    if (session->FInLoginCall)
        return;
    if (FOnLoginFailed.Assigned())
        FOnLoginFailed(session, ErrorText(result), result);
    else
        FOnConnected(session);
}

void ThbQuorCentral::HandleDisconnect(QUORHANDLE h) {
    // An account request's connection that closes has ended without an
    // answer: the request failed, and no logged-on session is concerned.
    ThbQuorUnit *session = FindByHandle(h);
    if (session && session->AwaitsAccountCreation()) {
        FinishCreateUser(h, std::nullopt);
    } else if (session) {
        session->SetIdle();
        session->FLostConnection = true;
        FOnDisconnected(session);
    } else if (h != nullptr && h == FPasswordRequestHandle) {
        FinishPasswordRequest(std::nullopt);
    }
}

void ThbQuorCentral::HandleText(QUORHANDLE h, const std::string &sender, const std::string &text) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnText(session, sender, text);
}

void ThbQuorCentral::HandleIsOnline(QUORHANDLE h, const std::string &name, int status) {
    ThbQuorUnit *session = FindByHandle(h);
    if (session && quor::SameNameIgnoringCase(name, session->FName)) {
        session->FName = name;
        switch (status) {
        case 0:
        case 2:
            session->FRights = kRightsNone;
            break;
        case 1:
            session->FRights = kRightsUser;
            break;
        case 3:
            session->FRights = kRightsAdmin;
            break;
        default:
            break;
        }
    }
    FOnUserStatus(session, name, MapUserStatus(status));
}

void ThbQuorCentral::HandleWelcome(QUORHANDLE h, const std::string &text) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnWelcome(session, text);
}

void ThbQuorCentral::HandlePingReply(QUORHANDLE h, const std::string &sender, int seconds) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnPingReply(session, sender, seconds);
}

void ThbQuorCentral::HandleTextError(QUORHANDLE h, int code, const std::string &name) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnTextFailed(session, ErrorText(code), code, name);
}

void ThbQuorCentral::HandleChannelError(QUORHANDLE h, const std::string &channel, int code) {
    if (ThbQuorUnit *session = FindByHandle(h)) {
        session->RemoveChannel(channel);
        FOnChannelError(session, channel, ErrorText(code), code);
    }
}

void ThbQuorCentral::HandleChannelJoin(QUORHANDLE h, const std::string &channel,
                                       const std::string &user) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnChannelJoined(session, channel, user);
}

void ThbQuorCentral::HandleChannelLeave(QUORHANDLE h, const std::string &channel,
                                        const std::string &user) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnChannelLeft(session, channel, user);
}

void ThbQuorCentral::HandleContactList(QUORHANDLE h, const std::string &name) {
    FOnContactListEntry(FindByHandle(h), name);
}

void ThbQuorCentral::HandleContactStatus(QUORHANDLE h, const std::string &name, int status) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnContactStatus(session, name, MapUserStatus(status));
}

void ThbQuorCentral::HandleChannelText(QUORHANDLE h, const std::string &sender,
                                       const std::string &channel, const std::string &text) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnChannelText(session, channel, sender, text);
}

void ThbQuorCentral::HandleOfflineText(QUORHANDLE h, const std::string &sender, int sentTime,
                                       const std::string &text) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnOfflineText(session, sender, text, ServerTimeToDateTime(sentTime, FTimeMode));
}

void ThbQuorCentral::HandleBroadcast(QUORHANDLE h, const std::string &sender,
                                     const std::string &text) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnBroadcast(session, sender, text);
}

void ThbQuorCentral::HandleChannelInfo(QUORHANDLE h, const std::string &channel, std::uint8_t type,
                                       const std::string &info1, const std::string &info2) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnChannelInfo(session, channel, type, info1, info2);
}

void ThbQuorCentral::HandleInviteUser(QUORHANDLE h, const std::string &name, int result) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnInviteResult(session, ErrorText(result), result, name);
}

void ThbQuorCentral::HandleUserProfile(QUORHANDLE h, int result, const std::string &name,
                                       const std::string &password, const std::string &email,
                                       int userType, int created, int lastLogin, int selfCreated,
                                       int disabled) {
    ThbQuorUnit *session = FindByHandle(h);
    if (!session)
        return;
    if (result == 0 && quor::SameNameIgnoringCase(name, session->FName)) {
        session->FName = name;
        session->FPassword = password;
        session->FEmail = email;
        session->FUserType = userType;
        session->FCreated = created;
        session->FLastLogin = lastLogin;
        session->FSelfCreated = selfCreated;
        if (userType == 0)
            session->FRights = kRightsUser;
        else if (userType == 1)
            session->FRights = kRightsAdmin;
    }
    FOnUserProfile(session, ErrorText(result), result, name, password, email, userType,
                   ServerTimeToDateTime(created, FTimeMode),
                   ServerTimeToDateTime(lastLogin, FTimeMode), selfCreated, disabled);
}

void ThbQuorCentral::HandleModifyUserProfile(QUORHANDLE h, int result, const std::string &name) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnProfileChanged(session, ErrorText(result), result, name);
}

void ThbQuorCentral::HandleChangeEmail(QUORHANDLE h, int result) {
    ThbQuorUnit *session = FindByHandle(h);
    if (!session)
        return;
    FOnEmailChanged(session, ErrorText(result), result);
    // After a successful change the library closes the connection without
    // a disconnect notice; the session must not go on looking connected.
    if (result != 0)
        return;
    session = FindByHandle(h);
    if (session) {
        session->SetIdle();
        FOnDisconnected(session);
    }
}

void ThbQuorCentral::HandleChannelList(QUORHANDLE h, const std::string &channel, std::uint8_t type,
                                       int users) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnChannelListEntry(session, channel, type, users);
}

void ThbQuorCentral::HandleInvitation(QUORHANDLE h, const std::string &inviter,
                                      const std::string &channel) {
    if (ThbQuorUnit *session = FindByHandle(h))
        FOnInvitation(session, inviter, channel);
}

} // namespace hbquor
