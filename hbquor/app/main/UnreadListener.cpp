// SPDX-License-Identifier: MIT
#include "UnreadListener.h"

#include "ContactItemText.h"
#include "TalkWindowRegistry.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "UnreadCounts.h"

#include <QAbstractItemModel>
#include <QTreeWidget>

namespace hbquor::main {

using client::UnreadCounts;

namespace {

TQuorTalkWindow *WindowOf(const TalkWindowRegistry &windows, const QString &name) {
    if (name.startsWith(QLatin1Char('#')))
        return windows.FindChannelWindow(name);
    return windows.FindChatWindow(name);
}

void ShowBold(QTreeWidget *pane, const UnreadCounts &counts) {
    for (int i = 0; i < pane->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = pane->topLevelItem(i);
        QFont font = item->font(0);
        const bool unread = counts.Count(item->text(0)) > 0;
        if (font.bold() != unread) {
            font.setBold(unread);
            item->setFont(0, font);
            DescribeContactItem(item);
        }
    }
}

} // namespace

void ShowUnreadInTalkWindows(UnreadCounts &counts, TalkWindowRegistry &windows, QObject *context) {
    counts.SetActiveCheck([&windows](const QString &name) {
        const TQuorTalkWindow *window = WindowOf(windows, name);
        return window != nullptr && window->isActiveWindow();
    });
    // The windows go before the core: no line may ask for them then.
    QObject::connect(context, &QObject::destroyed, &counts,
                     [&counts] { counts.SetActiveCheck(nullptr); });
    QObject::connect(&counts, &UnreadCounts::CountChanged, context,
                     [&windows](const QString &name, int count) {
                         if (TQuorTalkWindow *window = WindowOf(windows, name))
                             window->SetUnreadCount(count);
                     });
}

void FollowUnread(UnreadCounts &counts, TQuorTalkWindow &window, const QString &name) {
    window.SetUnreadCount(counts.Count(name));
    QObject::connect(&window, &TQuorTalkWindow::Activated, &counts,
                     [&counts, name] { counts.Read(name); });
}

void MarkUnreadInBold(QTreeWidget *pane, const UnreadCounts &counts) {
    const auto refresh = [pane, &counts] { ShowBold(pane, counts); };
    QObject::connect(&counts, &UnreadCounts::CountChanged, pane, refresh);
    QObject::connect(pane->model(), &QAbstractItemModel::rowsInserted, pane, refresh);
    refresh();
}

} // namespace hbquor::main
