// SPDX-License-Identifier: MIT
// The history a conversation or channel window shows: its past (PastLines)
// and the find bar over it (FindBar).
#pragma once

#include "PastLines.h"

class TQuorTalkWindow;

namespace hbquor::historyview {

class FindBar;

/// Gives window, just opened for the peer or channel name, its past and
/// its find bar; both are children of the window. Returns the find bar.
FindBar *AttachHistory(TQuorTalkWindow &window, history::HistoryStore &store,
                       const history::Account &account, const QString &name,
                       PastLines::LineForm form);

} // namespace hbquor::historyview
