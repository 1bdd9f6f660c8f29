// SPDX-License-Identifier: MIT
// The chat channels, kept in memory: created by their first member, gone
// when the last member leaves. Channel names match without regard to the
// case of A to Z.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quord {

inline constexpr std::uint8_t kChannelStandard = 0;
inline constexpr std::uint8_t kChannelInviteOnly = 1;
inline constexpr std::uint8_t kChannelPassworded = 2;

using ConnectionId = std::uint64_t;

struct ChannelMember {
    ConnectionId connection;
    std::string name;
};

struct Channel {
    std::string name; // as its creator wrote it
    std::uint8_t type = kChannelStandard;
    std::string owner;
    std::string password;
    std::vector<ChannelMember> members; // in the order they joined
    std::set<std::string> invited;      // name keys

    bool HasMember(ConnectionId connection) const;
};

class ChannelRegistry {
public:
    Channel *Find(std::string_view name);
    // A new channel owned by its first member.
    Channel &Create(std::string_view name, std::uint8_t type, const ChannelMember &owner,
                    std::string_view password);
    // Removes the member; an emptied channel disappears. Returns false when
    // the connection was not a member.
    bool RemoveMember(std::string_view name, ConnectionId connection);

    const std::map<std::string, Channel> &all() const { return channels_; }

private:
    std::map<std::string, Channel> channels_; // by name key
};

} // namespace quord
