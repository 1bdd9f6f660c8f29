// SPDX-License-Identifier: MIT
#include "UnreadCounts.h"

#include "NameText.h"

namespace hbquor::client {

void UnreadCounts::Received(const QString &name, Kind kind) {
    if (FIsActive && FIsActive(name))
        return;
    Entry &entry = FEntries[FoldedNameText(name)];
    entry.Name = name;
    entry.Of = kind;
    ++entry.Count;
    emit CountChanged(name, entry.Count);
    if (kind == Kind::Private) {
        ++FPrivateTotal;
        emit UnreadChanged();
    }
}

void UnreadCounts::Read(const QString &name) {
    const auto found = FEntries.constFind(FoldedNameText(name));
    if (found == FEntries.constEnd())
        return;
    const Entry entry = *found;
    FEntries.erase(found);
    emit CountChanged(entry.Name, 0);
    if (entry.Of == Kind::Private) {
        FPrivateTotal -= entry.Count;
        emit UnreadChanged();
    }
}

int UnreadCounts::Count(const QString &name) const {
    return FEntries.value(FoldedNameText(name)).Count;
}

} // namespace hbquor::client
