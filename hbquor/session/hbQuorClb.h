// The program's callback entry points: one plain function per callback slot
// of the library. Each copies its text arguments into owned strings (a null
// pointer becomes the empty string) before anything else and hands them to
// the registered session manager, which raises the windows' events. A
// callback that arrives while no session manager is registered is dropped.
#pragma once

#include "hbQuorApi.h"

namespace hbquor {

class ThbQuorCentral;

// Root of the session layer's classes, so RegisterCallbacks can test the
// kind of the object it is given.
class ThbQuorObject {
public:
    virtual ~ThbQuorObject() = default;
};

// The one session manager that receives callbacks, or null. Not owned.
ThbQuorCentral *RegisteredCentral();

// When object is a ThbQuorCentral, makes it the receiver and registers all
// 24 entry points (slot 0 first). Any other object, or null, clears the
// receiver and sets every slot to null. Library results are ignored.
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
