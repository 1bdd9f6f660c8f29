// SPDX-License-Identifier: MIT
// One user account as the program knows it (ThbQuorUnit): its login data,
// the library handle of its connection, its state, what its own profile
// said, and its contact and channel entries (ThbQuorContact,
// ThbQuorChannel). The session manager owns every session and forwards
// the windows' requests to it; the session keeps its entries consistent
// with what it has told the library and reports every failing library
// call through its error handler.
#pragma once

#include "hbQuorApi.h"
#include "hbQuorEvent.h"
#include "hbQuorObject.h"
#include "hbQuorOwnedList.h"

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

// Online state of a user, and the hand-over state of a contact entry.
enum class QuorUserStatus : std::uint8_t {
    NotRegistered = 0,
    OnlineUser = 1,
    Offline = 2,
    OnlineAdmin = 3,
    HandedToLibrary = 4, // contact entries only: the library has the name
    Pending = 5,         // unknown, or not yet handed to the library
};

// A status from the library: 0 to 3 stay, every other value is Pending.
QuorUserStatus MapUserStatus(int status);

enum class SessionState : std::uint8_t {
    Idle = 0,       // no connection, normally no handle
    Connecting = 1, // the login request has been handed to the library
    Connected = 2,  // the server accepted the login
};

// Rights of a session's user.
inline constexpr std::uint8_t kRightsNone = 0;
inline constexpr std::uint8_t kRightsUser = 1;
inline constexpr std::uint8_t kRightsAdmin = 2;

// Channel types for JoinChannel.
inline constexpr int kChannelStandard = 0;
inline constexpr int kChannelInviteOnly = 1;
inline constexpr int kChannelPassworded = 2;

class ThbQuorUnit;

// Failure report: Sender, Where, What, Code, ErrText.
using TErrorEvent =
    ThbQuorEvent<ThbQuorUnit *, const std::string &, const std::string &, int, const std::string &>;

// A name on the session's contact list. Status is Pending (5) until the
// library has the name, HandedToLibrary (4) once it has it, NotRegistered
// (0) when the library refused it. The server's online state of the
// contact is not kept here; it reaches the windows as an event.
class ThbQuorContact {
public:
    explicit ThbQuorContact(std::string name) : Name(std::move(name)) {}
    std::string Name;
    QuorUserStatus Status = QuorUserStatus::Pending;
    int ListPosition = 0; // position in the list, stored by FindContact
};

// A channel the session asked to join. Joined is set once the join
// request was handed to the library.
class ThbQuorChannel {
public:
    explicit ThbQuorChannel(std::string name) : Name(std::move(name)) {}
    std::string Name;
    bool Joined = false;
    int ListPosition = 0; // position in the list, stored by FindChannel
};

class ThbQuorUnit : public ThbQuorObject {
public:
    // Entries in insertion order, keyed by the name they were added with.
    using TContactList = TOwnedList<ThbQuorContact>;
    using TChannelList = TOwnedList<ThbQuorChannel>;

    // An idle session without a handle and with empty lists.
    ThbQuorUnit(std::string_view name, std::string_view password);
    // Disconnects (a failure is reported) and destroys every entry.
    ~ThbQuorUnit() override;
    ThbQuorUnit(const ThbQuorUnit &) = delete;
    ThbQuorUnit &operator=(const ThbQuorUnit &) = delete;

    // Replaces the error handler: a callable, or a target and its member
    // function, taking (Sender, Where, What, Code, ErrText).
    template <class... Handler> void SetOnError(Handler &&...handler) {
        FOnError.Set(std::forward<Handler>(handler)...);
    }

    // ---- Queries ----
    QUORHANDLE Handle() const { return FHandle; }
    // The name the manager finds the session by; it takes the server's
    // capitalisation when an is-online answer or the own profile names it.
    const std::string &Name() const { return FName; }
    // The name as passed to Login when it equals Name ignoring case,
    // otherwise Name.
    std::string LoginName() const;
    const std::string &Password() const { return FPassword; }
    int Created() const { return FCreated; }     // own profile, seconds since 1970
    int LastLogin() const { return FLastLogin; } // own profile, seconds since 1970
    const std::string &Email() const { return FEmail; }
    int SelfCreated() const { return FSelfCreated; }
    std::uint8_t Rights() const { return FRights; } // kRightsNone, User or Admin
    int UserType() const { return FUserType; }      // 0 user, 1 administrator
    SessionState State() const { return FState; }
    bool IsConnected() const { return FState == SessionState::Connected; }
    bool IsIdle() const { return FState == SessionState::Idle; }
    const TContactList &Contacts() const { return FContacts; }
    const TChannelList &Channels() const { return FChannels; }
    // The contact list changed while the library could not be told.
    bool ContactsDirty() const { return FContactsDirty; }
    // Position in the manager's list, stored by the manager's lookups.
    int ListPosition() const { return FListPosition; }
    // True only while quor_login runs inside Connect.
    bool InLoginCall() const { return FInLoginCall; }
    // Code of a login result that arrived for this session.
    int LoginResult() const { return FLoginResult; }
    // The session went idle because the server closed its connection or
    // the connection broke, not by Logout, RemoveLogin or the close that
    // ends a changed e-mail address. Cleared by the next Connect.
    bool LostConnection() const { return FLostConnection; }
    // The session is the temporary one of an account creation that still
    // waits for the server's answer on its handle.
    bool AwaitsAccountCreation() const {
        return FHandle != nullptr && FHandle == FAccountCreationHandle && IsIdle();
    }

    // ---- Connection ----
    // 0 when the login request was handed over, -2 when already connecting
    // or connected, otherwise an error code.
    int Connect();
    // 0, or the library's error code. Raises no connection event.
    int Disconnect();

    // ---- Contacts ----
    // Adds a contact; with sendNow and a connection, the list is sent at
    // once. 0, -1 for an empty name, or an error code.
    int AddContact(std::string_view name, bool sendNow);
    // Adds each name without sending, then sends the list once (at once
    // when connected, else at the next login); returns how many names were
    // accepted.
    int AddContacts(const std::vector<std::string> &names);
    // 0, -1 for an empty or unknown name, or an error code. The entry is
    // removed in every case but -1.
    int DelContact(std::string_view name);
    void DelAllContacts();
    ThbQuorContact *FindContact(std::string_view name);
    // Hands pending contacts to the library and sends the list, when
    // connected and the list is dirty.
    void UpdateContacts();
    // When idle: every contact becomes pending and the list dirty.
    void MarkContactsPending();

    // ---- Requests ----
    // Sends text in pieces of at most kMaxTextPiece characters. 0 when every
    // piece was handed over, -1 when not connected or the text is empty,
    // otherwise an error code.
    int SendText(std::string_view recipient, std::string_view text);
    int PingUser(std::string_view name);
    int IsOnline(std::string_view name);
    // type: kChannelStandard, kChannelInviteOnly or kChannelPassworded; the
    // password is used for passworded channels only.
    int JoinChannel(std::string_view channel, int type, std::string_view password);
    int LeaveChannel(std::string_view channel);
    ThbQuorChannel *FindChannel(std::string_view name);
    bool RemoveChannel(std::string_view name);
    int InviteUser(std::string_view channel, std::string_view user);
    int RequestUserProfile(std::string_view name);
    int ModifyUserProfile(std::string_view name, std::string_view password, std::string_view email,
                          int userType, int disabled);
    int ChangeEmail(std::string_view email);
    int RequestChannelList();

private:
    friend class ThbQuorCentral; // applies callback results to the session

    // Raises the error handler with ErrorText(code).
    void Report(const std::string &where, const std::string &what, int code);
    // Reports the library's last error and returns it.
    int ReportLastError(const std::string &where, const std::string &what);
    // Runs one library call guarded against a fault raised inside it.
    // Returns the call's result, or std::nullopt after a fault, which is
    // reported with Code kResultBadRequest once beforeReport has run.
    std::optional<int> CallLibrary(const std::string &where, const std::string &what,
                                   const std::function<int()> &call,
                                   const std::function<void()> &beforeReport = {});
    // Runs a guarded library call whose failure is reported with the
    // library's last error. Returns 0, that error code, or kResultBadRequest
    // after a fault. whenRefused runs after a failure or a fault, before
    // the report.
    int CallReportingLastError(const std::string &where, const std::string &what,
                               const std::function<int()> &call,
                               const std::function<void()> &whenRefused = {});
    // A request about another user (ping, is-online) whose failure is
    // reported with the call's own result.
    int AskAboutUser(const std::string &where, const std::string &callName, const std::string &user,
                     int (*request)(QUORHANDLE, const char *));
    // No handle, state idle.
    void SetIdle();
    int ConnectNewHandle();
    int ConnectLeftOverHandle();
    void RemoveContact(const ThbQuorContact *contact);
    // While connected: sends the list of the names the library already
    // holds (entries still marked pending) and marks them handed over.
    void SendHandedOverContacts();
    void RemoveChannelEntry(const ThbQuorChannel *channel);
    // Trims a join or leave request's channel name and finds its entry.
    // False when the request ends with -1: a name without '#', or no
    // connection (the entry, if any, is then dropped).
    bool ChannelRequestAllowed(std::string_view channel, std::string &name, ThbQuorChannel *&entry);

    QUORHANDLE FHandle = nullptr;
    std::string FName;
    std::string FLoginName;
    std::string FPassword;
    int FCreated = 0;
    int FLastLogin = 0;
    std::string FEmail;
    int FSelfCreated = 0;
    std::uint8_t FRights = kRightsNone;
    int FUserType = 0;
    SessionState FState = SessionState::Idle;
    TContactList FContacts;
    TChannelList FChannels;
    bool FContactsDirty = false;
    int FListPosition = 0;
    TErrorEvent FOnError;
    bool FInLoginCall = false;
    int FLoginResult = 0;
    bool FLostConnection = false;
    // The handle an account creation was sent on, and when its answer is
    // overdue.
    QUORHANDLE FAccountCreationHandle = nullptr;
    std::chrono::steady_clock::time_point FAccountCreationDeadline;
};

} // namespace hbquor
