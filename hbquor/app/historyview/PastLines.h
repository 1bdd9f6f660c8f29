// SPDX-License-Identifier: MIT
// PastLines: the past of a conversation or channel window from the history.
// The window opens with the last lines said with that peer or in that
// channel, from earlier runs and this one, with a thin "earlier" line
// between them and what is said from then on; scrolling its pane to the top
// loads the page before, keeping the lines in view where they were.
//
// Shown are the lines a talk window shows as they are said: texts to and
// from the peer and the channel's texts; offline texts, invitations,
// broadcasts, logons and logoffs stay in the log.
#pragma once

#include "HistoryTypes.h"

#include <QObject>
#include <QString>

#include <functional>

class TQuorTalkWindow;

namespace hbquor::history {
class HistoryStore;
}

namespace hbquor::historyview {

class PastLines : public QObject {
    Q_OBJECT

public:
    /// How a line of the history reads in the pane.
    using LineForm = std::function<QString(const history::Line &line)>;

    /// The text of the line between the past and the present.
    static QString EarlierMark();

    /// Shows the past in window at once; a child of the window. The store
    /// must outlive the window.
    PastLines(TQuorTalkWindow &window, history::HistoryStore &store, history::Account account,
              QString peer, LineForm form);

    /// Puts the page before the oldest line shown at the top of the pane;
    /// false when there is none.
    bool LoadOlder();
    /// Loads pages until the line with that id is in the pane and selects
    /// it there; false when the pane does not hold it.
    bool ShowLine(qint64 id);
    /// Whether older lines may still be loaded: the pane's first line is
    /// not the conversation's first (the pane's line rule may have cut the
    /// oldest it showed).
    bool HasOlder() const;

private:
    /// The page of lines before beforeId (0: the newest) a window shows,
    /// oldest first; remembers the conversation's first line once reached.
    QList<history::Line> Page(qint64 beforeId);
    /// The pane reached its top.
    void ScrolledTo(int value);
    /// The history's id of the pane's first line; 0 for a line said since.
    qint64 OldestShown() const;

    TQuorTalkWindow &FWindow;
    history::HistoryStore &FStore;
    history::Account FAccount;
    QString FPeer;
    LineForm FForm;
    /// The conversation's first line once a page reached it, else 0.
    qint64 FFirstId = 0;
};

} // namespace hbquor::historyview
