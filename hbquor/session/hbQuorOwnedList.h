// SPDX-License-Identifier: MIT
// Lists of owned entries in insertion order, keyed by the name they were
// added with. A lookup stores the position of every entry it visits, and
// removal uses the position stored on the entry.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace hbquor {

template <class Entry>
using TOwnedList = std::vector<std::pair<std::string, std::unique_ptr<Entry>>>;

// Walks the list from the first entry, calling storePosition(entry, index)
// for each visited entry before testing it; returns the first entry that
// matches, or null.
template <class Entry, class StorePosition, class Matches>
Entry *WalkOwnedList(TOwnedList<Entry> &list, StorePosition storePosition, Matches matches) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        Entry *entry = list[i].second.get();
        storePosition(*entry, static_cast<int>(i));
        if (matches(*entry))
            return entry;
    }
    return nullptr;
}

// The entry whose public Name equals the (trimmed) wanted name by the given
// comparison, storing visited positions in the entries' ListPosition.
template <class Entry, class SameName>
Entry *FindNamedEntry(TOwnedList<Entry> &list, const std::string &wanted, SameName sameName) {
    return WalkOwnedList(
        list, [](Entry &entry, int position) { entry.ListPosition = position; },
        [&](const Entry &entry) { return sameName(entry.Name, wanted); });
}

// Destroys entry and deletes it from the list. The stored position is
// checked against the entry, so a position gone stale through other
// changes of the list can never delete a different entry.
template <class Entry>
void EraseOwnedEntry(TOwnedList<Entry> &list, const Entry *entry, int storedPosition) {
    auto at = list.end();
    if (storedPosition >= 0 && static_cast<std::size_t>(storedPosition) < list.size() &&
        list[storedPosition].second.get() == entry) {
        at = list.begin() + storedPosition;
    } else {
        for (auto it = list.begin(); it != list.end(); ++it) {
            if (it->second.get() == entry) {
                at = it;
                break;
            }
        }
    }
    if (at != list.end())
        list.erase(at);
}

} // namespace hbquor
