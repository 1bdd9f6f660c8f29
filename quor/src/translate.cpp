// SPDX-License-Identifier: MIT
#include "dispatcher.h"

#include "quor_wire/protocol_ids.h"

namespace quor {

namespace {

using namespace wire;

struct Translation {
    int requestId;
    int errorId;
    int code; // the library's error code
};

constexpr Translation kTranslations[] = {
    {kLoginRequest, kErrLoginInvalid, 3},
    {kLoginRequest, kErrAlreadyOnline, 4},
    {kLoginRequest, kErrApiBuild, 24},

    {kCreateAccountRequest, kErrBadName, 21},
    {kCreateAccountRequest, kErrNameLength, 32},
    {kCreateAccountRequest, kErrNameRestricted, 33},
    {kCreateAccountRequest, kErrRegistrationClosed, 34},
    {kCreateAccountRequest, kErrEmailInvalid, 23},
    {kCreateAccountRequest, kErrTooManyPerEmail, 22},
    {kCreateAccountRequest, kErrNameTaken, 35},
    {kCreateAccountRequest, kErrAddressBanned, 19},
    {kCreateAccountRequest, kErrTooManyRecent, 36},

    {kPasswordRequest, kErrNoSuchUser, 20},
    {kPasswordRequest, kErrWrongEmail, 37},
    {kPasswordRequest, kErrIsAdministrator, 28},
    {kPasswordRequest, kErrPasswordTooRecent, 38},
    {kPasswordRequest, kErrAddressBanned, 19},

    {kChannelRequest, kErrChannelName, 8},
    {kChannelRequest, kErrAccessDenied, 11},
    {kChannelRequest, kErrAlreadyJoined, 9},
    {kChannelRequest, kErrNotJoined, 10},
    {kChannelRequest, kErrChannelLimit, 13},
    {kChannelRequest, kErrInviteOnly, 14},
    {kChannelRequest, kErrChannelPassword, 15},

    {kChangeEmailRequest, kErrEmailInvalid, 23},
    {kChangeEmailRequest, kErrTooManyPerEmail, 22},
    {kChangeEmailRequest, kErrIsAdministrator, 28},

    {kProfileRequest, kErrNoSuchUser, 20},
    {kProfileRequest, kErrAccessDenied, 11},

    {kProfile, kErrAccessDenied, 11},
    {kProfile, kErrBadName, 21},
    {kProfile, kErrEmailInvalid, 23},
    {kProfile, kErrBadPassword, 39},

    {kInviteRequest, kErrNoSuchUser, 20},
    {kInviteRequest, kErrNotOwner, 16},
    {kInviteRequest, kErrAlreadyInvited, 17},
    {kInviteRequest, kErrNotInviteOnly, 18},
};

// Any error reply without a row of its own.
constexpr int kUnknownFailure = 5;

} // namespace

int TranslateError(int requestId, int errorId) {
    for (const Translation &t : kTranslations) {
        if (t.requestId == requestId && t.errorId == errorId) {
            return t.code;
        }
    }
    return kUnknownFailure;
}

int TextDeliveryError(int errorId) {
    switch (errorId) {
    case kErrUserUnavailable:
        return 26;
    case kErrOfflineQueueFull:
        return 27;
    case kErrNotJoined:
        return 10;
    default:
        return 0;
    }
}

} // namespace quor
