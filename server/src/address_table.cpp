// SPDX-License-Identifier: MIT
#include "address_table.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <cstring>

namespace quord {

std::string AddressKey(const sockaddr *address) {
    char text[INET6_ADDRSTRLEN] = "?";
    if (address->sa_family == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in *>(address)->sin_addr, text,
                  sizeof text);
        return text;
    }
    if (address->sa_family != AF_INET6) {
        return text;
    }
    const in6_addr &v6 = reinterpret_cast<const sockaddr_in6 *>(address)->sin6_addr;
    if (IN6_IS_ADDR_V4MAPPED(&v6)) {
        inet_ntop(AF_INET, &v6.s6_addr[12], text, sizeof text);
        return text;
    }
    in6_addr network{};
    std::memcpy(network.s6_addr, v6.s6_addr, 8);
    inet_ntop(AF_INET6, &network, text, sizeof text);
    return std::string(text) + "/64";
}

bool AddressTable::Admit(const std::string &key) {
    std::size_t &count = counts_[key];
    if (count >= maxPerAddress_) {
        if (count == 0) {
            counts_.erase(key);
        }
        return false;
    }
    ++count;
    return true;
}

void AddressTable::Release(const std::string &key) {
    const auto it = counts_.find(key);
    if (it != counts_.end() && --it->second == 0) {
        counts_.erase(it);
    }
}

std::size_t AddressTable::CountOf(const std::string &key) const {
    const auto it = counts_.find(key);
    return it == counts_.end() ? 0 : it->second;
}

} // namespace quord
