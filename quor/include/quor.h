/* SPDX-License-Identifier: MIT */
/**
 * \file quor.h
 * \brief Client protocol library for the Quor text chat service.
 *
 * The library opens TCP connections to a chat server, speaks its wire
 * protocol of fixed 476-byte records, keeps up to 50 sessions and reports
 * every server event through 24 registered callbacks.
 *
 * Usage, all on one thread:
 * \code
 * quor_init(QUOR_API_BUILD);
 * quor_setcallback(QUOR_CB_TEXT, (QUORCALLBACK)on_text);  // one per event
 * QUORHANDLE h = quor_create();
 * quor_login(h, "anna", "secret");
 * // loop: wait until quor_getfd() is readable, then call quor_pump(0)
 * // ... requests while logged on ...
 * quor_destroy(h);
 * quor_term();
 * \endcode
 *
 * Conventions:
 * - Every export returns 0 on success and 1 on failure, leaving the reason in
 *   the library-wide last-error code (quor_getlasterror()). quor_create()
 *   returns NULL on failure instead; the getters return their value.
 * - Error codes 0 to 39, 40 to 43 for encrypted connections, 44 for a
 *   server that floods a new connection and 45 to 48 for proxies have texts
 *   (quor_geterrortext()).
 *   When a connection fails, a socket error number (10000 and above, see
 *   \ref quor_socket_errors) can stand in place of a library code.
 * - A NULL string argument counts as the empty string. Strings are copied
 *   before an export returns; strings passed to callbacks are valid only
 *   during the call.
 * - No export blocks on the network except for host-name resolution in the
 *   three connect requests. No export throws.
 * - Callbacks may call any export, including quor_destroy() of their own
 *   session and quor_term(): the handle becomes invalid at once and its memory
 *   is released after the callback returns.
 *
 * The library runs on the caller's thread and is driven by one descriptor;
 * \ref event_loop "Driving the library from an event loop" explains how.
 */
#ifndef QUOR_H
#define QUOR_H

#ifdef __cplusplus
extern "C" {
#endif

/** \cond INTERNAL */
#if defined(__GNUC__)
#define QUOR_API __attribute__((visibility("default")))
#else
#define QUOR_API
#endif
/** \endcond */

/** The API build this header describes; quor_init() accepts only this value. */
#define QUOR_API_BUILD 14
/** TCP port of the chat service. */
#define QUOR_DEFAULT_PORT 8317

/**
 * Opaque session handle returned by quor_create(). Handles are never reused
 * within a process: once destroyed, a handle stays invalid.
 */
typedef void *QUORHANDLE;

/** Generic callback pointer for quor_setcallback(); cast the typed callback. */
typedef void (*QUORCALLBACK)(void);

/**
 * \defgroup quor_slots Callback slots
 * \brief Slot numbers for quor_setcallback().
 *
 * Each slot has a typed callback whose argument list follows the typedef of
 * the same name with the suffix _FN (see \ref quor_callbacks). A "char"
 * argument carries one wire byte as 0 to 255 in an int.
 * @{
 */
#define QUOR_CB_LOGIN 0              /**< Outcome of quor_login(); QUOR_CB_LOGIN_FN. */
#define QUOR_CB_DISCONNECT 1         /**< Connection closed; QUOR_CB_DISCONNECT_FN. */
#define QUOR_CB_TEXT 2               /**< A private text; QUOR_CB_TEXT_FN. */
#define QUOR_CB_ISONLINE 3           /**< Answer to quor_isonline(); QUOR_CB_ISONLINE_FN. */
#define QUOR_CB_WELCOME 4            /**< The server's welcome text; QUOR_CB_WELCOME_FN. */
#define QUOR_CB_PINGREPLY 5          /**< A ping answer; QUOR_CB_PINGREPLY_FN. */
#define QUOR_CB_TEXTERROR 6          /**< A text not delivered; QUOR_CB_TEXTERROR_FN. */
#define QUOR_CB_CHANNELERROR 7       /**< Join or leave refused; QUOR_CB_CHANNELERROR_FN. */
#define QUOR_CB_CHANNELJOIN 8        /**< A user joined a channel; QUOR_CB_CHANNELJOIN_FN. */
#define QUOR_CB_CHANNELLEAVE 9       /**< A user left a channel; QUOR_CB_CHANNELLEAVE_FN. */
#define QUOR_CB_CONTACTLIST 10       /**< Unregistered contacts; QUOR_CB_CONTACTLIST_FN. */
#define QUOR_CB_CONTACTSTATUS 11     /**< A contact's status; QUOR_CB_CONTACTSTATUS_FN. */
#define QUOR_CB_CHANNELTEXT 12       /**< A channel text; QUOR_CB_CHANNELTEXT_FN. */
#define QUOR_CB_OFFLINETEXT 13       /**< A stored text; QUOR_CB_OFFLINETEXT_FN. */
#define QUOR_CB_BROADCAST 14         /**< A broadcast text; QUOR_CB_BROADCAST_FN. */
#define QUOR_CB_CREATEUSER 15        /**< Outcome of quor_createuser(); QUOR_CB_CREATEUSER_FN. */
#define QUOR_CB_REQPASSWORD 16       /**< Outcome of quor_reqpassword(); QUOR_CB_REQPASSWORD_FN. */
#define QUOR_CB_CHANNELINFO 17       /**< Channel information; QUOR_CB_CHANNELINFO_FN. */
#define QUOR_CB_INVITEUSER 18        /**< Outcome of quor_inviteuser(); QUOR_CB_INVITEUSER_FN. */
#define QUOR_CB_USERPROFILE 19       /**< A user profile; QUOR_CB_USERPROFILE_FN. */
#define QUOR_CB_MODIFYUSERPROFILE 20 /**< Profile changed; QUOR_CB_MODIFYUSERPROFILE_FN. */
#define QUOR_CB_CHANGEEMAIL 21       /**< Outcome of quor_changeemail(); QUOR_CB_CHANGEEMAIL_FN. */
#define QUOR_CB_CHANNELLIST 22       /**< One channel of a list; QUOR_CB_CHANNELLIST_FN. */
#define QUOR_CB_INVITATION 23        /**< An invitation; QUOR_CB_INVITATION_FN. */
#define QUOR_CB_COUNT 24             /**< Number of slots; not a slot itself. */
/** @} */

/**
 * \defgroup quor_callbacks Callback types
 * \brief Argument lists of the 24 callbacks.
 *
 * Every callback runs from inside quor_pump() on the caller's thread and
 * receives the session handle first. Strings are valid only during the call.
 * @{
 */

/**
 * Slot 0: outcome of quor_login().
 * \param h      the session
 * \param result 0 accepted; #QUOR_ERR_LOGIN_INVALID, #QUOR_ERR_ALREADY_ONLINE,
 *               #QUOR_ERR_API_BUILD or #QUOR_ERR_CONNECT refused; a socket
 *               error number, or #QUOR_ERR_TLS_HANDSHAKE,
 *               #QUOR_ERR_TLS_UNTRUSTED or #QUOR_ERR_TLS_HOST_MISMATCH for an
 *               encrypted connection, or #QUOR_ERR_PROXY_UNREACHABLE,
 *               #QUOR_ERR_PROXY_AUTH or #QUOR_ERR_PROXY_REFUSED through a
 *               proxy, when the connect failed;
 *               #QUOR_ERR_SOCKET_TIMED_OUT when the connect, the handshake
 *               and the server's answer took more than 30 seconds together;
 *               #QUOR_ERR_TOO_MUCH_BEFORE_REPLY when the server sent more
 *               than 64 records before its answer
 */
typedef void (*QUOR_CB_LOGIN_FN)(QUORHANDLE h, int result);
/**
 * Slot 1: the server closed the connection, or it was dropped after more
 * than 60 silent seconds. The handle is invalid once the callback returns
 * in the second case.
 * \param h the session
 */
typedef void (*QUOR_CB_DISCONNECT_FN)(QUORHANDLE h);
/**
 * Slot 2: a private text.
 * \param h      the session
 * \param sender the user who sent it
 * \param text   the text
 */
typedef void (*QUOR_CB_TEXT_FN)(QUORHANDLE h, const char *sender, const char *text);
/**
 * Slot 3: answer to quor_isonline().
 * \param h      the session
 * \param name   the user asked about
 * \param status 0 not registered, 1 online as user, 2 offline, 3 online as
 *               administrator
 */
typedef void (*QUOR_CB_ISONLINE_FN)(QUORHANDLE h, const char *name, int status);
/**
 * Slot 4: the server's welcome text.
 * \param h    the session
 * \param text the welcome text
 */
typedef void (*QUOR_CB_WELCOME_FN)(QUORHANDLE h, const char *text);
/**
 * Slot 5: a ping answer.
 * \param h       the session
 * \param sender  the user who answered
 * \param seconds the round trip in whole seconds
 */
typedef void (*QUOR_CB_PINGREPLY_FN)(QUORHANDLE h, const char *sender, int seconds);
/**
 * Slot 6: a text could not be delivered.
 * \param h    the session
 * \param code #QUOR_ERR_USER_UNAVAILABLE, #QUOR_ERR_OFFLINE_QUEUE_FULL or
 *             #QUOR_ERR_NOT_SUBSCRIBED
 * \param name the recipient
 */
typedef void (*QUOR_CB_TEXTERROR_FN)(QUORHANDLE h, int code, const char *name);
/**
 * Slot 7: a join or leave request was refused.
 * \param h    the session
 * \param name the channel
 * \param code the reason, a library error code
 */
typedef void (*QUOR_CB_CHANNELERROR_FN)(QUORHANDLE h, const char *name, int code);
/**
 * Slot 8: a user joined a channel, or one member of a member list.
 * \param h       the session
 * \param channel the channel
 * \param user    the user
 */
typedef void (*QUOR_CB_CHANNELJOIN_FN)(QUORHANDLE h, const char *channel, const char *user);
/**
 * Slot 9: a user left a channel.
 * \param h       the session
 * \param channel the channel
 * \param user    the user
 */
typedef void (*QUOR_CB_CHANNELLEAVE_FN)(QUORHANDLE h, const char *channel, const char *user);
/**
 * Slot 10: each name of a list of unregistered contacts, then NULL.
 * \param h    the session
 * \param name one name, or NULL at the end of the list
 */
typedef void (*QUOR_CB_CONTACTLIST_FN)(QUORHANDLE h, const char *name);
/**
 * Slot 11: a contact's status changed.
 * \param h      the session
 * \param name   the contact
 * \param status as for QUOR_CB_ISONLINE_FN
 */
typedef void (*QUOR_CB_CONTACTSTATUS_FN)(QUORHANDLE h, const char *name, int status);
/**
 * Slot 12: a text sent to a channel.
 * \param h       the session
 * \param sender  the user who sent it
 * \param channel the channel, beginning with '#'
 * \param text    the text
 */
typedef void (*QUOR_CB_CHANNELTEXT_FN)(QUORHANDLE h, const char *sender, const char *channel,
                                       const char *text);
/**
 * Slot 13: a text stored while the user was offline.
 * \param h         the session
 * \param sender    the user who sent it
 * \param sent_time seconds since 1970 UTC
 * \param text      the text
 */
typedef void (*QUOR_CB_OFFLINETEXT_FN)(QUORHANDLE h, const char *sender, int sent_time,
                                       const char *text);
/**
 * Slot 14: a broadcast text.
 * \param h      the session
 * \param sender the user who sent it
 * \param text   the text
 */
typedef void (*QUOR_CB_BROADCAST_FN)(QUORHANDLE h, const char *sender, const char *text);
/**
 * Slot 15: outcome of quor_createuser().
 * \param h      the session, idle by now
 * \param result 0: created, the password is mailed; else a library error
 *               code or a socket error number. A failed connect is reported
 *               here (and on slot 16 for quor_reqpassword()) as on slot 0.
 */
typedef void (*QUOR_CB_CREATEUSER_FN)(QUORHANDLE h, int result);
/**
 * Slot 16: outcome of quor_reqpassword().
 * \param h      the session, idle by now
 * \param result 0: accepted, the password is mailed; else a library error
 *               code or a socket error number
 */
typedef void (*QUOR_CB_REQPASSWORD_FN)(QUORHANDLE h, int result);
/**
 * Slot 17: channel information.
 * \param h       the session
 * \param channel the channel
 * \param type    0 standard, 1 invite-only, 2 passworded
 * \param info1   first information text
 * \param info2   second information text
 */
typedef void (*QUOR_CB_CHANNELINFO_FN)(QUORHANDLE h, const char *channel, int type,
                                       const char *info1, const char *info2);
/**
 * Slot 18: outcome of quor_inviteuser().
 * \param h      the session
 * \param name   the user invited
 * \param result 0 or a library error code
 */
typedef void (*QUOR_CB_INVITEUSER_FN)(QUORHANDLE h, const char *name, int result);
/**
 * Slot 19: a user profile (result 0) or the failure of quor_requserprofile().
 * \param h            the session
 * \param result       0, or a library error code (then name is "<none>",
 *                     the strings are empty and the numbers 0)
 * \param name         the user
 * \param password     the password field as the server sends it
 * \param email        the e-mail address
 * \param user_type    0 user, 1 administrator
 * \param created      seconds since 1970 UTC
 * \param last_login   seconds since 1970 UTC
 * \param self_created the server's self-created flag
 * \param disabled     non-zero for a disabled account
 */
typedef void (*QUOR_CB_USERPROFILE_FN)(QUORHANDLE h, int result, const char *name,
                                       const char *password, const char *email, int user_type,
                                       int created, int last_login, int self_created, int disabled);
/**
 * Slot 20: outcome of quor_modifyuserprofile().
 * \param h      the session
 * \param result 0 or a library error code
 * \param name   the user, or "<unknown>" on failure
 */
typedef void (*QUOR_CB_MODIFYUSERPROFILE_FN)(QUORHANDLE h, int result, const char *name);
/**
 * Slot 21: outcome of quor_changeemail(). On success the library closes the
 * connection without raising slot 1.
 * \param h      the session
 * \param result 0 or a library error code
 */
typedef void (*QUOR_CB_CHANGEEMAIL_FN)(QUORHANDLE h, int result);
/**
 * Slot 22: each channel of a channel list, then (NULL, 0, 0).
 * \param h     the session
 * \param name  the channel, or NULL at the end of the list
 * \param type  0 standard, 1 invite-only, 2 passworded
 * \param users the number of members
 */
typedef void (*QUOR_CB_CHANNELLIST_FN)(QUORHANDLE h, const char *name, int type, int users);
/**
 * Slot 23: an invitation to a channel.
 * \param h       the session
 * \param inviter the user who invites
 * \param channel the channel
 */
typedef void (*QUOR_CB_INVITATION_FN)(QUORHANDLE h, const char *inviter, const char *channel);
/** @} */

/**
 * \defgroup quor_errors Library error codes
 * \brief The codes of quor_getlasterror() and of callback results.
 *
 * Each code from 0 to 48 has a text (quor_geterrortext()). Codes 0 to 7, 12,
 * 25 and 29 to 31 are set by the exports themselves; the others reach the
 * caller as results of callbacks, translated from server replies.
 * @{
 */
#define QUOR_ERR_NONE 0                     /**< "no error" */
#define QUOR_ERR_NOT_INITIALIZED 1          /**< "not initialized" */
#define QUOR_ERR_INVALID_HANDLE 2           /**< "quor handle invalid" */
#define QUOR_ERR_LOGIN_INVALID 3            /**< "login invalid" */
#define QUOR_ERR_ALREADY_ONLINE 4           /**< "user already online" */
#define QUOR_ERR_CONNECT 5                  /**< "connection could not be established" */
#define QUOR_ERR_NOT_LOGGED_ON 6            /**< "socket not yet logged on or connection closed" */
#define QUOR_ERR_NO_SUCH_CALLBACK 7         /**< "no such callback" */
#define QUOR_ERR_CHANNEL_NAME_INVALID 8     /**< "channel name invalid" */
#define QUOR_ERR_ALREADY_SUBSCRIBED 9       /**< "already subscribed to channel" */
#define QUOR_ERR_NOT_SUBSCRIBED 10          /**< "not subscribed to channel" */
#define QUOR_ERR_ACCESS_DENIED 11           /**< "access denied" */
#define QUOR_ERR_VERSION_MISMATCH 12        /**< "version mismatch" */
#define QUOR_ERR_CHANNEL_LIMIT 13           /**< "channel limit exceeded" */
#define QUOR_ERR_CHANNEL_INVITE_ONLY 14     /**< "channel is invite-only" */
#define QUOR_ERR_CHANNEL_PASSWORD 15        /**< "channel password is invalid" */
#define QUOR_ERR_NOT_CHANNEL_OWNER 16       /**< "not channel owner" */
#define QUOR_ERR_ALREADY_INVITED 17         /**< "user already invited" */
#define QUOR_ERR_CHANNEL_NOT_INVITE_ONLY 18 /**< "channel not invite-only" */
#define QUOR_ERR_ADDRESS_BANNED 19          /**< "IP address banned" */
#define QUOR_ERR_NO_SUCH_USER 20            /**< "no such user" */
#define QUOR_ERR_BAD_NAME 21                /**< "bad name" */
#define QUOR_ERR_USERS_PER_EMAIL 22         /**< "maximum users per e-mail" */
#define QUOR_ERR_EMAIL_INVALID 23           /**< "e-mail address invalid" */
#define QUOR_ERR_API_BUILD 24               /**< "API build invalid" */
#define QUOR_ERR_HANDLE_IN_USE 25           /**< "QUORHANDLE in use" */
#define QUOR_ERR_USER_UNAVAILABLE 26        /**< "user unavailable" */
#define QUOR_ERR_OFFLINE_QUEUE_FULL 27      /**< "offline datagram queue full" */
#define QUOR_ERR_USER_IS_ADMINISTRATOR 28   /**< "user is an administrator" */
#define QUOR_ERR_TIMER_CREATE 29            /**< "timer creation failed" */
#define QUOR_ERR_TIMER_INIT 30              /**< "timer initialization failed" */
#define QUOR_ERR_ALREADY_INITIALIZED 31     /**< "already initialized" */
#define QUOR_ERR_NAME_LENGTH 32             /**< "name length invalid" */
#define QUOR_ERR_NAME_RESTRICTED 33         /**< "name restricted" */
#define QUOR_ERR_REGISTRATION_DISABLED 34   /**< "user registration disabled" */
#define QUOR_ERR_NAME_TAKEN 35              /**< "name taken" */
#define QUOR_ERR_RECENT_USERS 36            /**< "maximum recent users created" */
#define QUOR_ERR_EMAIL_INCORRECT 37         /**< "incorrect e-mail address" */
#define QUOR_ERR_PASSWORD_TOO_RECENT 38     /**< "password sent too recently" */
#define QUOR_ERR_BAD_PASSWORD 39            /**< "bad password" */
/**
 * Encrypted connections (quor_settls()): 40 to 42 fail a connect request
 * through its callback; 43 fails quor_settls() or a connect request at once.
 */
#define QUOR_ERR_TLS_HANDSHAKE 40     /**< "TLS handshake failed" */
#define QUOR_ERR_TLS_UNTRUSTED 41     /**< "server certificate not trusted" */
#define QUOR_ERR_TLS_HOST_MISMATCH 42 /**< "server certificate does not match the host name" */
#define QUOR_ERR_TLS_SETUP 43         /**< "TLS could not be set up" */
/**
 * A connect request fails through its callback with this code when the
 * server sends more than 64 records before its answer to the opening
 * request: the library keeps no more than that for a server that has not
 * answered yet.
 */
#define QUOR_ERR_TOO_MUCH_BEFORE_REPLY 44 /**< "server sent too much before its answer" */
/**
 * Connections through a proxy (quor_setproxy()): 45 to 47 fail a connect
 * request through its callback, 47 also at once when the proxy's name does
 * not resolve; 48 fails quor_setproxy() at once.
 */
#define QUOR_ERR_PROXY_REFUSED 45     /**< "proxy refused the connection" */
#define QUOR_ERR_PROXY_AUTH 46        /**< "proxy authentication failed" */
#define QUOR_ERR_PROXY_UNREACHABLE 47 /**< "proxy not reachable" */
#define QUOR_ERR_PROXY_SETTING 48     /**< "proxy setting invalid" */
/** @} */

/**
 * \defgroup quor_socket_errors Socket error numbers
 * \brief Numbers that stand in for a library code when a connection fails.
 *
 * The connect requests leave one of these as the last error when the
 * connection cannot even be started, and the results of slots 0, 15 and 16
 * carry them when it fails later. quor_geterrortext() has no texts for them.
 * These are the ones a caller commonly meets; any other failure of the
 * system's socket calls is reported in the same range (10000 and above).
 * @{
 */
#define QUOR_ERR_SOCKET_INVALID                                                                    \
    10022 /**< Invalid argument; also a host name that does not resolve. */
#define QUOR_ERR_SOCKET_ADDRESS_IN_USE 10048      /**< Local address in use. */
#define QUOR_ERR_SOCKET_ADDRESS_UNAVAILABLE 10049 /**< Address unavailable; a port above 65535. */
#define QUOR_ERR_SOCKET_NETWORK_DOWN 10050        /**< The network is down. */
#define QUOR_ERR_SOCKET_NETWORK_UNREACHABLE 10051 /**< The network cannot be reached. */
#define QUOR_ERR_SOCKET_ABORTED 10053             /**< The connection was aborted. */
#define QUOR_ERR_SOCKET_RESET 10054               /**< The peer reset the connection. */
#define QUOR_ERR_SOCKET_TIMED_OUT 10060           /**< The opening took over 30 seconds. */
#define QUOR_ERR_SOCKET_REFUSED 10061             /**< Nothing listens on the server's port. */
#define QUOR_ERR_SOCKET_HOST_DOWN 10064           /**< The host is down. */
#define QUOR_ERR_SOCKET_HOST_UNREACHABLE 10065    /**< The host cannot be reached. */
/** @} */

/**
 * \defgroup quor_frame Frame
 * \brief Initialisation, sessions, callbacks and errors.
 * @{
 */

/**
 * Initialises the library.
 * \param build must be #QUOR_API_BUILD
 * \return 0, or 1 with last error #QUOR_ERR_ALREADY_INITIALIZED when already
 *         initialised, #QUOR_ERR_VERSION_MISMATCH for another build,
 *         #QUOR_ERR_TIMER_CREATE or #QUOR_ERR_TIMER_INIT when the event
 *         descriptor or the housekeeping timer cannot be created.
 */
QUOR_API int quor_init(int build);
/**
 * Destroys every session without raising callbacks and uninitialises. The
 * callback table and the last error are kept; quor_init() may follow again.
 */
QUOR_API void quor_term(void);
/**
 * Creates a session in state "created". Idle sessions (closed or failed
 * connections) are destroyed first, which invalidates their handles.
 * \return the new handle, or NULL with last error #QUOR_ERR_NOT_INITIALIZED,
 *         or #QUOR_ERR_CONNECT when all 50 slots hold sessions that are not
 *         idle.
 */
QUOR_API QUORHANDLE quor_create(void);
/**
 * Destroys a session without raising callbacks.
 * \param h the session; NULL and unknown handles are accepted
 * \return 0, or 1 with last error #QUOR_ERR_NOT_INITIALIZED
 */
QUOR_API int quor_destroy(QUORHANDLE h);
/**
 * Registers a callback; it takes effect from the next event of that slot.
 * \param slot a slot from 0 to 23 (\ref quor_slots)
 * \param fn   the typed callback cast to QUORCALLBACK, or NULL to clear
 * \return 0, or 1 with last error #QUOR_ERR_NO_SUCH_CALLBACK for other slots
 */
QUOR_API int quor_setcallback(int slot, QUORCALLBACK fn);
/**
 * The library-wide last-error code; one value for all sessions.
 * \return a library error code (\ref quor_errors) or a socket error number
 */
QUOR_API int quor_getlasterror(void);
/**
 * The text of an error code. Works before quor_init().
 * \param code any value
 * \return a constant text; "unknown error code" for codes without one
 */
QUOR_API const char *quor_geterrortext(int code);
/**
 * Stores one int of the caller's own with a session; it is 0 at creation.
 * \param h     the session
 * \param value the value to keep
 * \return 0, or 1 with last error #QUOR_ERR_NOT_INITIALIZED or
 *         #QUOR_ERR_INVALID_HANDLE
 */
QUOR_API int quor_setuserdata(QUORHANDLE h, int value);
/**
 * Reads the value stored by quor_setuserdata().
 * \param h the session
 * \return the value; 0 with last error #QUOR_ERR_NOT_INITIALIZED or
 *         #QUOR_ERR_INVALID_HANDLE
 */
QUOR_API int quor_getuserdata(QUORHANDLE h);
/** @} */

/**
 * \defgroup quor_connect Connect requests
 * \brief Open a new session's connection for one purpose.
 *
 * Only a new session accepts them (else last error #QUOR_ERR_HANDLE_IN_USE).
 * They return 1 with a socket error as last error when the connect fails at
 * once (#QUOR_ERR_SOCKET_INVALID for a host name that does not resolve;
 * #QUOR_ERR_TLS_SETUP when TLS is on and cannot be set up;
 * #QUOR_ERR_PROXY_UNREACHABLE when a proxy's name does not resolve). The
 * outcome arrives on slot 0, 15 or 16. A session is used for one connection
 * only; to connect again, create a new one.
 *
 * The opening of a connection, from the connect request through the TCP
 * connect, a proxy's answer and the TLS handshake to the server's answer,
 * has 30 seconds; an
 * opening that takes longer fails on the request's callback with
 * #QUOR_ERR_SOCKET_TIMED_OUT (checked by the once-a-second housekeeping, so
 * within 32 seconds). A server that sends more than 64 records before its
 * answer fails it with #QUOR_ERR_TOO_MUCH_BEFORE_REPLY; records up to that
 * number are delivered once the login is accepted. Either way the session
 * is idle afterwards, like any session whose connect failed.
 * @{
 */

/**
 * Logs on; the outcome arrives on #QUOR_CB_LOGIN.
 * \param h        a new session
 * \param user     the user name
 * \param password the password
 * \return 0 when the connect is under way, else 1
 */
QUOR_API int quor_login(QUORHANDLE h, const char *user, const char *password);
/**
 * Asks the server to create an account and mail its password; the outcome
 * arrives on #QUOR_CB_CREATEUSER and the session is idle afterwards.
 * \param h     a new session
 * \param user  the new user name
 * \param email the e-mail address for the password
 * \return 0 when the connect is under way, else 1
 */
QUOR_API int quor_createuser(QUORHANDLE h, const char *user, const char *email);
/**
 * Asks the server to mail a new password; the outcome arrives on
 * #QUOR_CB_REQPASSWORD and the session is idle afterwards.
 * \param h     a new session
 * \param user  the user name
 * \param email the account's e-mail address
 * \return 0 when the connect is under way, else 1
 */
QUOR_API int quor_reqpassword(QUORHANDLE h, const char *user, const char *email);
/** @} */

/**
 * \defgroup quor_requests Requests of a logged-on session
 * \brief Each posts one record and returns at once.
 *
 * A session that is not logged on refuses them with last error
 * #QUOR_ERR_NOT_LOGGED_ON. Answers and refusals arrive by callback.
 * @{
 */

/**
 * Sends a text. Texts longer than 399 characters are cut.
 * \param h         a logged-on session
 * \param recipient a user, or a channel when it begins with '#'
 * \param text      the text
 * \return 0 or 1
 */
QUOR_API int quor_sendtext(QUORHANDLE h, const char *recipient, const char *text);
/**
 * Asks whether a user is online; the answer arrives on #QUOR_CB_ISONLINE.
 * \param h    a logged-on session
 * \param user the user
 * \return 0 or 1
 */
QUOR_API int quor_isonline(QUORHANDLE h, const char *user);
/**
 * Pings a user; the answer arrives on #QUOR_CB_PINGREPLY.
 * \param h    a logged-on session
 * \param user the user
 * \return 0 or 1
 */
QUOR_API int quor_pinguser(QUORHANDLE h, const char *user);
/**
 * Joins a channel. Its members arrive on #QUOR_CB_CHANNELJOIN and its
 * information on #QUOR_CB_CHANNELINFO; a refusal arrives on
 * #QUOR_CB_CHANNELERROR.
 * \param h          a logged-on session
 * \param channel    the channel
 * \param inviteonly 1 to create an invite-only channel, else 0
 * \param password   the channel's password, or NULL
 * \return 0 or 1
 */
QUOR_API int quor_joinchannel(QUORHANDLE h, const char *channel, int inviteonly,
                              const char *password);
/**
 * Leaves a channel; a refusal arrives on #QUOR_CB_CHANNELERROR.
 * \param h       a logged-on session
 * \param channel the channel
 * \return 0 or 1
 */
QUOR_API int quor_leavechannel(QUORHANDLE h, const char *channel);
/**
 * Asks for the channel list; it arrives on #QUOR_CB_CHANNELLIST.
 * \param h a logged-on session
 * \return 0 or 1
 */
QUOR_API int quor_reqchannellist(QUORHANDLE h);
/**
 * Invites a user to a channel; the outcome arrives on #QUOR_CB_INVITEUSER.
 * \param h       a logged-on session
 * \param channel the channel
 * \param user    the user
 * \return 0 or 1
 */
QUOR_API int quor_inviteuser(QUORHANDLE h, const char *channel, const char *user);
/**
 * Asks for a user's profile; it arrives on #QUOR_CB_USERPROFILE.
 * \param h    a logged-on session
 * \param user the user
 * \return 0 or 1
 */
QUOR_API int quor_requserprofile(QUORHANDLE h, const char *user);
/**
 * Changes a user's profile; the outcome arrives on
 * #QUOR_CB_MODIFYUSERPROFILE.
 * \param h        a logged-on session
 * \param user     the user
 * \param password the new password
 * \param email    the new e-mail address
 * \param usertype 0 user, 1 administrator
 * \param disabled non-zero to disable the account
 * \return 0 or 1
 */
QUOR_API int quor_modifyuserprofile(QUORHANDLE h, const char *user, const char *password,
                                    const char *email, int usertype, int disabled);
/**
 * Changes the own e-mail address; the outcome arrives on
 * #QUOR_CB_CHANGEEMAIL.
 * \param h     a logged-on session
 * \param email the new address
 * \return 0 or 1
 */
QUOR_API int quor_changeemail(QUORHANDLE h, const char *email);
/** @} */

/**
 * \defgroup quor_contacts Contact list
 * \brief The session's contact list (logged-on sessions only).
 * @{
 */

/**
 * Appends a name; duplicates are not detected. Nothing is sent.
 * \param h    a logged-on session
 * \param name the contact
 * \return 0 or 1
 */
QUOR_API int quor_addcontact(QUORHANDLE h, const char *name);
/**
 * Removes the first entry equal to name ignoring the case of A to Z.
 * Nothing is sent.
 * \param h    a logged-on session
 * \param name the contact
 * \return 0, also when there is no such entry, or 1
 */
QUOR_API int quor_delcontact(QUORHANDLE h, const char *name);
/**
 * Sends the whole contact list to the server; status notices follow on
 * #QUOR_CB_CONTACTSTATUS and unknown names on #QUOR_CB_CONTACTLIST.
 * \param h a logged-on session
 * \return 0 or 1
 */
QUOR_API int quor_updatecontacts(QUORHANDLE h);
/** @} */

/**
 * \defgroup quor_loop Server choice and event loop
 * \brief Extensions for this platform, which has no window messages.
 *
 * See \ref event_loop "Driving the library from an event loop".
 * @{
 */

/**
 * Chooses the server for later connect requests. Works before quor_init()
 * and leaves the last error unchanged.
 * \param host a host name or address; NULL or "" means "localhost"
 * \param port a TCP port; 0 or less means #QUOR_DEFAULT_PORT. A port above
 *             65535 makes the connect requests fail at once with
 *             #QUOR_ERR_SOCKET_ADDRESS_UNAVAILABLE.
 * \return 0
 */
QUOR_API int quor_setserver(const char *host, int port);
/**
 * The library's event descriptor: an epoll descriptor that is readable
 * whenever the library has socket or timer work. It is valid from
 * quor_init() to quor_term(); a loop stops watching it before quor_term().
 * \return the descriptor; -1 with last error #QUOR_ERR_NOT_INITIALIZED
 */
QUOR_API int quor_getfd(void);
/**
 * Delivers the library's pending work. Callbacks run from inside this call.
 * Leaves the last error unchanged.
 * \param timeout_ms how long to wait for work: 0 not at all, negative until
 *                   something is ready
 * \return 0 after delivering at most one notification per ready source, also
 *         at once when called from inside a callback; 1 with last error
 *         #QUOR_ERR_NOT_INITIALIZED
 */
QUOR_API int quor_pump(int timeout_ms);

/** quor_settls() mode: plain records, as the service always spoke (default). */
#define QUOR_TLS_OFF 0
/** quor_settls() mode: the same records inside TLS 1.2 or newer, verified. */
#define QUOR_TLS_ON 1

/**
 * Chooses plain or encrypted connections for later connect requests; a
 * connection keeps the mode in force when its connect request was made.
 *
 * With #QUOR_TLS_ON the server's certificate must be trusted by the system's
 * trust store or, when ca_file is neither NULL nor "", by the PEM
 * certificates in that file (a CA, or the server's own self-signed
 * certificate), and must name the host given to quor_setserver() (its IP
 * entries for a numeric address); a host name is also sent to the server
 * (SNI). There is no mode without these checks. A handshake that fails
 * fails the connect request on its callback with #QUOR_ERR_TLS_HANDSHAKE,
 * #QUOR_ERR_TLS_UNTRUSTED or #QUOR_ERR_TLS_HOST_MISMATCH; one that has not
 * finished when the opening's 30 seconds are up (\ref quor_connect) with
 * #QUOR_ERR_SOCKET_TIMED_OUT. Works before quor_init() and between
 * connections; the setting outlives quor_term().
 * \param mode    #QUOR_TLS_OFF or #QUOR_TLS_ON
 * \param ca_file a PEM file of further trusted certificates, or NULL or ""
 * \return 0 with last error 0, or 1 with last error #QUOR_ERR_TLS_SETUP and
 *         the setting unchanged when the mode is unknown or, for
 *         #QUOR_TLS_ON, the CA file cannot be read or TLS cannot be set up
 */
QUOR_API int quor_settls(int mode, const char *ca_file);

/** quor_setproxy() type: straight to the server (default). */
#define QUOR_PROXY_NONE 0
/** quor_setproxy() type: a SOCKS5 proxy, which resolves the server's name. */
#define QUOR_PROXY_SOCKS5 1
/** quor_setproxy() type: an HTTP proxy's CONNECT tunnel. */
#define QUOR_PROXY_HTTP 2

/**
 * Chooses the proxy for later connect requests; a connection keeps the
 * proxy in force when its connect request was made.
 *
 * Through a proxy the library connects to the proxy and asks it for a
 * tunnel to the server given to quor_setserver(). The server's name is
 * handed to the proxy as it is and never resolved here; only the proxy's
 * own name is (a name that does not resolve fails the connect request at
 * once with #QUOR_ERR_PROXY_UNREACHABLE). With #QUOR_TLS_ON, TLS runs
 * through the tunnel and checks the server's name, not the proxy's. The
 * proxy's answer counts within the opening's 30 seconds (\ref quor_connect).
 * A connect request fails on its callback with #QUOR_ERR_PROXY_UNREACHABLE
 * when the proxy cannot be reached, #QUOR_ERR_PROXY_AUTH when it does not
 * take the user name and password (or wants them and none were given), and
 * #QUOR_ERR_PROXY_REFUSED when it refuses the tunnel or its answer is not
 * understood. Works before quor_init() and between connections; the setting
 * outlives quor_term().
 * \param type     #QUOR_PROXY_NONE, #QUOR_PROXY_SOCKS5 (RFC 1928, with the
 *                 user name and password of RFC 1929 when a user is given)
 *                 or #QUOR_PROXY_HTTP (CONNECT, with Basic authentication
 *                 when a user is given)
 * \param host     the proxy's host name or address; not looked at for
 *                 #QUOR_PROXY_NONE, like the other arguments
 * \param port     the proxy's TCP port, 1 to 65535
 * \param user     the user name for the proxy, at most 255 bytes, or NULL
 *                 or "" for none
 * \param password its password, at most 255 bytes; NULL counts as ""
 * \return 0 with last error 0, or 1 with last error #QUOR_ERR_PROXY_SETTING
 *         and the setting unchanged when the type is unknown, the host is
 *         NULL or "", the port is outside 1 to 65535, or the user name or
 *         password is longer than 255 bytes
 */
QUOR_API int quor_setproxy(int type, const char *host, int port, const char *user,
                           const char *password);
/** @} */

#ifdef __cplusplus
}
#endif

#endif /* QUOR_H */
