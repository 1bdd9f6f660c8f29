// SPDX-License-Identifier: MIT
// ThbQuorUnit: the contact list and keeping the library's copy of it
// current.
#include "hbQuorUnit.h"
#include "quor_names/names.h"

namespace hbquor {

namespace {

const std::string kWhereUpdateContacts = "ThbQuorUnit.UpdateContacts";
const std::string kWhatUpdateContacts = "QuorUpdateContacts";

} // namespace

ThbQuorContact *ThbQuorUnit::FindContact(std::string_view name) {
    std::string wanted(quor::TrimName(name));
    if (wanted.empty())
        return nullptr;
    return FindNamedEntry(FContacts, wanted, quor::SameNameIgnoringCase);
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
    std::string contactName(quor::TrimName(name));
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
    int result = CallReportingLastError(
        where, "QuorAddContact " + contactName,
        [&] { return quor_addcontact(FHandle, contactName.c_str()); },
        [entry] { entry->Status = QuorUserStatus::NotRegistered; });
    if (result != 0 || !sendNow)
        return result;
    entry->Status = QuorUserStatus::HandedToLibrary;
    return CallReportingLastError(where, kWhatUpdateContacts,
                                  [this] { return quor_updatecontacts(FHandle); });
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
    if (CallReportingLastError(kWhereUpdateContacts, kWhatUpdateContacts,
                               [this] { return quor_updatecontacts(FHandle); }) != 0)
        return;
    for (auto &entry : FContacts) {
        if (entry.second->Status == QuorUserStatus::Pending)
            entry.second->Status = QuorUserStatus::HandedToLibrary;
    }
}

int ThbQuorUnit::DelContact(std::string_view name) {
    std::string contactName(quor::TrimName(name));
    ThbQuorContact *entry = FindContact(contactName);
    if (!entry)
        return kResultBadRequest;

    int result = 0;
    if (IsConnected()) {
        const std::string where = "ThbQuorUnit.DelContact " + contactName;
        const std::string entryName = entry->Name;
        result = CallReportingLastError(where, "QuorDelContact " + contactName, [&] {
            return quor_delcontact(FHandle, entryName.c_str());
        });
        if (result == 0)
            result = CallReportingLastError(where, kWhatUpdateContacts,
                                            [this] { return quor_updatecontacts(FHandle); });
        if (result == kResultBadRequest)
            return result; // a fault: the entry stays as it was
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
            int added = CallReportingLastError(
                kWhereUpdateContacts, "QuorAddContact " + name,
                [&] { return quor_addcontact(FHandle, name.c_str()); },
                [entry] { entry->Status = QuorUserStatus::NotRegistered; });
            if (added == kResultBadRequest)
                return;
            if (added == 0) {
                entry->Status = QuorUserStatus::HandedToLibrary;
                sent = true;
            }
        }
        // Once one name went to the library, the whole list is sent again
        // after every later entry, so the server always holds the list as
        // far as it has been handed over.
        if (sent && CallReportingLastError(kWhereUpdateContacts, kWhatUpdateContacts, [this] {
                        return quor_updatecontacts(FHandle);
                    }) == kResultBadRequest)
            return;
        if (!IsConnected())
            return;
    }
    FContactsDirty = false;
}

} // namespace hbquor
