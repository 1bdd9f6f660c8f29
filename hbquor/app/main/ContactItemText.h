// SPDX-License-Identifier: MIT
// ContactItemText: what a screen reader says of an item in the contacts or
// channels pane, since its state icon and its bold face (unread texts) are
// seen only: "alice, online", "bob, offline, unread texts", "#lobby, unread
// texts". The words are the item's accessible text (Qt::AccessibleTextRole).
#pragma once

class QTreeWidgetItem;

/// Words the item's name, the state of its icon (if it has one, under
/// ContactImageRole) and its unread mark into its accessible text.
void DescribeContactItem(QTreeWidgetItem *item);
