// SPDX-License-Identifier: MIT
// PaneKeys: a list pane that works from the keyboard as well as with the
// mouse. Its context menu opens on a right click, and also on the Menu key
// and Shift+F10, then under the current item; Enter on an item does what a
// double click on it does. Either way the item acted on is the selected one,
// which the pane's commands read.
#pragma once

class QMenu;
class QTreeWidget;

/// Attaches menu to pane as its context menu, reached by mouse and
/// keyboard, and makes Enter double-click the current item. The pane owns
/// what this makes; menu must outlive it.
void AttachPaneKeys(QTreeWidget *pane, QMenu *menu);
