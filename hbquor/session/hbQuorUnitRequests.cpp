// SPDX-License-Identifier: MIT
// ThbQuorUnit: texts, user queries, channels and the profile requests.
#include "hbQuorText.h"
#include "hbQuorUnit.h"
#include "quor_names/names.h"

namespace hbquor {

int ThbQuorUnit::SendText(std::string_view recipient, std::string_view text) {
    int result = kResultBadRequest;
    if (!IsConnected())
        return result;
    const std::string to(recipient);
    const std::string where = "ThbQuorUnit.SendText";
    const std::string what = "QuorSendText" + FName + " to " + to;
    std::string rest = FlattenControlCharacters(text);
    while (!rest.empty()) {
        const std::string piece = SplitChunk(rest, kMaxTextPiece, kTextSeparators);
        result = CallReportingLastError(
            where, what, [&] { return quor_sendtext(FHandle, to.c_str(), piece.c_str()); });
        if (result != 0)
            return result;
    }
    return result;
}

int ThbQuorUnit::AskAboutUser(const std::string &where, const std::string &callName,
                              const std::string &user, int (*request)(QUORHANDLE, const char *)) {
    const std::string what = callName + FName + " to " + user;
    auto result = CallLibrary(where, what, [&] { return request(FHandle, user.c_str()); });
    if (!result)
        return kResultBadRequest;
    if (*result != 0)
        Report(where, what, *result);
    return *result;
}

int ThbQuorUnit::PingUser(std::string_view name) {
    const std::string user(quor::TrimName(name));
    if (user.empty())
        return kResultBadRequest;
    // Without a handle the library refuses the call, and that is reported.
    return AskAboutUser("ThbQuorUnit.PingUser", "QuorPingUser", user, &quor_pinguser);
}

int ThbQuorUnit::IsOnline(std::string_view name) {
    if (!FHandle)
        return kResultNoHandle;
    const std::string user(quor::TrimName(name));
    if (user.empty())
        return kResultBadRequest;
    return AskAboutUser("ThbQuorUnit.IsOnline", "QuorIsOnline", user, &quor_isonline);
}

ThbQuorChannel *ThbQuorUnit::FindChannel(std::string_view name) {
    std::string wanted(quor::TrimName(name));
    if (!quor::IsChannelName(wanted))
        return nullptr;
    return FindNamedEntry(FChannels, wanted, quor::SameNameIgnoringCase);
}

void ThbQuorUnit::RemoveChannelEntry(const ThbQuorChannel *channel) {
    EraseOwnedEntry(FChannels, channel, channel->ListPosition);
}

bool ThbQuorUnit::RemoveChannel(std::string_view name) {
    ThbQuorChannel *entry = FindChannel(name);
    if (!entry)
        return false;
    RemoveChannelEntry(entry);
    return true;
}

bool ThbQuorUnit::ChannelRequestAllowed(std::string_view channel, std::string &name,
                                        ThbQuorChannel *&entry) {
    name = std::string(quor::TrimName(channel));
    if (!quor::IsChannelName(name))
        return false;
    entry = FindChannel(name);
    if (IsConnected())
        return true;
    if (entry)
        RemoveChannelEntry(entry);
    return false;
}

int ThbQuorUnit::JoinChannel(std::string_view channel, int type, std::string_view password) {
    const std::string channelPassword = type == kChannelPassworded ? std::string(password) : "";
    std::string name;
    ThbQuorChannel *entry = nullptr;
    if (!ChannelRequestAllowed(channel, name, entry))
        return kResultBadRequest;
    if (!entry) {
        FChannels.emplace_back(name, std::make_unique<ThbQuorChannel>(name));
        entry = FChannels.back().second.get();
    }
    if (entry->Joined)
        return 0;

    const std::string entryName = entry->Name;
    const int inviteOnly = type == kChannelInviteOnly ? 1 : 0;
    int result = CallReportingLastError(
        "ThbQuorUnit.JoinChannel " + name, "QuorJoinChannel " + name,
        [&] {
            return quor_joinchannel(FHandle, entryName.c_str(), inviteOnly,
                                    channelPassword.c_str());
        },
        [&] { RemoveChannelEntry(entry); });
    if (result == 0)
        entry->Joined = true;
    return result;
}

int ThbQuorUnit::LeaveChannel(std::string_view channel) {
    std::string name;
    ThbQuorChannel *entry = nullptr;
    if (!ChannelRequestAllowed(channel, name, entry))
        return kResultBadRequest;
    if (!entry)
        return kResultBadRequest;

    const bool joined = entry->Joined;
    const std::string entryName = entry->Name;
    // The entry goes whatever the library answers; it is removed before any
    // report so a report handler never sees it half left.
    RemoveChannelEntry(entry);
    if (!joined)
        return 0;
    return CallReportingLastError("ThbQuorUnit.LeaveChannel " + name, "QuorLeaveChannel " + name,
                                  [&] { return quor_leavechannel(FHandle, entryName.c_str()); });
}

int ThbQuorUnit::InviteUser(std::string_view channel, std::string_view user) {
    if (!FHandle)
        return kResultNoHandle;
    const std::string name(quor::TrimName(channel));
    if (!quor::IsChannelName(name))
        return kResultBadRequest;
    return quor_inviteuser(FHandle, name.c_str(), std::string(user).c_str());
}

int ThbQuorUnit::RequestUserProfile(std::string_view name) {
    if (!FHandle)
        return kResultNoHandle;
    return quor_requserprofile(FHandle, std::string(name).c_str());
}

int ThbQuorUnit::ModifyUserProfile(std::string_view name, std::string_view password,
                                   std::string_view email, int userType, int disabled) {
    if (!FHandle)
        return kResultNoHandle;
    return quor_modifyuserprofile(FHandle, std::string(name).c_str(), std::string(password).c_str(),
                                  std::string(email).c_str(), userType, disabled);
}

int ThbQuorUnit::ChangeEmail(std::string_view email) {
    if (!FHandle)
        return kResultNoHandle;
    return quor_changeemail(FHandle, std::string(email).c_str());
}

int ThbQuorUnit::RequestChannelList() {
    if (!FHandle)
        return kResultNoHandle;
    return quor_reqchannellist(FHandle);
}

} // namespace hbquor
