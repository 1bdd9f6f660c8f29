// SPDX-License-Identifier: MIT
#include "list_parts.h"

#include "callbacks.h"
#include "library.h"

#include "quor_wire/protocol_ids.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace quor {

namespace {

using namespace wire;

void FlushMemberList(QuorSession &session, const std::vector<std::string> &items) {
    if (CallbackAt(QUOR_CB_CHANNELJOIN) == nullptr || items.empty()) {
        return;
    }
    const std::string &channel = items.front();
    for (std::size_t i = 1; i < items.size() && !session.destroyed(); ++i) {
        RaiseCallback<QUOR_CB_CHANNELJOIN_FN>(QUOR_CB_CHANNELJOIN, HandleOf(session),
                                              channel.c_str(), items[i].c_str());
    }
}

void FlushNameList(QuorSession &session, const std::vector<std::string> &items) {
    if (CallbackAt(QUOR_CB_CONTACTLIST) == nullptr) {
        return;
    }
    for (const std::string &item : items) {
        if (session.destroyed()) {
            return;
        }
        RaiseCallback<QUOR_CB_CONTACTLIST_FN>(QUOR_CB_CONTACTLIST, HandleOf(session), item.c_str());
    }
    if (!session.destroyed()) {
        RaiseCallback<QUOR_CB_CONTACTLIST_FN>(QUOR_CB_CONTACTLIST, HandleOf(session), nullptr);
    }
}

int DecimalPrefix(const std::string &text) {
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

// Items are "name,type,users"; items without both commas are skipped.
void FlushChannelList(QuorSession &session, const std::vector<std::string> &items) {
    if (CallbackAt(QUOR_CB_CHANNELLIST) == nullptr) {
        return;
    }
    for (const std::string &item : items) {
        if (session.destroyed()) {
            return;
        }
        const std::size_t first = item.find(',');
        const std::size_t second = first == std::string::npos ? first : item.find(',', first + 1);
        if (second == std::string::npos) {
            continue;
        }
        const std::string name = item.substr(0, first);
        const int type =
            static_cast<std::uint8_t>(DecimalPrefix(item.substr(first + 1, second - first - 1)));
        const int users = DecimalPrefix(item.substr(second + 1));
        RaiseCallback<QUOR_CB_CHANNELLIST_FN>(QUOR_CB_CHANNELLIST, HandleOf(session), name.c_str(),
                                              type, users);
    }
    if (!session.destroyed()) {
        RaiseCallback<QUOR_CB_CHANNELLIST_FN>(QUOR_CB_CHANNELLIST, HandleOf(session), nullptr, 0,
                                              0);
    }
}

} // namespace

void OnListPart(QuorSession &session, const QuorMessage &part) {
    const std::uint8_t flags = ListFlags(part);
    if ((flags & kListFirst) != 0) {
        session.listParts.clear();
    } else if (session.listParts.size() >= kMaxListParts) {
        // A list that never ends must not exhaust memory: drop it whole.
        session.listParts.clear();
        return;
    }
    session.listParts.push_back(part);
    if ((flags & kListLast) == 0) {
        return;
    }
    std::vector<std::string> items;
    for (const QuorMessage &p : session.listParts) {
        for (std::string &item : ListItems(p)) {
            items.push_back(std::move(item));
        }
    }
    session.listParts.clear();
    switch (part.id()) {
    case kMemberList:
        FlushMemberList(session, items);
        break;
    case kUnregisteredNames:
        FlushNameList(session, items);
        break;
    default:
        FlushChannelList(session, items);
        break;
    }
}

} // namespace quor
