// SPDX-License-Identifier: MIT
#include "channel_registry.h"

#include "names.h"

#include <algorithm>

namespace quord {

bool Channel::HasMember(ConnectionId connection) const {
    return std::any_of(members.begin(), members.end(),
                       [&](const ChannelMember &m) { return m.connection == connection; });
}

Channel *ChannelRegistry::Find(std::string_view name) {
    auto it = channels_.find(quor::FoldedName(name));
    return it == channels_.end() ? nullptr : &it->second;
}

Channel &ChannelRegistry::Create(std::string_view name, std::uint8_t type,
                                 const ChannelMember &owner, std::string_view password) {
    Channel &channel = channels_[quor::FoldedName(name)];
    channel.name = name;
    channel.type = type;
    channel.owner = owner.name;
    channel.password = password;
    channel.members = {owner};
    return channel;
}

bool ChannelRegistry::RemoveMember(std::string_view name, ConnectionId connection) {
    auto it = channels_.find(quor::FoldedName(name));
    if (it == channels_.end()) {
        return false;
    }
    auto &members = it->second.members;
    const auto member = std::find_if(members.begin(), members.end(), [&](const ChannelMember &m) {
        return m.connection == connection;
    });
    if (member == members.end()) {
        return false;
    }
    members.erase(member);
    if (members.empty()) {
        channels_.erase(it);
    }
    return true;
}

} // namespace quord
