// TQuorMainEvents: the main window's handlers of the session manager's
// events: the line each writes to the log, and what else it does (the
// window's looks, contact icons, the conversation and channel windows,
// message boxes). The account events go to the account event router.
// Message boxes are queued, never shown inside a library callback.
#pragma once

#include <cstdint>
#include <string>

class EventLines;
class QString;
class TFormQuorMain;

namespace hbquor {
class ThbQuorCentral;
class ThbQuorUnit;
enum class QuorUserStatus : std::uint8_t;
} // namespace hbquor

class TQuorMainEvents {
public:
    /// Attaches one handler to each of the window events of central, in
    /// the order of its event table; window, central and lines must
    /// outlive the handlers' use.
    TQuorMainEvents(TFormQuorMain &window, hbquor::ThbQuorCentral &central, EventLines &lines);

    /// Channels counted in the listing now arriving.
    int ChannelCount() const { return FChannelCount; }
    /// Counts anew: a channel listing is about to be asked for.
    void StartChannelListing() { FChannelCount = 0; }

private:
    using Unit = hbquor::ThbQuorUnit;

    void CentralContactListEntry(Unit *sender, const std::string &name);
    void CentralChannelJoined(Unit *sender, const std::string &channel, const std::string &user);
    void CentralChannelLeft(Unit *sender, const std::string &channel, const std::string &user);
    void CentralChannelError(Unit *sender, const std::string &channel, const std::string &errText,
                             int code);
    void CentralChannelText(Unit *sender, const std::string &channel, const std::string &from,
                            const std::string &text);
    void CentralContactStatus(Unit *sender, const std::string &name, hbquor::QuorUserStatus status);
    void CentralOfflineText(Unit *sender, const std::string &from, const std::string &text,
                            double sentTime);
    void CentralDisconnected(Unit *sender);
    void CentralUserStatus(Unit *sender, const std::string &name, hbquor::QuorUserStatus status);
    void CentralConnected(Unit *sender);
    void CentralLoginFailed(Unit *sender, const std::string &errText, int code);
    void CentralPingReply(Unit *sender, const std::string &name, int seconds);
    void CentralTextFailed(Unit *sender, const std::string &errText, int code,
                           const std::string &target);
    void CentralText(Unit *sender, const std::string &from, const std::string &text);
    void CentralWelcome(Unit *sender, const std::string &message);
    void CentralBroadcast(Unit *sender, const std::string &from, const std::string &message);
    void CentralInviteResult(Unit *sender, const std::string &errText, int code,
                             const std::string &name);
    void CentralChannelInfo(Unit *sender, const std::string &channel, std::uint8_t type,
                            const std::string &text2, const std::string &text3);
    void CentralInvitation(Unit *sender, const std::string &from, const std::string &channel);
    void CentralChannelListEntry(Unit *sender, const std::string &channel, std::uint8_t type,
                                 int userCount);
    void CentralError(Unit *sender, const std::string &where, const std::string &what, int code,
                      const std::string &errText);
    void CentralConnecting(Unit *sender);

    /// The account named in event lines: the session's name on the server.
    static QString Account(const Unit *sender);

    TFormQuorMain &FWindow;
    hbquor::ThbQuorCentral &FCentral;
    EventLines &FLines;
    int FChannelCount = 0;
};
