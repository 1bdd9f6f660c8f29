// ThbQuorUnit: the contact list and keeping the library's copy of it
// current.
#include "hbQuorNames.h"
#include "hbQuorUnit.h"

namespace hbquor {

namespace {

const std::string kWhereUpdateContacts = "ThbQuorUnit.UpdateContacts";
const std::string kWhatUpdateContacts = "QuorUpdateContacts";

} // namespace

ThbQuorContact *ThbQuorUnit::FindContact(std::string_view name) {
    std::string wanted = TrimName(name);
    if (wanted.empty())
        return nullptr;
    return WalkOwnedList(
        FContacts, [](ThbQuorContact &c, int position) { c.ListPosition = position; },
        [&](const ThbQuorContact &c) { return SameName(c.Name, wanted); });
}

void ThbQuorUnit::RemoveContact(const ThbQuorContact *contact) {
    EraseOwnedEntry(FContacts, contact, contact->ListPosition);
}

void ThbQuorUnit::MarkContactsPending() {
    if (!IsIdle())
        return;
    for (auto &entry : FContacts)
        entry.second->Status = QuorUserStatus::Pending;
    if (!FContacts.empty())
        FContactsDirty = true;
}

int ThbQuorUnit::AddContact(std::string_view name, bool sendNow) {
    std::string contactName = TrimName(name);
    if (contactName.empty())
        return kResultBadRequest;
    if (ThbQuorContact *existing = FindContact(contactName)) {
        existing->Name = contactName;
        return 0;
    }
    FContacts.emplace_back(contactName, std::make_unique<ThbQuorContact>(contactName));
    ThbQuorContact *entry = FContacts.back().second.get();
    if (!IsConnected()) {
        FContactsDirty = true;
        return 0;
    }

    const std::string where = "ThbQuorUnit.AddContact " + contactName;
    const std::string whatAdd = "QuorAddContact " + contactName;
    auto added =
        CallLibrary(where, whatAdd, [&] { return quor_addcontact(FHandle, contactName.c_str()); });
    if (!added)
        return kResultBadRequest;
    if (*added != 0) {
        entry->Status = QuorUserStatus::NotRegistered;
        return ReportLastError(where, whatAdd);
    }
    if (!sendNow)
        return 0;
    entry->Status = QuorUserStatus::HandedToLibrary;
    auto updated =
        CallLibrary(where, kWhatUpdateContacts, [this] { return quor_updatecontacts(FHandle); });
    if (!updated)
        return kResultBadRequest;
    if (*updated != 0)
        return ReportLastError(where, kWhatUpdateContacts);
    return 0;
}

int ThbQuorUnit::AddContacts(const std::vector<std::string> &names) {
    int added = 0;
    for (const std::string &name : names) {
        if (AddContact(name, false) == 0)
            ++added;
    }
    if (added == 0)
        return 0;
    if (IsConnected() && !FContactsDirty)
        SendHandedOverContacts();
    else
        UpdateContacts();
    return added;
}

void ThbQuorUnit::SendHandedOverContacts() {
    auto sent = CallLibrary(kWhereUpdateContacts, kWhatUpdateContacts,
                            [this] { return quor_updatecontacts(FHandle); });
    if (!sent)
        return;
    if (*sent != 0) {
        ReportLastError(kWhereUpdateContacts, kWhatUpdateContacts);
        return;
    }
    for (auto &entry : FContacts) {
        if (entry.second->Status == QuorUserStatus::Pending)
            entry.second->Status = QuorUserStatus::HandedToLibrary;
    }
}

int ThbQuorUnit::DelContact(std::string_view name) {
    std::string contactName = TrimName(name);
    ThbQuorContact *entry = FindContact(contactName);
    if (!entry)
        return kResultBadRequest;

    int result = 0;
    if (IsConnected()) {
        const std::string where = "ThbQuorUnit.DelContact " + contactName;
        const std::string whatDel = "QuorDelContact " + contactName;
        auto deleted = CallLibrary(where, whatDel,
                                   [&] { return quor_delcontact(FHandle, entry->Name.c_str()); });
        if (!deleted)
            return kResultBadRequest;
        if (*deleted != 0) {
            result = ReportLastError(where, whatDel);
        } else {
            auto updated = CallLibrary(where, kWhatUpdateContacts,
                                       [this] { return quor_updatecontacts(FHandle); });
            if (!updated)
                return kResultBadRequest;
            if (*updated != 0)
                result = ReportLastError(where, kWhatUpdateContacts);
        }
        // A report handler may have changed the list; look the entry up again.
        entry = FindContact(contactName);
    } else {
        FContactsDirty = true;
    }
    if (entry)
        RemoveContact(entry);
    return result;
}

void ThbQuorUnit::DelAllContacts() {
    int deleted = 0;
    while (!FContacts.empty()) {
        std::size_t before = FContacts.size();
        std::string firstName = FContacts.front().second->Name;
        if (DelContact(firstName) == 0)
            ++deleted;
        if (FContacts.size() == before)
            break;
    }
    if (deleted > 0)
        UpdateContacts();
}

void ThbQuorUnit::UpdateContacts() {
    if (!IsConnected() || !FContactsDirty)
        return;
    bool sent = false;
    // Indexes, not iterators: a report handler may change the list.
    for (std::size_t i = 0; i < FContacts.size(); ++i) {
        ThbQuorContact *entry = FContacts[i].second.get();
        if (entry->Status == QuorUserStatus::Pending) {
            const std::string name = entry->Name;
            const std::string whatAdd = "QuorAddContact " + name;
            auto added = CallLibrary(kWhereUpdateContacts, whatAdd,
                                     [&] { return quor_addcontact(FHandle, name.c_str()); });
            if (!added)
                return;
            if (*added == 0) {
                entry->Status = QuorUserStatus::HandedToLibrary;
                sent = true;
            } else {
                entry->Status = QuorUserStatus::NotRegistered;
                ReportLastError(kWhereUpdateContacts, whatAdd);
            }
        }
        // Once one name went to the library, the whole list is sent again
        // after every later entry, so the server always holds the list as
        // far as it has been handed over.
        if (sent) {
            auto updated = CallLibrary(kWhereUpdateContacts, kWhatUpdateContacts,
                                       [this] { return quor_updatecontacts(FHandle); });
            if (!updated)
                return;
            if (*updated != 0)
                ReportLastError(kWhereUpdateContacts, kWhatUpdateContacts);
        }
        if (!IsConnected())
            return;
    }
    FContactsDirty = false;
}

} // namespace hbquor
