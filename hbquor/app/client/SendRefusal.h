// SPDX-License-Identifier: MIT
// SendRefusal: why a line the user typed and sent with Enter did not go
// out, worded as one line for the log pane. The text stays in its input.
#pragma once

#include <QString>

namespace hbquor::client {

enum class SendRefusal {
    NotLoggedOn,    ///< no connected session
    NoRecipient,    ///< the target input is empty
    OwnName,        ///< the target is the user
    ChannelNotOpen, ///< a channel without an open channel window
    AloneInChannel, ///< nobody else is in the channel
};

/// The line for a text to target that was not sent for reason.
QString SendRefusalText(SendRefusal reason, const QString &target);

} // namespace hbquor::client
