// SPDX-License-Identifier: MIT
// Every record id of the chat protocol in both directions, and the error
// ids of the server's error replies (error id as record id, fields `ds`:
// request id, name concerned). Client and server name ids only through
// these constants.
#pragma once

#include <cstdint>

namespace quor::wire {

// Requests from clients.
inline constexpr std::int32_t kLoginRequest = 1;
inline constexpr std::int32_t kText = 2;
inline constexpr std::int32_t kCreateAccountRequest = 5;
inline constexpr std::int32_t kPasswordRequest = 6;
inline constexpr std::int32_t kChannelListRequest = 301;
inline constexpr std::int32_t kChannelRequest = 302; // join or leave, first field below
inline constexpr std::int32_t kProfileRequest = 305;
inline constexpr std::int32_t kIsOnlineRequest = 307;
inline constexpr std::int32_t kContactsRequest = 310;
inline constexpr std::int32_t kInviteRequest = 317;
inline constexpr std::int32_t kChangeEmailRequest = 318;
inline constexpr std::int32_t kProfile = 403; // a modify request and the profile answer
inline constexpr std::int32_t kPing = 500;
inline constexpr std::int32_t kPingReply = 501;

// Answers and notices from the server.
inline constexpr std::int32_t kOfflineText = 4;
inline constexpr std::int32_t kLoggedOnUser = 200;
inline constexpr std::int32_t kLoggedOnAdministrator = 201;
inline constexpr std::int32_t kProfileChanged = 202;
inline constexpr std::int32_t kUnregisteredNames = 206;
inline constexpr std::int32_t kInviteAccepted = 210;
inline constexpr std::int32_t kAccountCreated = 211;
inline constexpr std::int32_t kPasswordMailed = 212;
inline constexpr std::int32_t kEmailChanged = 213;
inline constexpr std::int32_t kChannelList = 401;
inline constexpr std::int32_t kOnlineStatus = 405;
inline constexpr std::int32_t kMemberList = 407;
inline constexpr std::int32_t kContactStatus = 408;
inline constexpr std::int32_t kWelcome = 600;
inline constexpr std::int32_t kMembershipChange = 602;
inline constexpr std::int32_t kChannelInfo = 605;
inline constexpr std::int32_t kInvitation = 606;

// Error ids.
inline constexpr std::int32_t kErrLoginInvalid = 100;
inline constexpr std::int32_t kErrUserUnavailable = 101;
inline constexpr std::int32_t kErrChannelName = 102;
inline constexpr std::int32_t kErrNoSuchUser = 103;
inline constexpr std::int32_t kErrAccessDenied = 105;
inline constexpr std::int32_t kErrBadName = 106;
inline constexpr std::int32_t kErrAlreadyOnline = 107;
inline constexpr std::int32_t kErrAlreadyJoined = 110;
inline constexpr std::int32_t kErrNotJoined = 112;
inline constexpr std::int32_t kErrApiBuild = 113;
inline constexpr std::int32_t kErrChannelLimit = 114;
inline constexpr std::int32_t kErrInviteOnly = 119;
inline constexpr std::int32_t kErrChannelPassword = 120;
inline constexpr std::int32_t kErrNotOwner = 121;
inline constexpr std::int32_t kErrAlreadyInvited = 122;
inline constexpr std::int32_t kErrNotInviteOnly = 123;
inline constexpr std::int32_t kErrNameLength = 124;
inline constexpr std::int32_t kErrNameRestricted = 125;
inline constexpr std::int32_t kErrRegistrationClosed = 126;
inline constexpr std::int32_t kErrEmailInvalid = 127;
inline constexpr std::int32_t kErrTooManyPerEmail = 128;
inline constexpr std::int32_t kErrNameTaken = 129;
inline constexpr std::int32_t kErrWrongEmail = 130;
inline constexpr std::int32_t kErrIsAdministrator = 131;
inline constexpr std::int32_t kErrPasswordTooRecent = 132;
inline constexpr std::int32_t kErrBadPassword = 133;
inline constexpr std::int32_t kErrAddressBanned = 135;
inline constexpr std::int32_t kErrTooManyRecent = 136;
inline constexpr std::int32_t kErrOfflineQueueFull = 137;

// The first field of a channel request.
inline constexpr std::int32_t kJoinChannel = 0;
inline constexpr std::int32_t kLeaveChannel = 1;

// Error ids are the record ids from 100 to 199.
inline constexpr std::int32_t kFirstErrorId = 100;
inline constexpr std::int32_t kLastErrorId = 199;
inline constexpr bool IsErrorId(std::int32_t id) {
    return id >= kFirstErrorId && id <= kLastErrorId;
}

// The API build a client must log on with.
inline constexpr std::int32_t kApiBuild = 14;

// Online status values of 405 and 408.
inline constexpr std::uint8_t kStatusUnregistered = 0;
inline constexpr std::uint8_t kStatusOnlineUser = 1;
inline constexpr std::uint8_t kStatusOffline = 2;
inline constexpr std::uint8_t kStatusOnlineAdministrator = 3;

// Pseudo-user names used in record name fields.
inline constexpr const char *kServerName = "$server";
inline constexpr const char *kBroadcastName = "<broadcast>";

} // namespace quor::wire
