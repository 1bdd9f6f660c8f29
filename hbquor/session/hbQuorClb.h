// SPDX-License-Identifier: MIT
// The program's callback entry points: one plain function per callback slot
// of the library. Each copies its text arguments into owned strings (a null
// pointer becomes the empty string) before anything else and hands them to
// the registered session manager, which raises the windows' events. A
// callback that arrives while no session manager is registered is dropped.
#pragma once

#include "hbQuorApi.h"
#include "hbQuorObject.h"

#include <cstdint>
#include <string>

namespace hbquor {

// What the entry points hand the library's callbacks to: the session
// manager's handler for each slot, with the texts copied, and the end of a
// round of library work. The session manager is the one implementation;
// the entry points know only this interface.
class ThbQuorCallbackReceiver {
public:
    virtual void HandleLogin(QUORHANDLE h, int result) = 0;
    virtual void HandleDisconnect(QUORHANDLE h) = 0;
    virtual void HandleText(QUORHANDLE h, const std::string &sender, const std::string &text) = 0;
    virtual void HandleIsOnline(QUORHANDLE h, const std::string &name, int status) = 0;
    virtual void HandleWelcome(QUORHANDLE h, const std::string &text) = 0;
    virtual void HandlePingReply(QUORHANDLE h, const std::string &sender, int seconds) = 0;
    virtual void HandleTextError(QUORHANDLE h, int code, const std::string &name) = 0;
    virtual void HandleChannelError(QUORHANDLE h, const std::string &channel, int code) = 0;
    virtual void HandleChannelJoin(QUORHANDLE h, const std::string &channel,
                                   const std::string &user) = 0;
    virtual void HandleChannelLeave(QUORHANDLE h, const std::string &channel,
                                    const std::string &user) = 0;
    virtual void HandleContactList(QUORHANDLE h, const std::string &name) = 0;
    virtual void HandleContactStatus(QUORHANDLE h, const std::string &name, int status) = 0;
    virtual void HandleChannelText(QUORHANDLE h, const std::string &sender,
                                   const std::string &channel, const std::string &text) = 0;
    virtual void HandleOfflineText(QUORHANDLE h, const std::string &sender, int sentTime,
                                   const std::string &text) = 0;
    virtual void HandleBroadcast(QUORHANDLE h, const std::string &sender,
                                 const std::string &text) = 0;
    virtual void HandleCreateUser(QUORHANDLE h, int result) = 0;
    virtual void HandleReqPassword(QUORHANDLE h, int result) = 0;
    virtual void HandleChannelInfo(QUORHANDLE h, const std::string &channel, std::uint8_t type,
                                   const std::string &info1, const std::string &info2) = 0;
    virtual void HandleInviteUser(QUORHANDLE h, const std::string &name, int result) = 0;
    virtual void HandleUserProfile(QUORHANDLE h, int result, const std::string &name,
                                   const std::string &password, const std::string &email,
                                   int userType, int created, int lastLogin, int selfCreated,
                                   int disabled) = 0;
    virtual void HandleModifyUserProfile(QUORHANDLE h, int result, const std::string &name) = 0;
    virtual void HandleChangeEmail(QUORHANDLE h, int result) = 0;
    virtual void HandleChannelList(QUORHANDLE h, const std::string &channel, std::uint8_t type,
                                   int users) = 0;
    virtual void HandleInvitation(QUORHANDLE h, const std::string &inviter,
                                  const std::string &channel) = 0;
    // A round of library work has been delivered (PumpPending).
    virtual void ExpireAccountRequests() = 0;

protected:
    ~ThbQuorCallbackReceiver() = default;
};

// The one session manager that receives callbacks, or null. Not owned.
ThbQuorCallbackReceiver *RegisteredCentral();

// When object is the session manager (its CallbackReceiver), makes it the
// receiver and registers all 24 entry points (slot 0 first). Any other
// object, or null, clears the receiver and sets every slot to null.
// Library results are ignored.
void RegisterCallbacks(ThbQuorObject *object);

// The entry points, in slot order. Type bytes (slots 17 and 22) keep only
// their low byte; statuses (slots 3 and 11) are passed whole.
void ClbLogin(QUORHANDLE h, int result);
void ClbDisconnect(QUORHANDLE h);
void ClbText(QUORHANDLE h, const char *sender, const char *text);
void ClbIsOnline(QUORHANDLE h, const char *name, int status);
void ClbWelcome(QUORHANDLE h, const char *text);
void ClbPingReply(QUORHANDLE h, const char *sender, int seconds);
void ClbTextError(QUORHANDLE h, int code, const char *name);
void ClbChannelError(QUORHANDLE h, const char *channel, int code);
void ClbChannelJoin(QUORHANDLE h, const char *channel, const char *user);
void ClbChannelLeave(QUORHANDLE h, const char *channel, const char *user);
void ClbContactList(QUORHANDLE h, const char *name);
void ClbContactStatus(QUORHANDLE h, const char *name, int status);
void ClbChannelText(QUORHANDLE h, const char *sender, const char *channel, const char *text);
void ClbOfflineText(QUORHANDLE h, const char *sender, int sentTime, const char *text);
void ClbBroadcast(QUORHANDLE h, const char *sender, const char *text);
void ClbCreateUser(QUORHANDLE h, int result);
void ClbReqPassword(QUORHANDLE h, int result);
void ClbChannelInfo(QUORHANDLE h, const char *channel, int type, const char *info1,
                    const char *info2);
void ClbInviteUser(QUORHANDLE h, const char *name, int result);
void ClbUserProfile(QUORHANDLE h, int result, const char *name, const char *password,
                    const char *email, int userType, int created, int lastLogin, int selfCreated,
                    int disabled);
void ClbModifyUserProfile(QUORHANDLE h, int result, const char *name);
void ClbChangeEmail(QUORHANDLE h, int result);
void ClbChannelList(QUORHANDLE h, const char *channel, int type, int users);
void ClbInvitation(QUORHANDLE h, const char *inviter, const char *channel);

// Moves a fault raised by an event handler during a callback (kept from
// unwinding through the library) out to the caller of quor_pump: rethrows
// it and clears it; does nothing when there is none.
void RethrowCallbackFault();

} // namespace hbquor
