// SPDX-License-Identifier: MIT
#include "server_messages.h"

#include "callbacks.h"
#include "clock.h"
#include "dispatcher.h"
#include "library.h"
#include "list_parts.h"

#include "quor_names/names.h"
#include "quor_wire/protocol_ids.h"

#include <cstring>
#include <type_traits>

namespace quor {

namespace {

using namespace wire;

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

void OnOfflineText(QuorSession &session, const QuorMessage &m) {
    std::string text;
    std::int32_t sentTime = 0;
    if (ExpectFields(m, kOfflineText, 1, "sd", {&text, &sentTime})) {
        RaiseCallback<QUOR_CB_OFFLINETEXT_FN>(QUOR_CB_OFFLINETEXT, HandleOf(session),
                                              m.sender().c_str(), sentTime, text.c_str());
    }
}

void OnWelcome(QuorSession &session, const QuorMessage &m) {
    RaiseCallback<QUOR_CB_WELCOME_FN>(QUOR_CB_WELCOME, HandleOf(session), m.rawText().c_str());
}

// The session ends with the change: closed here, without a disconnect.
void OnEmailChanged(QuorSession &session, const QuorMessage &) {
    RaiseCallback<QUOR_CB_CHANGEEMAIL_FN>(QUOR_CB_CHANGEEMAIL, HandleOf(session), 0);
    if (!session.destroyed()) {
        session.Close();
    }
}

void OnProfileChanged(QuorSession &session, const QuorMessage &m) {
    std::string name;
    if (ExpectFields(m, kProfileChanged, 1, "s", {&name})) {
        RaiseCallback<QUOR_CB_MODIFYUSERPROFILE_FN>(QUOR_CB_MODIFYUSERPROFILE, HandleOf(session), 0,
                                                    name.c_str());
    }
}

void OnInviteAccepted(QuorSession &session, const QuorMessage &m) {
    RaiseCallback<QUOR_CB_INVITEUSER_FN>(QUOR_CB_INVITEUSER, HandleOf(session), m.rawText().c_str(),
                                         0);
}

// The answer carries the ping's time stamp back: the round trip is the
// difference, in whole seconds, across a wrap of the 32-bit stamp.
void OnPingReply(QuorSession &session, const QuorMessage &m) {
    std::int32_t sentAt = 0;
    if (ExpectFields(m, kPingReply, 1, "d", {&sentAt})) {
        const auto seconds =
            static_cast<std::uint32_t>(CalendarNow()) - static_cast<std::uint32_t>(sentAt);
        RaiseCallback<QUOR_CB_PINGREPLY_FN>(QUOR_CB_PINGREPLY, HandleOf(session),
                                            m.sender().c_str(), static_cast<int>(seconds));
    }
}

// A contact's status notice (408) and the answer to an online query (405)
// carry the same fields to callbacks of the same type.
template <std::int32_t Id, int Slot, typename Fn>
void OnNameAndStatus(QuorSession &session, const QuorMessage &m) {
    std::string name;
    std::uint8_t status = 0;
    if (ExpectFields(m, Id, 1, "sc", {&name, &status})) {
        RaiseCallback<Fn>(Slot, HandleOf(session), name.c_str(), static_cast<int>(status));
    }
}

// The inviter, the second field on the wire, comes first in the callback.
void OnInvitation(QuorSession &session, const QuorMessage &m) {
    std::string channel, inviter;
    if (ExpectFields(m, kInvitation, 1, "ss", {&channel, &inviter})) {
        RaiseCallback<QUOR_CB_INVITATION_FN>(QUOR_CB_INVITATION, HandleOf(session), inviter.c_str(),
                                             channel.c_str());
    }
}

// The session's own joins and leaves are not reported back to it.
void OnMembershipChange(QuorSession &session, const QuorMessage &m) {
    std::int32_t left = 0;
    std::string user, channel;
    if (!ExpectFields(m, kMembershipChange, 1, "dss", {&left, &user, &channel}) ||
        SameNameIgnoringCase(user, session.userName())) {
        return;
    }
    // Either slot is raised through the join slot's function type.
    static_assert(std::is_same_v<QUOR_CB_CHANNELJOIN_FN, QUOR_CB_CHANNELLEAVE_FN>);
    RaiseCallback<QUOR_CB_CHANNELJOIN_FN>(left == 0 ? QUOR_CB_CHANNELJOIN : QUOR_CB_CHANNELLEAVE,
                                          HandleOf(session), channel.c_str(), user.c_str());
}

void OnChannelInfo(QuorSession &session, const QuorMessage &m) {
    std::string channel, info1, info2;
    std::uint8_t type = 0;
    if (ExpectFields(m, kChannelInfo, 1, "scss", {&channel, &type, &info1, &info2})) {
        RaiseCallback<QUOR_CB_CHANNELINFO_FN>(QUOR_CB_CHANNELINFO, HandleOf(session),
                                              channel.c_str(), static_cast<int>(type),
                                              info1.c_str(), info2.c_str());
    }
}

void OnProfile(QuorSession &session, const QuorMessage &m) {
    std::string name, password, email;
    std::int32_t userType = 0, created = 0, lastLogin = 0, selfCreated = 0, disabled = 0;
    if (ExpectFields(
            m, kProfile, 1, "sssddddd",
            {&name, &password, &email, &userType, &created, &lastLogin, &selfCreated, &disabled})) {
        RaiseCallback<QUOR_CB_USERPROFILE_FN>(QUOR_CB_USERPROFILE, HandleOf(session), 0,
                                              name.c_str(), password.c_str(), email.c_str(),
                                              userType, created, lastLogin, selfCreated, disabled);
    }
}

// A refused text is reported whatever request the reply names; then the
// request's own callback, if it has one, gets the translated code.
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

struct MessageKind {
    std::int32_t id;
    void (*read)(QuorSession &, const QuorMessage &);
};

// Texts first: they are nearly every record of a busy session.
constexpr MessageKind kMessageKinds[] = {
    {kText, &OnText},
    {kOfflineText, &OnOfflineText},
    {kWelcome, &OnWelcome},
    {kEmailChanged, &OnEmailChanged},
    {kProfileChanged, &OnProfileChanged},
    {kInviteAccepted, &OnInviteAccepted},
    {kPingReply, &OnPingReply},
    {kContactStatus,
     &OnNameAndStatus<kContactStatus, QUOR_CB_CONTACTSTATUS, QUOR_CB_CONTACTSTATUS_FN>},
    {kOnlineStatus, &OnNameAndStatus<kOnlineStatus, QUOR_CB_ISONLINE, QUOR_CB_ISONLINE_FN>},
    {kInvitation, &OnInvitation},
    {kMembershipChange, &OnMembershipChange},
    {kMemberList, &OnListPart},
    {kUnregisteredNames, &OnListPart},
    {kChannelList, &OnListPart},
    {kChannelInfo, &OnChannelInfo},
    {kProfile, &OnProfile},
};

} // namespace

ErrorReply ReadErrorReply(const QuorMessage &m) {
    ErrorReply reply;
    reply.errorId = m.id();
    ExpectFields(m, m.id(), 1, "ds", {&reply.requestId, &reply.name});
    return reply;
}

void DispatchServerMessage(QuorSession &session, const QuorMessage &m) {
    for (const MessageKind &kind : kMessageKinds) {
        if (kind.id == m.id()) {
            kind.read(session, m);
            return;
        }
    }
    if (IsErrorId(m.id())) {
        OnErrorReply(session, m);
    }
}

} // namespace quor
