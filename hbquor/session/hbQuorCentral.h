// SPDX-License-Identifier: MIT
// ThbQuorCentral: the one object through which the windows use the chat
// service. It initialises and terminates the library, owns the account
// sessions (one per user name), forwards the windows' requests to them,
// runs the two requests that need no logged-on session (account creation
// and password request), and turns every library callback into a change of
// session state and one event for the windows.
#pragma once

#include "hbQuorApi.h"
#include "hbQuorClb.h"
#include "hbQuorEvent.h"
#include "hbQuorObject.h"
#include "hbQuorTime.h"
#include "hbQuorUnit.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hbquor {

// ---- Event types; the argument order is the one listed per event ----

// Sender.
using TSessionEvent = ThbQuorEvent<ThbQuorUnit *>;
// Sender, ErrText, Code.
using TResultEvent = ThbQuorEvent<ThbQuorUnit *, const std::string &, int>;
// Sender, ErrText, Code, Name.
using TNamedResultEvent =
    ThbQuorEvent<ThbQuorUnit *, const std::string &, int, const std::string &>;
// Sender (may be null), Name, Status.
using TUserStatusEvent = ThbQuorEvent<ThbQuorUnit *, const std::string &, QuorUserStatus>;
// Sender, one text (welcome text, or a name of the name list).
using TTextLineEvent = ThbQuorEvent<ThbQuorUnit *, const std::string &>;
// Sender, two texts (From and Text; Channel and User; Inviter and Channel).
using TTwoTextEvent = ThbQuorEvent<ThbQuorUnit *, const std::string &, const std::string &>;
// Sender, Name, Seconds.
using TPingReplyEvent = ThbQuorEvent<ThbQuorUnit *, const std::string &, int>;
// Sender, Channel, ErrText, Code.
using TChannelErrorEvent =
    ThbQuorEvent<ThbQuorUnit *, const std::string &, const std::string &, int>;
// Sender, Channel, From, Text.
using TChannelTextEvent =
    ThbQuorEvent<ThbQuorUnit *, const std::string &, const std::string &, const std::string &>;
// Sender, From, Text, SentTime.
using TOfflineTextEvent =
    ThbQuorEvent<ThbQuorUnit *, const std::string &, const std::string &, TDateTime>;
// ErrText, Code, Name, Email (no sender).
using TAccountRequestEvent =
    ThbQuorEvent<const std::string &, int, const std::string &, const std::string &>;
// Sender, Channel, Type, Info1, Info2.
using TChannelInfoEvent = ThbQuorEvent<ThbQuorUnit *, const std::string &, std::uint8_t,
                                       const std::string &, const std::string &>;
// Sender, ErrText, Code, Name, Password, Email, UserType, Created, LastLogin,
// SelfCreated, Disabled.
using TUserProfileEvent =
    ThbQuorEvent<ThbQuorUnit *, const std::string &, int, const std::string &, const std::string &,
                 const std::string &, int, TDateTime, TDateTime, int, int>;
// Sender, Channel, Type, UserCount.
using TChannelListEntryEvent = ThbQuorEvent<ThbQuorUnit *, const std::string &, std::uint8_t, int>;

// The two requests that run on a connection of their own.
enum class AccountRequestKind : std::uint8_t { CreateUser, RequestPassword };
// Kind, ErrText, Code, Name, Email (no sender).
using TAccountRequestLostEvent = ThbQuorEvent<AccountRequestKind, const std::string &, int,
                                              const std::string &, const std::string &>;

// How long an account creation or password request waits for its answer.
// The library closes such a connection silently when the server's answer
// is cut short, and a stalled server never answers at all; either way the
// request must end so the user can try again.
inline constexpr std::chrono::seconds kAccountAnswerTimeout{60};

class ThbQuorCentral : public ThbQuorObject, public ThbQuorCallbackReceiver {
public:
    // Sessions in insertion order, keyed by the trimmed name given to
    // AddLogin. Lookups compare the session's Name, not the key.
    using TSessionList = TOwnedList<ThbQuorUnit>;

    // Not initialised, no sessions, time mode VRT, no handlers.
    ThbQuorCentral();
    // Clears the callback registration, destroys every session (each
    // disconnects itself) and terminates the library if Init succeeded.
    ~ThbQuorCentral() override;
    ThbQuorCentral(const ThbQuorCentral &) = delete;
    ThbQuorCentral &operator=(const ThbQuorCentral &) = delete;

    // The receiver of the library's callbacks is the session manager.
    ThbQuorCallbackReceiver *CallbackReceiver() override { return this; }

    // quor_init with build 14; on success registers the callbacks with this
    // object. Returns the library's result unchanged.
    int Init();
    bool Initialised() const { return FInitialised; }

    // ---- Event setters: each replaces the event's handler with a callable,
    // or with a target object and one of its member functions. ----
    template <class... H> void SetOnError(H &&...h) { FOnError.Set(std::forward<H>(h)...); }
    template <class... H> void SetOnConnecting(H &&...h) {
        FOnConnecting.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnConnected(H &&...h) { FOnConnected.Set(std::forward<H>(h)...); }
    template <class... H> void SetOnLoginFailed(H &&...h) {
        FOnLoginFailed.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnDisconnected(H &&...h) {
        FOnDisconnected.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnUserStatus(H &&...h) {
        FOnUserStatus.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnContactStatus(H &&...h) {
        FOnContactStatus.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnText(H &&...h) { FOnText.Set(std::forward<H>(h)...); }
    template <class... H> void SetOnTextFailed(H &&...h) {
        FOnTextFailed.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnWelcome(H &&...h) { FOnWelcome.Set(std::forward<H>(h)...); }
    template <class... H> void SetOnPingReply(H &&...h) { FOnPingReply.Set(std::forward<H>(h)...); }
    template <class... H> void SetOnChannelError(H &&...h) {
        FOnChannelError.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnChannelJoined(H &&...h) {
        FOnChannelJoined.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnChannelLeft(H &&...h) {
        FOnChannelLeft.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnChannelText(H &&...h) {
        FOnChannelText.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnContactListEntry(H &&...h) {
        FOnContactListEntry.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnOfflineText(H &&...h) {
        FOnOfflineText.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnBroadcast(H &&...h) { FOnBroadcast.Set(std::forward<H>(h)...); }
    template <class... H> void SetOnEmailChanged(H &&...h) {
        FOnEmailChanged.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnPasswordRequestResult(H &&...h) {
        FOnPasswordRequestResult.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnCreateUserResult(H &&...h) {
        FOnCreateUserResult.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnChannelInfo(H &&...h) {
        FOnChannelInfo.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnUserProfile(H &&...h) {
        FOnUserProfile.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnProfileChanged(H &&...h) {
        FOnProfileChanged.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnInviteResult(H &&...h) {
        FOnInviteResult.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnInvitation(H &&...h) {
        FOnInvitation.Set(std::forward<H>(h)...);
    }
    template <class... H> void SetOnChannelListEntry(H &&...h) {
        FOnChannelListEntry.Set(std::forward<H>(h)...);
    }
    // An account creation or password request whose connection ended
    // without a complete answer (closed, cut short or timed out), with the
    // code QUOR_ERR_CONNECT. Without a handler, the request's result event
    // (OnCreateUserResult or OnPasswordRequestResult) is raised instead.
    template <class... H> void SetOnAccountRequestLost(H &&...h) {
        FOnAccountRequestLost.Set(std::forward<H>(h)...);
    }

    // How server times (offline texts, profiles) are converted:
    // kTimeModeVrt, kTimeModeUtc or kTimeModeLocal; other values act as VRT.
    void SetTimeMode(std::uint8_t mode) { FTimeMode = mode; }
    std::uint8_t TimeMode() const { return FTimeMode; }

    // ---- Sessions ----
    const TSessionList &Sessions() const { return FSessions; }
    // Creates the session for name, or updates the name's capitalisation
    // and the password of an existing one that is idle. False for an empty
    // name or password, or a session that is connecting or connected.
    bool AddLogin(std::string_view name, std::string_view password);
    // The log-in sequence. 0 when the login request was handed to the
    // library (OnConnecting raised); a positive code raises OnLoginFailed;
    // -1 for empty arguments or a busy session (reported by OnError).
    int Login(std::string_view name, std::string_view password);
    // -1 for an empty or unknown name, otherwise the session's Disconnect
    // result; raises OnDisconnected on 0. The session stays, idle.
    int Logout(std::string_view name);
    // Disconnects and destroys one session; false for an empty or unknown
    // name.
    bool RemoveLogin(std::string_view name);
    // Disconnects and destroys every session.
    void ClearLoggins();
    ThbQuorUnit *FindByName(std::string_view name);
    ThbQuorUnit *FindByHandle(QUORHANDLE handle);
    bool HasLogin(std::string_view name);
    bool IsConnected(std::string_view name);
    bool IsIdle(std::string_view name);

    // ---- Requests for a session, addressed by its user name ----
    bool AddContact(std::string_view session, std::string_view contact);
    int AddContacts(std::string_view session, const std::vector<std::string> &names);
    bool DelContact(std::string_view session, std::string_view contact);
    void DelAllContacts(std::string_view session);
    // -1 without sending when the recipient is empty or the session's own
    // user, or the session does not exist or is not connected.
    int SendText(std::string_view session, std::string_view recipient, std::string_view text);
    int PingUser(std::string_view session, std::string_view user);
    int JoinChannel(std::string_view session, std::string_view channel, int type,
                    std::string_view password);
    int LeaveChannel(std::string_view session, std::string_view channel);
    int IsOnline(std::string_view session, std::string_view user);
    int InviteUser(std::string_view session, std::string_view channel, std::string_view user);
    int RequestUserProfile(std::string_view session, std::string_view user);
    int ModifyUserProfile(std::string_view session, std::string_view user,
                          std::string_view password, std::string_view email, int userType,
                          int disabled);
    int ChangeEmail(std::string_view session, std::string_view email);
    int RequestChannelList(std::string_view session);

    // ---- Requests without a logged-on session ----
    // Asks the server to create an account; the answer raises
    // OnCreateUserResult and removes the temporary session. A connection
    // that ends without an answer raises OnAccountRequestLost instead and
    // removes it too.
    int CreateUser(std::string_view name, std::string_view email);
    // Asks the server to mail a forgotten password; -1 while one request is
    // outstanding. The answer raises OnPasswordRequestResult; a connection
    // that ends without one raises OnAccountRequestLost and frees the slot.
    int RequestPassword(std::string_view name, std::string_view email);
    QUORHANDLE PasswordRequestHandle() const { return FPasswordRequestHandle; }
    const std::string &PasswordRequestName() const { return FPasswordRequestName; }
    const std::string &PasswordRequestEmail() const { return FPasswordRequestEmail; }

    // Ends every account request that has waited longer than
    // kAccountAnswerTimeout: its connection is dropped and it is reported
    // lost. PumpPending calls this after each round of library work.
    void ExpireAccountRequests() override;
    // The clock the answer time-out is measured with; tests step their own.
    using TClock = std::function<std::chrono::steady_clock::time_point()>;
    void SetClock(TClock clock) { FClock = std::move(clock); }

    // Every session's error handler: raises OnError with the same arguments.
    void ForwardError(ThbQuorUnit *sender, const std::string &where, const std::string &what,
                      int code, const std::string &errText);

    // ---- Callback handlers, one per library slot (called by hbQuorClb) ----
    void HandleLogin(QUORHANDLE h, int result) override;
    void HandleDisconnect(QUORHANDLE h) override;
    void HandleText(QUORHANDLE h, const std::string &sender, const std::string &text) override;
    void HandleIsOnline(QUORHANDLE h, const std::string &name, int status) override;
    void HandleWelcome(QUORHANDLE h, const std::string &text) override;
    void HandlePingReply(QUORHANDLE h, const std::string &sender, int seconds) override;
    void HandleTextError(QUORHANDLE h, int code, const std::string &name) override;
    void HandleChannelError(QUORHANDLE h, const std::string &channel, int code) override;
    void HandleChannelJoin(QUORHANDLE h, const std::string &channel,
                           const std::string &user) override;
    void HandleChannelLeave(QUORHANDLE h, const std::string &channel,
                            const std::string &user) override;
    void HandleContactList(QUORHANDLE h, const std::string &name) override;
    void HandleContactStatus(QUORHANDLE h, const std::string &name, int status) override;
    void HandleChannelText(QUORHANDLE h, const std::string &sender, const std::string &channel,
                           const std::string &text) override;
    void HandleOfflineText(QUORHANDLE h, const std::string &sender, int sentTime,
                           const std::string &text) override;
    void HandleBroadcast(QUORHANDLE h, const std::string &sender, const std::string &text) override;
    void HandleCreateUser(QUORHANDLE h, int result) override;
    void HandleReqPassword(QUORHANDLE h, int result) override;
    void HandleChannelInfo(QUORHANDLE h, const std::string &channel, std::uint8_t type,
                           const std::string &info1, const std::string &info2) override;
    void HandleInviteUser(QUORHANDLE h, const std::string &name, int result) override;
    void HandleUserProfile(QUORHANDLE h, int result, const std::string &name,
                           const std::string &password, const std::string &email, int userType,
                           int created, int lastLogin, int selfCreated, int disabled) override;
    void HandleModifyUserProfile(QUORHANDLE h, int result, const std::string &name) override;
    void HandleChangeEmail(QUORHANDLE h, int result) override;
    void HandleChannelList(QUORHANDLE h, const std::string &channel, std::uint8_t type,
                           int users) override;
    void HandleInvitation(QUORHANDLE h, const std::string &inviter,
                          const std::string &channel) override;

private:
    // Disconnects a session and reports a failure as the manager's own.
    void DisconnectReporting(ThbQuorUnit *session);
    // Destroys a session found by a lookup and deletes its entry.
    void RemoveSession(const ThbQuorUnit *session);
    // The end of an account creation on handle h: raises the event of the
    // server's answer, or the lost event without one, then removes the
    // temporary session unless a handler has put it to other use.
    void FinishCreateUser(QUORHANDLE h, std::optional<int> answer);
    // The end of the outstanding password request, answered or lost.
    void FinishPasswordRequest(std::optional<int> answer);
    // Raises OnAccountRequestLost, or the result event when it has no
    // handler.
    void RaiseAccountRequestLost(AccountRequestKind kind, const std::string &name,
                                 const std::string &email);
    // The moment a request made now has waited too long.
    std::chrono::steady_clock::time_point AnswerDeadline() const;

    bool FInitialised = false;
    TSessionList FSessions;
    TErrorEvent FOnError;
    TSessionEvent FOnConnecting;
    TSessionEvent FOnConnected;
    TResultEvent FOnLoginFailed;
    TSessionEvent FOnDisconnected;
    TUserStatusEvent FOnUserStatus;
    TUserStatusEvent FOnContactStatus;
    TTwoTextEvent FOnText;           // Sender, From, Text
    TNamedResultEvent FOnTextFailed; // Sender, ErrText, Code, Recipient
    TTextLineEvent FOnWelcome;       // Sender, Text
    TPingReplyEvent FOnPingReply;    // Sender, Name, Seconds
    TChannelErrorEvent FOnChannelError;
    TTwoTextEvent FOnChannelJoined;     // Sender, Channel, User
    TTwoTextEvent FOnChannelLeft;       // Sender, Channel, User
    TChannelTextEvent FOnChannelText;   // Sender, Channel, From, Text
    TTextLineEvent FOnContactListEntry; // Sender (may be null), Name
    TOfflineTextEvent FOnOfflineText;
    TTwoTextEvent FOnBroadcast; // Sender, From, Text
    TResultEvent FOnEmailChanged;
    TAccountRequestEvent FOnPasswordRequestResult;
    TAccountRequestEvent FOnCreateUserResult;
    TChannelInfoEvent FOnChannelInfo;
    TUserProfileEvent FOnUserProfile;
    TNamedResultEvent FOnProfileChanged; // Sender, ErrText, Code, Name
    QUORHANDLE FPasswordRequestHandle = nullptr;
    std::string FPasswordRequestName;
    std::string FPasswordRequestEmail;
    std::chrono::steady_clock::time_point FPasswordRequestDeadline;
    TNamedResultEvent FOnInviteResult; // Sender, ErrText, Code, Name
    std::uint8_t FTimeMode = kTimeModeVrt;
    TTwoTextEvent FOnInvitation; // Sender, Inviter, Channel
    TChannelListEntryEvent FOnChannelListEntry;
    TAccountRequestLostEvent FOnAccountRequestLost;
    TClock FClock = [] { return std::chrono::steady_clock::now(); };
};

} // namespace hbquor
