// SPDX-License-Identifier: MIT
// ContextMenuKeys: the keyboard's way to a control's context menu. Some
// window systems turn the Menu key into a context-menu event, others leave
// it as a key, and Shift+F10 is a key everywhere; with this every control
// that offers a context menu opens it on both keys on every platform.
#pragma once

class QKeyEvent;
class QWidget;

/// Whether key asks for a context menu: the Menu key or Shift+F10.
bool IsContextMenuKey(const QKeyEvent *key);

/// Makes the Menu key and Shift+F10 send control the keyboard context-menu
/// event, placed at its text cursor (or its middle), that its own context
/// menu handling answers. The control owns what this makes.
void OpenContextMenuFromKeyboard(QWidget *control);
