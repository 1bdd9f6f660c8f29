// SPDX-License-Identifier: MIT
// ThbQuorCentral: requests of the windows, forwarded to the session of the
// user name they name.
#include "hbQuorCentral.h"
#include "quor_names/names.h"

namespace hbquor {

bool ThbQuorCentral::AddContact(std::string_view session, std::string_view contact) {
    ThbQuorUnit *unit = FindByName(session);
    return unit && unit->AddContact(contact, true) == 0;
}

int ThbQuorCentral::AddContacts(std::string_view session, const std::vector<std::string> &names) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->AddContacts(names) : 0;
}

bool ThbQuorCentral::DelContact(std::string_view session, std::string_view contact) {
    ThbQuorUnit *unit = FindByName(session);
    return unit && unit->DelContact(contact) == 0;
}

void ThbQuorCentral::DelAllContacts(std::string_view session) {
    if (ThbQuorUnit *unit = FindByName(session))
        unit->DelAllContacts();
}

int ThbQuorCentral::SendText(std::string_view session, std::string_view recipient,
                             std::string_view text) {
    const std::string from(quor::TrimName(session));
    const std::string to(quor::TrimName(recipient));
    if (to.empty() || quor::SameNameIgnoringCase(from, to))
        return kResultBadRequest;
    ThbQuorUnit *unit = FindByName(from);
    if (!unit || !unit->IsConnected())
        return kResultBadRequest;
    return unit->SendText(to, text);
}

int ThbQuorCentral::PingUser(std::string_view session, std::string_view user) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->PingUser(user) : kResultBadRequest;
}

int ThbQuorCentral::JoinChannel(std::string_view session, std::string_view channel, int type,
                                std::string_view password) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->JoinChannel(channel, type, password) : kResultBadRequest;
}

int ThbQuorCentral::LeaveChannel(std::string_view session, std::string_view channel) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->LeaveChannel(channel) : kResultBadRequest;
}

int ThbQuorCentral::IsOnline(std::string_view session, std::string_view user) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->IsOnline(user) : kResultBadRequest;
}

int ThbQuorCentral::InviteUser(std::string_view session, std::string_view channel,
                               std::string_view user) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->InviteUser(channel, user) : kResultBadRequest;
}

int ThbQuorCentral::RequestUserProfile(std::string_view session, std::string_view user) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->RequestUserProfile(user) : kResultBadRequest;
}

int ThbQuorCentral::ModifyUserProfile(std::string_view session, std::string_view user,
                                      std::string_view password, std::string_view email,
                                      int userType, int disabled) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->ModifyUserProfile(user, password, email, userType, disabled)
                : kResultBadRequest;
}

int ThbQuorCentral::ChangeEmail(std::string_view session, std::string_view email) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->ChangeEmail(email) : kResultBadRequest;
}

int ThbQuorCentral::RequestChannelList(std::string_view session) {
    ThbQuorUnit *unit = FindByName(session);
    return unit ? unit->RequestChannelList() : kResultBadRequest;
}

} // namespace hbquor
