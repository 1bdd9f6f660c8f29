// SPDX-License-Identifier: MIT
// Requests on one session: the three connect requests, the requests of a
// logged-on session and its contact list.
#include "clock.h"
#include "library.h"

#include "quor.h"
#include "quor_names/names.h"
#include "quor_wire/protocol_ids.h"

#include <algorithm>

using namespace quor;
using namespace quor::wire;

namespace {

constexpr const char *kServer = kServerName;

int Connect(QUORHANDLE h, ConnectionMode purpose, const char *user, const char *password,
            const char *email) {
    QuorSession *session = CheckedSession(h);
    if (session == nullptr) {
        return 1;
    }
    if (session->state() != STATE_CREATED) {
        return Fail(25);
    }
    ConnectRequest request;
    request.user = OrEmpty(user);
    request.password = OrEmpty(password);
    request.email = OrEmpty(email);
    request.host = Lib().host;
    request.port = Lib().port;
    request.build = QUOR_API_BUILD;
    request.purpose = purpose;
    // The connection keeps the mode in force now, whatever comes later.
    Library &lib = Lib();
    request.tls = lib.tlsMode == QUOR_TLS_ON;
    if (request.tls && lib.tls == nullptr) {
        lib.tls = TlsContext::Create(lib.tlsCaFile); // freed by an earlier quor_term
    }
    request.tlsContext = lib.tls;
    request.proxy = lib.proxy;
    return Fail(session->StartConnect(request));
}

// Builds one request with typed fields and posts it on a logged-on session.
int Request(QUORHANDLE h, const char *recipient, std::int32_t id, std::string_view signature,
            const std::vector<FieldValue> &values) {
    QuorSession *session = LoggedOnSession(h);
    if (session == nullptr) {
        return 1;
    }
    QuorMessage record;
    record.setRecipient(recipient);
    PackFields(record, id, 1, signature, values);
    session->Post(record);
    return Succeed();
}

} // namespace

extern "C" {

QUOR_API int quor_login(QUORHANDLE h, const char *user, const char *password) {
    return Connect(h, MODE_LOGIN, user, password, "");
}

QUOR_API int quor_createuser(QUORHANDLE h, const char *user, const char *email) {
    return Connect(h, MODE_CREATEUSER, user, "", email);
}

QUOR_API int quor_reqpassword(QUORHANDLE h, const char *user, const char *email) {
    return Connect(h, MODE_REQPASSWORD, user, "", email);
}

QUOR_API int quor_sendtext(QUORHANDLE h, const char *recipient, const char *text) {
    QuorSession *session = LoggedOnSession(h);
    if (session == nullptr) {
        return 1;
    }
    QuorMessage record;
    record.setRecipient(OrEmpty(recipient));
    record.setRawText(OrEmpty(text));
    record.setId(kText);
    session->Post(record);
    return Succeed();
}

QUOR_API int quor_isonline(QUORHANDLE h, const char *user) {
    return Request(h, kServer, kIsOnlineRequest, "s", {OrEmpty(user)});
}

QUOR_API int quor_pinguser(QUORHANDLE h, const char *user) {
    return Request(h, OrEmpty(user), kPing, "d", {CalendarNow()});
}

QUOR_API int quor_joinchannel(QUORHANDLE h, const char *channel, int inviteonly,
                              const char *password) {
    return Request(h, kServer, kChannelRequest, "dsds",
                   {kJoinChannel, OrEmpty(channel), std::int32_t{inviteonly}, OrEmpty(password)});
}

QUOR_API int quor_leavechannel(QUORHANDLE h, const char *channel) {
    return Request(h, kServer, kChannelRequest, "dsds",
                   {kLeaveChannel, OrEmpty(channel), std::int32_t{0}, ""});
}

QUOR_API int quor_reqchannellist(QUORHANDLE h) {
    return Request(h, kServer, kChannelListRequest, "", {});
}

QUOR_API int quor_inviteuser(QUORHANDLE h, const char *channel, const char *user) {
    return Request(h, kServer, kInviteRequest, "ss", {OrEmpty(channel), OrEmpty(user)});
}

QUOR_API int quor_requserprofile(QUORHANDLE h, const char *user) {
    return Request(h, kServer, kProfileRequest, "s", {OrEmpty(user)});
}

QUOR_API int quor_modifyuserprofile(QUORHANDLE h, const char *user, const char *password,
                                    const char *email, int usertype, int disabled) {
    return Request(h, kServer, kProfile, "sssddddd",
                   {OrEmpty(user), OrEmpty(password), OrEmpty(email), std::int32_t{usertype},
                    CalendarNow(), std::int32_t{0}, std::int32_t{0}, std::int32_t{disabled}});
}

QUOR_API int quor_changeemail(QUORHANDLE h, const char *email) {
    return Request(h, kServer, kChangeEmailRequest, "s", {OrEmpty(email)});
}

QUOR_API int quor_addcontact(QUORHANDLE h, const char *name) {
    QuorSession *session = LoggedOnSession(h);
    if (session == nullptr) {
        return 1;
    }
    session->contacts.emplace_back(OrEmpty(name));
    return Succeed();
}

QUOR_API int quor_delcontact(QUORHANDLE h, const char *name) {
    QuorSession *session = LoggedOnSession(h);
    if (session == nullptr) {
        return 1;
    }
    auto &contacts = session->contacts;
    auto match = std::find_if(contacts.begin(), contacts.end(), [name](const std::string &c) {
        return SameNameIgnoringCase(c, OrEmpty(name));
    });
    if (match != contacts.end()) {
        contacts.erase(match);
    }
    return Succeed();
}

QUOR_API int quor_updatecontacts(QUORHANDLE h) {
    QuorSession *session = LoggedOnSession(h);
    if (session == nullptr) {
        return 1;
    }
    ListBuilder builder(kContactsRequest, kServer);
    for (const std::string &name : session->contacts) {
        builder.add(name);
    }
    for (QuorMessage &part : builder.finish()) {
        session->Post(part);
    }
    return Succeed();
}

} // extern "C"
