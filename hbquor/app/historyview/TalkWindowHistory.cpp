// SPDX-License-Identifier: MIT
#include "TalkWindowHistory.h"

#include "FindBar.h"

namespace hbquor::historyview {

FindBar *AttachHistory(TQuorTalkWindow &window, history::HistoryStore &store,
                       const history::Account &account, const QString &name,
                       PastLines::LineForm form) {
    auto *past = new PastLines(window, store, account, name, std::move(form));
    return new FindBar(window, past);
}

} // namespace hbquor::historyview
