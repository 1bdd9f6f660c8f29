// SPDX-License-Identifier: MIT
#include "JoinedChannels.h"

#include "NameText.h"

namespace hbquor::client {

void JoinedChannels::Remember(const JoinedChannel &channel) {
    for (JoinedChannel &known : FChannels)
        if (hbquor::SameNameIgnoringCase(known.Name, channel.Name)) {
            known = channel;
            return;
        }
    FChannels.append(channel);
}

void JoinedChannels::Forget(const QString &name) {
    FChannels.removeIf([&name](const JoinedChannel &known) {
        return hbquor::SameNameIgnoringCase(known.Name, name);
    });
}

} // namespace hbquor::client
