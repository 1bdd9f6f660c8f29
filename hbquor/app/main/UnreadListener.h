// SPDX-License-Identifier: MIT
// UnreadListener: how the windows show the lines not read yet. A
// conversation or channel window that is not active shows its count before
// its title and reads its lines when activated; the contacts and channels
// panes show the names with unread lines in bold.
#pragma once

#include <QString>

class QObject;
class QTreeWidget;
class TQuorTalkWindow;
class TalkWindowRegistry;

namespace hbquor::client {
class UnreadCounts;
}

namespace hbquor::main {

/// Counts no line of an active window, and keeps the open windows' titles
/// up to date.
void ShowUnreadInTalkWindows(client::UnreadCounts &counts, TalkWindowRegistry &windows,
                             QObject *context);
/// The window just opened under name: shows its count now and reads it when
/// activated.
void FollowUnread(client::UnreadCounts &counts, TQuorTalkWindow &window, const QString &name);
/// Shows the items of pane whose caption has unread lines in bold, now and
/// whenever the counts or the pane's items change.
void MarkUnreadInBold(QTreeWidget *pane, const client::UnreadCounts &counts);

} // namespace hbquor::main
