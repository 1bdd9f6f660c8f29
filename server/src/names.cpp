// SPDX-License-Identifier: MIT
#include "names.h"

#include "quor_wire/protocol_ids.h"
#include "quor_wire/record.h"

#include <array>

namespace quord {

using namespace quor::wire;

namespace {

constexpr std::array<std::string_view, 3> kReservedNames = {"server", "admin", "broadcast"};
constexpr std::size_t kMaxEmailLength = 254;

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Printable ASCII other than the space.
bool IsVisible(char c) {
    return c > ' ' && c < 127;
}

} // namespace

std::int32_t CheckNewUserName(std::string_view name) {
    if (name.empty() || name.size() > kMaxUserNameLength) {
        return kErrNameLength;
    }
    if (name.front() == '$' || name.front() == '#' || name.front() == '<') {
        return kErrNameRestricted;
    }
    for (char c : name) {
        if (!IsAsciiAlnum(c) && c != '_' && c != '-' && c != '.') {
            return kErrBadName;
        }
    }
    for (std::string_view reserved : kReservedNames) {
        if (quor::SameNameIgnoringCase(name, reserved)) {
            return kErrNameRestricted;
        }
    }
    return 0;
}

bool IsValidChannelName(std::string_view name) {
    if (name.size() < 2 || name.size() > kMaxChannelNameLength || name.front() != '#') {
        return false;
    }
    for (char c : name.substr(1)) {
        if (!IsVisible(c) || c == ',' || c == ';') {
            return false;
        }
    }
    return true;
}

bool IsValidEmail(std::string_view address) {
    if (address.empty() || address.size() > kMaxEmailLength) {
        return false;
    }
    for (char c : address) {
        if (!IsVisible(c) || c == ',' || c == ';') {
            return false;
        }
    }
    const std::size_t at = address.find('@');
    if (at == 0 || at == std::string_view::npos ||
        address.find('@', at + 1) != std::string_view::npos) {
        return false;
    }
    const std::string_view domain = address.substr(at + 1);
    const std::size_t dot = domain.find('.');
    return dot != std::string_view::npos && dot != 0 && domain.back() != '.' &&
           domain.find("..") == std::string_view::npos;
}

bool IsBroadcastName(std::string_view name) {
    return quor::SameNameIgnoringCase(name, kBroadcastName);
}

} // namespace quord
