// ThbQuorUnit: texts, user queries, channels and the profile requests.
#include "hbQuorNames.h"
#include "hbQuorText.h"
#include "hbQuorUnit.h"

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
        auto sent = CallLibrary(where, what,
                                [&] { return quor_sendtext(FHandle, to.c_str(), piece.c_str()); });
        if (!sent)
            return kResultBadRequest;
        result = *sent;
        if (result != 0)
            return ReportLastError(where, what);
    }
    return result;
}

int ThbQuorUnit::PingUser(std::string_view name) {
    const std::string user = TrimName(name);
    if (user.empty())
        return kResultBadRequest;
    const std::string where = "ThbQuorUnit.PingUser";
    const std::string what = "QuorPingUser" + FName + " to " + user;
    // Without a handle the library refuses the call, and that is reported.
    auto pinged = CallLibrary(where, what, [&] { return quor_pinguser(FHandle, user.c_str()); });
    if (!pinged)
        return kResultBadRequest;
    if (*pinged != 0)
        Report(where, what, *pinged);
    return *pinged;
}

int ThbQuorUnit::IsOnline(std::string_view name) {
    if (!FHandle)
        return kResultNoHandle;
    const std::string user = TrimName(name);
    if (user.empty())
        return kResultBadRequest;
    const std::string where = "ThbQuorUnit.IsOnline";
    const std::string what = "QuorIsOnline" + FName + " to " + user;
    auto asked = CallLibrary(where, what, [&] { return quor_isonline(FHandle, user.c_str()); });
    if (!asked)
        return kResultBadRequest;
    if (*asked != 0)
        Report(where, what, *asked);
    return *asked;
}

ThbQuorChannel *ThbQuorUnit::FindChannel(std::string_view name) {
    std::string wanted = TrimName(name);
    if (!IsChannelName(wanted))
        return nullptr;
    return WalkOwnedList(
        FChannels, [](ThbQuorChannel &c, int position) { c.ListPosition = position; },
        [&](const ThbQuorChannel &c) { return SameName(c.Name, wanted); });
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

int ThbQuorUnit::JoinChannel(std::string_view channel, int type, std::string_view password) {
    const std::string name = TrimName(channel);
    const std::string channelPassword = type == kChannelPassworded ? std::string(password) : "";
    if (!IsChannelName(name))
        return kResultBadRequest;
    ThbQuorChannel *entry = FindChannel(name);
    if (!IsConnected()) {
        if (entry)
            RemoveChannelEntry(entry);
        return kResultBadRequest;
    }
    if (!entry) {
        FChannels.emplace_back(name, std::make_unique<ThbQuorChannel>(name));
        entry = FChannels.back().second.get();
    }
    if (entry->Joined)
        return 0;

    const std::string where = "ThbQuorUnit.JoinChannel " + name;
    const std::string what = "QuorJoinChannel " + name;
    const std::string entryName = entry->Name;
    const int inviteOnly = type == kChannelInviteOnly ? 1 : 0;
    auto joined = CallLibrary(
        where, what,
        [&] {
            return quor_joinchannel(FHandle, entryName.c_str(), inviteOnly,
                                    channelPassword.c_str());
        },
        [&] { RemoveChannelEntry(entry); });
    if (!joined)
        return kResultBadRequest;
    if (*joined == 0) {
        entry->Joined = true;
        return 0;
    }
    RemoveChannelEntry(entry);
    return ReportLastError(where, what);
}

int ThbQuorUnit::LeaveChannel(std::string_view channel) {
    const std::string name = TrimName(channel);
    if (!IsChannelName(name))
        return kResultBadRequest;
    ThbQuorChannel *entry = FindChannel(name);
    if (!IsConnected()) {
        if (entry)
            RemoveChannelEntry(entry);
        return kResultBadRequest;
    }
    if (!entry)
        return kResultBadRequest;

    const bool joined = entry->Joined;
    const std::string entryName = entry->Name;
    // The entry goes whatever the library answers; it is removed before any
    // report so a report handler never sees it half left.
    RemoveChannelEntry(entry);
    if (!joined)
        return 0;
    const std::string where = "ThbQuorUnit.LeaveChannel " + name;
    const std::string what = "QuorLeaveChannel " + name;
    auto left =
        CallLibrary(where, what, [&] { return quor_leavechannel(FHandle, entryName.c_str()); });
    if (!left)
        return kResultBadRequest;
    if (*left != 0)
        return ReportLastError(where, what);
    return 0;
}

int ThbQuorUnit::InviteUser(std::string_view channel, std::string_view user) {
    if (!FHandle)
        return kResultNoHandle;
    const std::string name = TrimName(channel);
    if (!IsChannelName(name))
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
