// SPDX-License-Identifier: MIT
// Joining, leaving, listing channels and invitations. Wrong channel
// passwords are throttled per account and channel like logins.
#include "chat_server.h"

#include "log_text.h"
#include "names.h"
#include "passwords.h"
#include "quor_wire/protocol_ids.h"

namespace quord {

using namespace quor::wire;
using quor::QuorMessage;

void ChatServer::ChannelRequest(Session &session, const QuorMessage &record) {
    std::int32_t action = -1;
    std::string name;
    std::int32_t inviteOnly = 0;
    std::string password;
    if (!quor::ExpectFields(record, kChannelRequest, 1, "dsds",
                            {&action, &name, &inviteOnly, &password})) {
        return;
    }
    if (action == kJoinChannel) {
        JoinChannel(session, name, inviteOnly, password);
    } else if (action == kLeaveChannel) {
        LeaveChannel(session, name);
    }
}

void ChatServer::JoinChannel(Session &session, const std::string &name, std::int32_t inviteOnly,
                             const std::string &password) {
    if (!IsValidChannelName(name)) {
        Refuse(session, kErrChannelName, kChannelRequest, name);
        return;
    }
    Channel *channel = channels_.Find(name);
    std::int32_t error = 0;
    std::string why;
    if (channel != nullptr && channel->HasMember(session.connection)) {
        error = kErrAlreadyJoined;
    } else if (session.channels.size() >= kMaxChannelsPerUser) {
        error = kErrChannelLimit;
    } else if (channel != nullptr && channel->type == kChannelInviteOnly &&
               !channel->invited.contains(quor::FoldedName(session.user)) &&
               !quor::SameNameIgnoringCase(channel->owner, session.user)) {
        error = kErrInviteOnly;
    } else if (channel != nullptr && channel->type == kChannelPassworded) {
        error = CheckChannelPassword(session, *channel, password, why);
    }
    if (error != 0) {
        Refuse(session, error, kChannelRequest, name, why);
        return;
    }
    const ChannelMember member{session.connection, session.user};
    if (channel == nullptr) {
        const std::uint8_t type = inviteOnly == 1     ? kChannelInviteOnly
                                  : !password.empty() ? kChannelPassworded
                                                      : kChannelStandard;
        channel = &channels_.Create(name, type, member, password);
    } else {
        channel->members.push_back(member);
    }
    session.channels.insert(quor::FoldedName(name));
    Note(session, Describe(session) + " joined " + LogText(channel->name));

    std::vector<std::string> names{channel->name};
    for (const ChannelMember &m : channel->members) {
        names.push_back(m.name);
    }
    ReplyList(session, kMemberList, names);
    Reply(session, kChannelInfo, "scss",
          {channel->name, channel->type, channel->owner, std::to_string(channel->members.size())});
    QuorMessage joined = ServerRecord(session, kMembershipChange, "dss",
                                      {kJoinChannel, session.user, channel->name});
    SendToMembers(*channel, joined, session.connection);
}

std::int32_t ChatServer::CheckChannelPassword(const Session &session, const Channel &channel,
                                              const std::string &password, std::string &why) {
    const std::string accountKey = quor::FoldedName(session.user);
    const std::string channelKey = quor::FoldedName(channel.name);
    if (const std::int64_t wait = throttle_.ChannelPenaltyLeft(accountKey, channelKey); wait > 0) {
        // Refused unchecked, and not counted, as a login during a penalty.
        why = "throttled, " + std::to_string((wait + 999) / 1000) + " s left";
        return kErrChannelPassword;
    }
    if (!SameSecret(password, channel.password)) {
        throttle_.ChannelPasswordFailed(accountKey, channelKey);
        why = "wrong password";
        return kErrChannelPassword;
    }
    throttle_.ChannelPasswordAccepted(accountKey, channelKey);
    return 0;
}

void ChatServer::LeaveChannel(Session &session, const std::string &name) {
    const Channel *channel = channels_.Find(name);
    if (channel == nullptr || !channel->HasMember(session.connection)) {
        Refuse(session, kErrNotJoined, kChannelRequest, name);
        return;
    }
    const std::string channelName = channel->name;
    channels_.RemoveMember(channelName, session.connection);
    session.channels.erase(quor::FoldedName(channelName));
    Note(session, Describe(session) + " left " + LogText(channelName));
    if (const Channel *rest = channels_.Find(channelName)) {
        QuorMessage left = ServerRecord(session, kMembershipChange, "dss",
                                        {kLeaveChannel, session.user, channelName});
        SendToMembers(*rest, left, session.connection);
    }
}

void ChatServer::LeaveAllChannels(Session &session) {
    const std::set<std::string> joined = session.channels;
    for (const std::string &key : joined) {
        LeaveChannel(session, key);
    }
}

void ChatServer::SendChannelList(Session &session) {
    std::vector<std::string> items;
    for (const auto &[key, channel] : channels_.all()) {
        items.push_back(channel.name + "," + std::to_string(channel.type) + "," +
                        std::to_string(channel.members.size()));
    }
    ReplyList(session, kChannelList, items);
}

void ChatServer::Invite(Session &session, const QuorMessage &record) {
    std::string channelName;
    std::string user;
    if (!quor::ExpectFields(record, kInviteRequest, 1, "ss", {&channelName, &user})) {
        return;
    }
    const std::optional<Account> account = store_.Find(user);
    Channel *channel = channels_.Find(channelName);
    std::int32_t error = 0;
    if (!account) {
        error = kErrNoSuchUser;
    } else if (channel == nullptr || !quor::SameNameIgnoringCase(channel->owner, session.user)) {
        error = kErrNotOwner;
    } else if (channel->type != kChannelInviteOnly) {
        error = kErrNotInviteOnly;
    } else if (channel->invited.contains(quor::FoldedName(account->name))) {
        error = kErrAlreadyInvited;
    }
    if (error != 0) {
        Refuse(session, error, kInviteRequest, user);
        return;
    }
    channel->invited.insert(quor::FoldedName(account->name));
    Note(session, Describe(session) + " invited " + LogText(account->name) + " to " +
                      LogText(channel->name));
    QuorMessage accepted = ServerRecord(session, kInviteAccepted);
    accepted.setRawText(account->name);
    Send(session.connection, accepted);
    if (const Session *invited = OnlineSession(account->name)) {
        Reply(*invited, kInvitation, "ss", {channel->name, session.user});
    }
}

void ChatServer::SendToMembers(const Channel &channel, const QuorMessage &record,
                               ConnectionId except) {
    for (const ChannelMember &member : channel.members) {
        if (member.connection == except) {
            continue;
        }
        QuorMessage copy = record;
        if (record.id() == kText) {
            // A member that reads too slowly misses texts rather than
            // holding the channel up.
            copy.setRecipient(channel.name);
            SendUnlessCongested(member.connection, copy);
        } else {
            copy.setRecipient(member.name);
            Send(member.connection, copy);
        }
    }
}

} // namespace quord
