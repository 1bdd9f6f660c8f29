// SPDX-License-Identifier: MIT
#include "ContactListModel.h"

#include "NameText.h"
#include "SavedContacts.h"

#include "hbQuorUnit.h"

#include <algorithm>

ContactListModel::Image ContactListModel::StateImage(hbquor::QuorUserStatus status) {
    switch (status) {
    case hbquor::QuorUserStatus::Offline:
        return Blank;
    case hbquor::QuorUserStatus::OnlineUser:
        return Tick;
    case hbquor::QuorUserStatus::OnlineAdmin:
        return DoubleTick;
    default:
        return Cross;
    }
}

void ContactListModel::SetOnNamesChanged(std::function<void()> handler) {
    FOnNamesChanged = std::move(handler);
}

void ContactListModel::SetOnStatesChanged(std::function<void()> handler) {
    FOnStatesChanged = std::move(handler);
}

void ContactListModel::Load(const QString &fileName) {
    FContacts.clear();
    for (const QString &name : ReadSavedContacts(fileName))
        FContacts.append({name, Blank});
    std::stable_sort(FContacts.begin(), FContacts.end(), [](const Contact &a, const Contact &b) {
        return hbquor::NameSortsBefore(a.Name, b.Name);
    });
    // A file that is missing, unsorted, padded or in another form is
    // written at the next save even when the user changes nothing.
    FDirty = !SavedContactsFileHolds(fileName, Names());
    NamesChanged();
}

bool ContactListModel::Save(const QString &fileName) {
    if (FDirty && WriteSavedContacts(fileName, Names()))
        FDirty = false;
    return !FDirty;
}

QStringList ContactListModel::Names() const {
    QStringList names;
    for (const Contact &contact : FContacts)
        names << contact.Name;
    return names;
}

int ContactListModel::Find(const QString &name) const {
    for (qsizetype i = 0; i < FContacts.size(); ++i)
        if (hbquor::SameNameIgnoringCase(FContacts[i].Name, name))
            return static_cast<int>(i);
    return -1;
}

bool ContactListModel::Add(const QString &name) {
    if (Find(name) >= 0)
        return false;
    const auto place = std::upper_bound(FContacts.begin(), FContacts.end(), name,
                                        [](const QString &added, const Contact &c) {
                                            return hbquor::NameSortsBefore(added, c.Name);
                                        });
    FContacts.insert(place, {name, Blank});
    FDirty = true;
    NamesChanged();
    return true;
}

bool ContactListModel::Remove(const QString &name) {
    const int row = Find(name);
    if (row < 0)
        return false;
    FContacts.removeAt(row);
    FDirty = true;
    NamesChanged();
    return true;
}

void ContactListModel::SetState(const QString &name, hbquor::QuorUserStatus status) {
    const Image image = StateImage(status);
    for (Contact &contact : FContacts)
        if (hbquor::SameNameIgnoringCase(contact.Name, name))
            contact.State = image;
    if (FOnStatesChanged)
        FOnStatesChanged();
}

void ContactListModel::ClearStates() {
    for (Contact &contact : FContacts)
        contact.State = Blank;
    if (FOnStatesChanged)
        FOnStatesChanged();
}

void ContactListModel::NamesChanged() {
    if (FOnNamesChanged)
        FOnNamesChanged();
}
