/*
 * quor.h - client protocol library for the Quor text chat service.
 *
 * The library opens TCP connections to a chat server, speaks its wire
 * protocol of fixed 476-byte records, keeps up to 50 sessions and reports
 * every server event through 24 registered callbacks.
 *
 * Usage, all on one thread:
 *   quor_init(QUOR_API_BUILD);
 *   quor_setcallback(QUOR_CB_TEXT, (QUORCALLBACK)on_text);  ... one per event
 *   h = quor_create();
 *   quor_login(h, "anna", "secret");
 *   loop: poll quor_getfd() for readability, then call quor_pump(0)
 *   ... requests while logged on ...
 *   quor_destroy(h);
 *   quor_term();
 *
 * Conventions:
 * - Every export returns 0 on success and 1 on failure, leaving the reason in
 *   the library-wide last-error code (quor_getlasterror). quor_create returns
 *   NULL on failure instead; the getters return their value.
 * - Error codes 0 to 39 and 40 to 43 (encrypted connections) have texts
 *   (quor_geterrortext). When a connection fails, a socket error number
 *   (10000 and above) can stand in place of a library code.
 * - A NULL string argument counts as the empty string. Strings are copied
 *   before an export returns; strings passed to callbacks are valid only
 *   during the call.
 * - No export blocks on the network except for host-name resolution in the
 *   three connect requests. No export throws.
 * - Callbacks may call any export, including quor_destroy of their own
 *   session and quor_term: the handle becomes invalid at once and its memory
 *   is released after the callback returns.
 */
#ifndef QUOR_H
#define QUOR_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define QUOR_API __attribute__((visibility("default")))
#else
#define QUOR_API
#endif

/* The API build this header describes; quor_init accepts only this value. */
#define QUOR_API_BUILD 14
/* TCP port of the chat service. */
#define QUOR_DEFAULT_PORT 8317

/* Opaque session handle returned by quor_create. Handles are never reused
 * within a process: once destroyed, a handle stays invalid. */
typedef void *QUORHANDLE;

/* Generic callback pointer for quor_setcallback; cast the typed callback. */
typedef void (*QUORCALLBACK)(void);

/* Callback slots. The argument lists follow the typedefs below. A "char"
 * argument carries one wire byte as 0 to 255 in an int. */
#define QUOR_CB_LOGIN 0
#define QUOR_CB_DISCONNECT 1
#define QUOR_CB_TEXT 2
#define QUOR_CB_ISONLINE 3
#define QUOR_CB_WELCOME 4
#define QUOR_CB_PINGREPLY 5
#define QUOR_CB_TEXTERROR 6
#define QUOR_CB_CHANNELERROR 7
#define QUOR_CB_CHANNELJOIN 8
#define QUOR_CB_CHANNELLEAVE 9
#define QUOR_CB_CONTACTLIST 10
#define QUOR_CB_CONTACTSTATUS 11
#define QUOR_CB_CHANNELTEXT 12
#define QUOR_CB_OFFLINETEXT 13
#define QUOR_CB_BROADCAST 14
#define QUOR_CB_CREATEUSER 15
#define QUOR_CB_REQPASSWORD 16
#define QUOR_CB_CHANNELINFO 17
#define QUOR_CB_INVITEUSER 18
#define QUOR_CB_USERPROFILE 19
#define QUOR_CB_MODIFYUSERPROFILE 20
#define QUOR_CB_CHANGEEMAIL 21
#define QUOR_CB_CHANNELLIST 22
#define QUOR_CB_INVITATION 23
#define QUOR_CB_COUNT 24

/* Slot 0: outcome of quor_login. result 0 accepted; 3, 4, 24 or 5 refused;
 * a socket error number, or 40 to 42 for TLS, when the connect failed. */
typedef void (*QUOR_CB_LOGIN_FN)(QUORHANDLE h, int result);
/* Slot 1: the server closed the connection, or it was dropped after more
 * than 60 silent seconds. The handle is invalid once the callback returns
 * in the second case. */
typedef void (*QUOR_CB_DISCONNECT_FN)(QUORHANDLE h);
/* Slot 2: a private text. */
typedef void (*QUOR_CB_TEXT_FN)(QUORHANDLE h, const char *sender, const char *text);
/* Slot 3: answer to quor_isonline. status 0 not registered, 1 online as
 * user, 2 offline, 3 online as administrator. */
typedef void (*QUOR_CB_ISONLINE_FN)(QUORHANDLE h, const char *name, int status);
/* Slot 4: the server's welcome text. */
typedef void (*QUOR_CB_WELCOME_FN)(QUORHANDLE h, const char *text);
/* Slot 5: a ping answer; seconds is the round trip in whole seconds. */
typedef void (*QUOR_CB_PINGREPLY_FN)(QUORHANDLE h, const char *sender, int seconds);
/* Slot 6: a text could not be delivered (26 user unavailable, 27 offline
 * queue full, 10 not subscribed to channel). */
typedef void (*QUOR_CB_TEXTERROR_FN)(QUORHANDLE h, int code, const char *name);
/* Slot 7: a join or leave request was refused. */
typedef void (*QUOR_CB_CHANNELERROR_FN)(QUORHANDLE h, const char *name, int code);
/* Slot 8: a user joined a channel, or one member of a member list. */
typedef void (*QUOR_CB_CHANNELJOIN_FN)(QUORHANDLE h, const char *channel, const char *user);
/* Slot 9: a user left a channel. */
typedef void (*QUOR_CB_CHANNELLEAVE_FN)(QUORHANDLE h, const char *channel, const char *user);
/* Slot 10: each name of a list of unregistered contacts, then NULL. */
typedef void (*QUOR_CB_CONTACTLIST_FN)(QUORHANDLE h, const char *name);
/* Slot 11: a contact's status changed (values as for slot 3). */
typedef void (*QUOR_CB_CONTACTSTATUS_FN)(QUORHANDLE h, const char *name, int status);
/* Slot 12: a text sent to a channel. */
typedef void (*QUOR_CB_CHANNELTEXT_FN)(QUORHANDLE h, const char *sender, const char *channel,
                                       const char *text);
/* Slot 13: a text stored while the user was offline; sent_time in seconds
 * since 1970 UTC. */
typedef void (*QUOR_CB_OFFLINETEXT_FN)(QUORHANDLE h, const char *sender, int sent_time,
                                       const char *text);
/* Slot 14: a broadcast text. */
typedef void (*QUOR_CB_BROADCAST_FN)(QUORHANDLE h, const char *sender, const char *text);
/* Slot 15: outcome of quor_createuser (0: created, the password is mailed).
 * A failed connect is reported here and on slot 16 as on slot 0. */
typedef void (*QUOR_CB_CREATEUSER_FN)(QUORHANDLE h, int result);
/* Slot 16: outcome of quor_reqpassword (0: accepted, the password is mailed). */
typedef void (*QUOR_CB_REQPASSWORD_FN)(QUORHANDLE h, int result);
/* Slot 17: channel information. type 0 standard, 1 invite-only,
 * 2 passworded. */
typedef void (*QUOR_CB_CHANNELINFO_FN)(QUORHANDLE h, const char *channel, int type,
                                       const char *info1, const char *info2);
/* Slot 18: outcome of quor_inviteuser. */
typedef void (*QUOR_CB_INVITEUSER_FN)(QUORHANDLE h, const char *name, int result);
/* Slot 19: a user profile (result 0) or the failure of quor_requserprofile.
 * created and last_login in seconds since 1970 UTC; user_type 0 user,
 * 1 administrator. */
typedef void (*QUOR_CB_USERPROFILE_FN)(QUORHANDLE h, int result, const char *name,
                                       const char *password, const char *email, int user_type,
                                       int created, int last_login, int self_created, int disabled);
/* Slot 20: outcome of quor_modifyuserprofile. */
typedef void (*QUOR_CB_MODIFYUSERPROFILE_FN)(QUORHANDLE h, int result, const char *name);
/* Slot 21: outcome of quor_changeemail. On success the library closes the
 * connection without raising slot 1. */
typedef void (*QUOR_CB_CHANGEEMAIL_FN)(QUORHANDLE h, int result);
/* Slot 22: each channel of a channel list, then (NULL, 0, 0). */
typedef void (*QUOR_CB_CHANNELLIST_FN)(QUORHANDLE h, const char *name, int type, int users);
/* Slot 23: an invitation to a channel. */
typedef void (*QUOR_CB_INVITATION_FN)(QUORHANDLE h, const char *inviter, const char *channel);

/* Library error codes (texts from quor_geterrortext). */
#define QUOR_ERR_NONE 0
#define QUOR_ERR_NOT_INITIALIZED 1
#define QUOR_ERR_INVALID_HANDLE 2
#define QUOR_ERR_LOGIN_INVALID 3
#define QUOR_ERR_ALREADY_ONLINE 4
#define QUOR_ERR_CONNECT 5
#define QUOR_ERR_NOT_LOGGED_ON 6
#define QUOR_ERR_NO_SUCH_CALLBACK 7
#define QUOR_ERR_VERSION_MISMATCH 12
#define QUOR_ERR_API_BUILD 24
#define QUOR_ERR_HANDLE_IN_USE 25
#define QUOR_ERR_TIMER_CREATE 29
#define QUOR_ERR_TIMER_INIT 30
#define QUOR_ERR_ALREADY_INITIALIZED 31
/* Encrypted connections (quor_settls); 40 to 42 fail a connect request
 * through its callback, 43 fails quor_settls or a connect request at once. */
#define QUOR_ERR_TLS_HANDSHAKE 40
#define QUOR_ERR_TLS_UNTRUSTED 41
#define QUOR_ERR_TLS_HOST_MISMATCH 42
#define QUOR_ERR_TLS_SETUP 43

/* ---- Frame ---- */

/* Initialises the library; build must be QUOR_API_BUILD. Fails with 31 when
 * already initialised, 12 for another build, 29 or 30 when the event
 * descriptor or the housekeeping timer cannot be created. */
QUOR_API int quor_init(int build);
/* Destroys every session without raising callbacks and uninitialises. The
 * callback table and the last error are kept. */
QUOR_API void quor_term(void);
/* New session in state "created", or NULL (last error 1, or 5 when all 50
 * slots hold sessions that are not idle). Idle sessions are destroyed first,
 * which invalidates their handles. */
QUOR_API QUORHANDLE quor_create(void);
/* Destroys a session without raising callbacks; 0 also for NULL or unknown
 * handles. */
QUOR_API int quor_destroy(QUORHANDLE h);
/* Registers fn (NULL clears) for a slot 0..23; other slots fail with 7. */
QUOR_API int quor_setcallback(int slot, QUORCALLBACK fn);
/* The library-wide last-error code. */
QUOR_API int quor_getlasterror(void);
/* Constant text for a code; "unknown error code" for codes without one.
 * Works before quor_init. */
QUOR_API const char *quor_geterrortext(int code);
/* One int of the caller's own per session, 0 at creation. */
QUOR_API int quor_setuserdata(QUORHANDLE h, int value);
QUOR_API int quor_getuserdata(QUORHANDLE h);

/* ---- Connect requests: only on a new session (else last error 25). They
 * return 1 with a socket error as last error when the connect fails at once
 * (10022 for a host name that does not resolve; 43 when TLS is on and its
 * context cannot be made). The outcome arrives on slots 0, 15 and 16. ---- */

QUOR_API int quor_login(QUORHANDLE h, const char *user, const char *password);
QUOR_API int quor_createuser(QUORHANDLE h, const char *user, const char *email);
QUOR_API int quor_reqpassword(QUORHANDLE h, const char *user, const char *email);

/* ---- Requests of a logged-on session (else last error 6). Each posts one
 * record and returns at once; answers and refusals arrive by callback. ---- */

/* Private text to a user, or to a channel when recipient begins with '#'.
 * Texts longer than 399 characters are cut. */
QUOR_API int quor_sendtext(QUORHANDLE h, const char *recipient, const char *text);
QUOR_API int quor_isonline(QUORHANDLE h, const char *user);
QUOR_API int quor_pinguser(QUORHANDLE h, const char *user);
/* inviteonly: 1 to create an invite-only channel; password may be NULL. */
QUOR_API int quor_joinchannel(QUORHANDLE h, const char *channel, int inviteonly,
                              const char *password);
QUOR_API int quor_leavechannel(QUORHANDLE h, const char *channel);
QUOR_API int quor_reqchannellist(QUORHANDLE h);
QUOR_API int quor_inviteuser(QUORHANDLE h, const char *channel, const char *user);
QUOR_API int quor_requserprofile(QUORHANDLE h, const char *user);
QUOR_API int quor_modifyuserprofile(QUORHANDLE h, const char *user, const char *password,
                                    const char *email, int usertype, int disabled);
QUOR_API int quor_changeemail(QUORHANDLE h, const char *email);

/* ---- The session's contact list (logged-on sessions only). ---- */

/* Appends a name; duplicates are not detected. Nothing is sent. */
QUOR_API int quor_addcontact(QUORHANDLE h, const char *name);
/* Removes the first entry equal to name ignoring the case of A to Z; 0 also
 * when there is none. Nothing is sent. */
QUOR_API int quor_delcontact(QUORHANDLE h, const char *name);
/* Sends the whole contact list to the server. */
QUOR_API int quor_updatecontacts(QUORHANDLE h);

/* ---- Extensions for this platform, which has no window messages ---- */

/* Chooses the server for later connect requests. host NULL or "" means
 * "localhost", port 0 or less means QUOR_DEFAULT_PORT. Works before
 * quor_init; returns 0; leaves the last error unchanged. */
QUOR_API int quor_setserver(const char *host, int port);
/* An epoll descriptor that is readable whenever the library has socket or
 * timer work; valid from quor_init to quor_term. Not initialised: -1 with
 * last error 1. */
QUOR_API int quor_getfd(void);
/* Waits up to timeout_ms (0: no wait; negative: until something is ready),
 * then delivers at most one notification per ready source and returns 0.
 * Callbacks run from inside this call. Not initialised: 1 with last error 1.
 * Called from inside a callback it returns 0 at once. Leaves the last error
 * unchanged. */
QUOR_API int quor_pump(int timeout_ms);

/* Values of quor_settls's mode. */
#define QUOR_TLS_OFF 0
#define QUOR_TLS_ON 1

/* Chooses plain or encrypted connections for later connect requests; a
 * connection keeps the mode in force when its connect request was made.
 * QUOR_TLS_OFF (the default): plain records, as the service always spoke.
 * QUOR_TLS_ON: the same records inside TLS 1.2 or newer. The server's
 * certificate must be trusted by the system's trust store or, when ca_file
 * is neither NULL nor "", by the PEM certificates in that file (a CA, or the
 * server's own self-signed certificate), and must name the host given to
 * quor_setserver (its IP entries for a numeric address); a name is also
 * sent to the server (SNI). There is no mode without these checks.
 * The connect notification comes once the handshake is done; a handshake
 * that fails, or has not finished 30 seconds after the TCP connect, fails
 * the connect request on its callback with 40 (handshake failed), 41
 * (certificate not trusted) or 42 (certificate for another host).
 * Works before quor_init and between connections; the setting outlives
 * quor_term. Returns 0 with last error 0, or 1 with last error 43 and the
 * setting unchanged when the mode is unknown or, for QUOR_TLS_ON, the CA
 * file cannot be read or TLS cannot be set up. */
QUOR_API int quor_settls(int mode, const char *ca_file);

#ifdef __cplusplus
}
#endif

#endif /* QUOR_H */
