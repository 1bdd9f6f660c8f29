#include "dispatcher.h"

#include "callbacks.h"
#include "clock.h"
#include "library.h"

#include "quor_names/names.h"
#include "quor_wire/protocol_ids.h"

#include <cstdlib>
#include <cstring>

namespace quor {

namespace {

using namespace wire;

// An error reply read as far as its fields parse: request id 0 and an empty
// name when nothing parses.
struct ErrorReply {
    int errorId = 0;
    std::int32_t requestId = 0;
    std::string name;
};

ErrorReply ReadErrorReply(const QuorMessage &m) {
    ErrorReply reply;
    reply.errorId = m.id();
    ExpectFields(m, m.id(), 1, "ds", {&reply.requestId, &reply.name});
    return reply;
}

void OnAccountReply(QuorSession &session) {
    const QuorMessage *m = session.TakeMessage();
    if (m == nullptr) {
        return;
    }
    QUORHANDLE h = HandleOf(session);
    if (m->id() == kAccountCreated) {
        RaiseCallback<QUOR_CB_CREATEUSER_FN>(QUOR_CB_CREATEUSER, h, 0);
    } else if (m->id() == kPasswordMailed) {
        RaiseCallback<QUOR_CB_REQPASSWORD_FN>(QUOR_CB_REQPASSWORD, h, 0);
    } else if (IsErrorId(m->id())) {
        const ErrorReply reply = ReadErrorReply(*m);
        if (reply.requestId == kCreateAccountRequest) {
            RaiseCallback<QUOR_CB_CREATEUSER_FN>(
                QUOR_CB_CREATEUSER, h, TranslateError(kCreateAccountRequest, reply.errorId));
        } else if (reply.requestId == kPasswordRequest) {
            RaiseCallback<QUOR_CB_REQPASSWORD_FN>(QUOR_CB_REQPASSWORD, h,
                                                  TranslateError(kPasswordRequest, reply.errorId));
        }
    }
}

void FlushMemberList(QuorSession &session, const std::vector<std::string> &items) {
    if (CallbackAt(QUOR_CB_CHANNELJOIN) == nullptr || items.empty()) {
        return;
    }
    const std::string &channel = items.front();
    for (std::size_t i = 1; i < items.size() && !session.destroyed(); ++i) {
        RaiseCallback<QUOR_CB_CHANNELJOIN_FN>(QUOR_CB_CHANNELJOIN, HandleOf(session),
                                              channel.c_str(), items[i].c_str());
    }
}

void FlushNameList(QuorSession &session, const std::vector<std::string> &items) {
    if (CallbackAt(QUOR_CB_CONTACTLIST) == nullptr) {
        return;
    }
    for (const std::string &item : items) {
        if (session.destroyed()) {
            return;
        }
        RaiseCallback<QUOR_CB_CONTACTLIST_FN>(QUOR_CB_CONTACTLIST, HandleOf(session), item.c_str());
    }
    if (!session.destroyed()) {
        RaiseCallback<QUOR_CB_CONTACTLIST_FN>(QUOR_CB_CONTACTLIST, HandleOf(session), nullptr);
    }
}

int DecimalPrefix(const std::string &text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

// Items are "name,type,users"; items without both commas are skipped.
void FlushChannelList(QuorSession &session, const std::vector<std::string> &items) {
    if (CallbackAt(QUOR_CB_CHANNELLIST) == nullptr) {
        return;
    }
    for (const std::string &item : items) {
        if (session.destroyed()) {
            return;
        }
        const std::size_t first = item.find(',');
        const std::size_t second = first == std::string::npos ? first : item.find(',', first + 1);
        if (second == std::string::npos) {
            continue;
        }
        const std::string name = item.substr(0, first);
        const int type =
            static_cast<std::uint8_t>(DecimalPrefix(item.substr(first + 1, second - first - 1)));
        const int users = DecimalPrefix(item.substr(second + 1));
        RaiseCallback<QUOR_CB_CHANNELLIST_FN>(QUOR_CB_CHANNELLIST, HandleOf(session), name.c_str(),
                                              type, users);
    }
    if (!session.destroyed()) {
        RaiseCallback<QUOR_CB_CHANNELLIST_FN>(QUOR_CB_CHANNELLIST, HandleOf(session), nullptr, 0,
                                              0);
    }
}

// Parts of the three list kinds share one accumulator: a first part starts
// afresh, a last part flushes what has gathered.
void OnListPart(QuorSession &session, const QuorMessage &part) {
    const std::uint8_t flags = ListFlags(part);
    if ((flags & kListFirst) != 0) {
        session.listParts.clear();
    } else if (session.listParts.size() >= kMaxListParts) {
        // A list that never ends must not exhaust memory: drop it whole.
        session.listParts.clear();
        return;
    }
    session.listParts.push_back(part);
    if ((flags & kListLast) == 0) {
        return;
    }
    std::vector<std::string> items;
    for (const QuorMessage &p : session.listParts) {
        for (std::string &item : ListItems(p)) {
            items.push_back(std::move(item));
        }
    }
    session.listParts.clear();
    switch (part.id()) {
    case kMemberList:
        FlushMemberList(session, items);
        break;
    case kUnregisteredNames:
        FlushNameList(session, items);
        break;
    default:
        FlushChannelList(session, items);
        break;
    }
}

void OnErrorReply(QuorSession &session, const QuorMessage &m) {
    QUORHANDLE h = HandleOf(session);
    const ErrorReply reply = ReadErrorReply(m);
    if (int code = TextDeliveryError(reply.errorId); code != 0) {
        RaiseCallback<QUOR_CB_TEXTERROR_FN>(QUOR_CB_TEXTERROR, h, code, reply.name.c_str());
        if (session.destroyed()) {
            return;
        }
    }
    const int code = TranslateError(reply.requestId, reply.errorId);
    switch (reply.requestId) {
    case kChannelRequest:
        RaiseCallback<QUOR_CB_CHANNELERROR_FN>(QUOR_CB_CHANNELERROR, h, reply.name.c_str(), code);
        break;
    case kChangeEmailRequest:
        RaiseCallback<QUOR_CB_CHANGEEMAIL_FN>(QUOR_CB_CHANGEEMAIL, h, code);
        break;
    case kProfileRequest:
        RaiseCallback<QUOR_CB_USERPROFILE_FN>(QUOR_CB_USERPROFILE, h, code, "<none>", "", "", 0, 0,
                                              0, 0, 0);
        break;
    case kProfile:
        RaiseCallback<QUOR_CB_MODIFYUSERPROFILE_FN>(QUOR_CB_MODIFYUSERPROFILE, h, code,
                                                    "<unknown>");
        break;
    case kInviteRequest:
        RaiseCallback<QUOR_CB_INVITEUSER_FN>(QUOR_CB_INVITEUSER, h, reply.name.c_str(), code);
        break;
    default:
        break;
    }
}

void OnText(QuorSession &session, const QuorMessage &m) {
    QUORHANDLE h = HandleOf(session);
    const std::string sender = m.sender();
    const std::string recipient = m.recipient();
    // On the stack: texts come with nearly every record of a busy session,
    // and a heap string for each costs more than the rest of their way.
    char text[kDataSize + 1];
    const auto *raw = reinterpret_cast<const char *>(m.bytes.data() + kDataOffset);
    const std::size_t length = strnlen(raw, kDataSize);
    std::memcpy(text, raw, length);
    text[length] = '\0';
    if (IsChannelName(recipient)) {
        RaiseCallback<QUOR_CB_CHANNELTEXT_FN>(QUOR_CB_CHANNELTEXT, h, sender.c_str(),
                                              recipient.c_str(), text);
    } else if (SameNameIgnoringCase(recipient, kBroadcastName)) {
        RaiseCallback<QUOR_CB_BROADCAST_FN>(QUOR_CB_BROADCAST, h, sender.c_str(), text);
    } else {
        RaiseCallback<QUOR_CB_TEXT_FN>(QUOR_CB_TEXT, h, sender.c_str(), text);
    }
}

void OnMessage(QuorSession &session) {
    const QuorMessage *taken = session.TakeMessage();
    if (taken == nullptr) {
        return;
    }
    const QuorMessage &m = *taken;
    QUORHANDLE h = HandleOf(session);
    std::string s1, s2, s3;
    std::int32_t d1 = 0, d2 = 0, d3 = 0, d4 = 0, d5 = 0;
    std::uint8_t c1 = 0;
    switch (m.id()) {
    case kText:
        OnText(session, m);
        break;
    case kOfflineText:
        if (ExpectFields(m, kOfflineText, 1, "sd", {&s1, &d1})) {
            const std::string sender = m.sender();
            RaiseCallback<QUOR_CB_OFFLINETEXT_FN>(QUOR_CB_OFFLINETEXT, h, sender.c_str(), d1,
                                                  s1.c_str());
        }
        break;
    case kWelcome:
        s1 = m.rawText();
        RaiseCallback<QUOR_CB_WELCOME_FN>(QUOR_CB_WELCOME, h, s1.c_str());
        break;
    case kEmailChanged:
        RaiseCallback<QUOR_CB_CHANGEEMAIL_FN>(QUOR_CB_CHANGEEMAIL, h, 0);
        if (!session.destroyed()) {
            session.Close();
        }
        break;
    case kProfileChanged:
        if (ExpectFields(m, kProfileChanged, 1, "s", {&s1})) {
            RaiseCallback<QUOR_CB_MODIFYUSERPROFILE_FN>(QUOR_CB_MODIFYUSERPROFILE, h, 0,
                                                        s1.c_str());
        }
        break;
    case kInviteAccepted:
        s1 = m.rawText();
        RaiseCallback<QUOR_CB_INVITEUSER_FN>(QUOR_CB_INVITEUSER, h, s1.c_str(), 0);
        break;
    case kPingReply:
        if (ExpectFields(m, kPingReply, 1, "d", {&d1})) {
            const std::string sender = m.sender();
            RaiseCallback<QUOR_CB_PINGREPLY_FN>(
                QUOR_CB_PINGREPLY, h, sender.c_str(),
                static_cast<int>(static_cast<std::uint32_t>(CalendarNow()) -
                                 static_cast<std::uint32_t>(d1)));
        }
        break;
    case kContactStatus:
        if (ExpectFields(m, kContactStatus, 1, "sc", {&s1, &c1})) {
            RaiseCallback<QUOR_CB_CONTACTSTATUS_FN>(QUOR_CB_CONTACTSTATUS, h, s1.c_str(),
                                                    static_cast<int>(c1));
        }
        break;
    case kOnlineStatus:
        if (ExpectFields(m, kOnlineStatus, 1, "sc", {&s1, &c1})) {
            RaiseCallback<QUOR_CB_ISONLINE_FN>(QUOR_CB_ISONLINE, h, s1.c_str(),
                                               static_cast<int>(c1));
        }
        break;
    case kInvitation:
        if (ExpectFields(m, kInvitation, 1, "ss", {&s1, &s2})) {
            RaiseCallback<QUOR_CB_INVITATION_FN>(QUOR_CB_INVITATION, h, s2.c_str(), s1.c_str());
        }
        break;
    case kMembershipChange:
        if (ExpectFields(m, kMembershipChange, 1, "dss", {&d1, &s1, &s2}) &&
            !SameNameIgnoringCase(s1, session.userName())) {
            const int slot = d1 == 0 ? QUOR_CB_CHANNELJOIN : QUOR_CB_CHANNELLEAVE;
            RaiseCallback<QUOR_CB_CHANNELJOIN_FN>(slot, h, s2.c_str(), s1.c_str());
        }
        break;
    case kMemberList:
    case kUnregisteredNames:
    case kChannelList:
        OnListPart(session, m);
        break;
    case kChannelInfo:
        if (ExpectFields(m, kChannelInfo, 1, "scss", {&s1, &c1, &s2, &s3})) {
            RaiseCallback<QUOR_CB_CHANNELINFO_FN>(QUOR_CB_CHANNELINFO, h, s1.c_str(),
                                                  static_cast<int>(c1), s2.c_str(), s3.c_str());
        }
        break;
    case kProfile:
        if (ExpectFields(m, kProfile, 1, "sssddddd", {&s1, &s2, &s3, &d1, &d2, &d3, &d4, &d5})) {
            RaiseCallback<QUOR_CB_USERPROFILE_FN>(QUOR_CB_USERPROFILE, h, 0, s1.c_str(), s2.c_str(),
                                                  s3.c_str(), d1, d2, d3, d4, d5);
        }
        break;
    default:
        if (IsErrorId(m.id())) {
            OnErrorReply(session, m);
        }
        break;
    }
}

void OnLoginResult(QuorSession &session) {
    int result = 0;
    if (session.state() != STATE_LOGGED_ON) {
        result = TranslateError(kLoginRequest, session.lastError());
    }
    RaiseCallback<QUOR_CB_LOGIN_FN>(QUOR_CB_LOGIN, HandleOf(session), result);
}

void OnConnectFailed(QuorSession &session) {
    const int slot = session.purpose() == MODE_LOGIN        ? QUOR_CB_LOGIN
                     : session.purpose() == MODE_CREATEUSER ? QUOR_CB_CREATEUSER
                                                            : QUOR_CB_REQPASSWORD;
    RaiseCallback<QUOR_CB_LOGIN_FN>(slot, HandleOf(session), session.lastError());
}

} // namespace

void Dispatch(QuorConnection &connection, ConnectionEvent event) {
    auto &session = static_cast<QuorSession &>(connection);
    switch (event) {
    case EV_LOGIN_RESULT:
        OnLoginResult(session);
        break;
    case EV_CLOSED:
        RaiseCallback<QUOR_CB_DISCONNECT_FN>(QUOR_CB_DISCONNECT, HandleOf(session));
        break;
    case EV_CONNECT_FAILED:
        OnConnectFailed(session);
        break;
    case EV_CREATEUSER_REPLY:
    case EV_REQPASSWORD_REPLY:
        OnAccountReply(session);
        break;
    case EV_MESSAGE:
        OnMessage(session);
        break;
    }
}

} // namespace quor
