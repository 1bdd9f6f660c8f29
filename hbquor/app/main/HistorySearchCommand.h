// SPDX-License-Identifier: MIT
// HistorySearchCommand: "Search history ..." of the Communicate menu. It
// shows the search over the logged-on account's history (one dialog at a
// time, beside the windows it opens) and opens a hit's conversation at its
// line: the user's conversation window, or the channel's window when the
// channel is open.
#pragma once

#include "HistoryTypes.h"
#include "TimeText.h"

#include <QPointer>

class QWidget;
class TalkWindowRegistry;

namespace hbquor::historyrecord {
class ProgramHistory;
}
namespace hbquor::historyview {
class SearchDialog;
}

namespace hbquor::main {

class HistorySearchCommand {
public:
    /// All must outlive the command; dialogs are children of parent.
    HistorySearchCommand(QWidget *parent, historyrecord::ProgramHistory &history,
                         TalkWindowRegistry &talkWindows);

    /// Shows the dialog (the open one, if it searches the current account).
    historyview::SearchDialog *Show(const TimeText &times);
    /// Opens the hit's conversation at its line; false when no window shows
    /// it.
    bool OpenHit(const history::Hit &hit);

private:
    QWidget *FParent;
    historyrecord::ProgramHistory &FHistory;
    TalkWindowRegistry &FTalkWindows;
    QPointer<historyview::SearchDialog> FDialog;
    /// The account the open dialog searches.
    QString FDialogUser;
};

} // namespace hbquor::main
