// SPDX-License-Identifier: MIT
// Connections per client address, so that one address cannot take every
// connection slot. IPv6 clients are counted per /64 network, the block a
// single site is usually given.
#pragma once

#include <sys/socket.h>

#include <cstddef>
#include <string>
#include <unordered_map>

namespace quord {

// The address a client is counted and throttled under: the numeric IPv4
// address (also for IPv4-mapped IPv6), else the IPv6 /64 prefix.
std::string AddressKey(const sockaddr *address);

class AddressTable {
public:
    explicit AddressTable(std::size_t maxPerAddress) : maxPerAddress_(maxPerAddress) {}

    // Counts a new connection from the key; false (and nothing counted)
    // when the key already has its maximum.
    bool Admit(const std::string &key);
    void Release(const std::string &key);

    std::size_t CountOf(const std::string &key) const;
    std::size_t addresses() const { return counts_.size(); }

private:
    std::size_t maxPerAddress_;
    std::unordered_map<std::string, std::size_t> counts_;
};

} // namespace quord
