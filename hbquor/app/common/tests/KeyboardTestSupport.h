// SPDX-License-Identifier: MIT
// Helpers for the keyboard tests of the windows: showing a window as the
// active one, walking its Tab chain with real key presses, and reading the
// access keys of captions.
#pragma once

#include <QAction>
#include <QApplication>
#include <QList>
#include <QMenu>
#include <QString>
#include <QTest>
#include <QWidget>

/// Shows window and makes it the active one, as keys need; false when the
/// window system did not activate it.
inline bool ShowActive(QWidget &window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

/// The widgets that get the focus on pressing Tab steps times, starting
/// with the focus on start.
inline QList<QWidget *> TabChain(QWidget *start, int steps) {
    start->setFocus(Qt::TabFocusReason);
    QList<QWidget *> chain;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        chain << QApplication::focusWidget();
    }
    return chain;
}

/// A caption as it shows: without the "&" that marks its access key.
inline QString VisibleCaption(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

/// The access key of a caption (the letter after "&"), upper case; a null
/// character when it has none.
inline QChar AccessKey(const QString &caption) {
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toUpper() : QChar();
}

/// The captions of a menu's items as they show, a separator as "-".
inline QStringList VisibleCaptions(const QMenu *menu) {
    QStringList captions;
    for (const QAction *item : menu->actions())
        captions << (item->isSeparator() ? QStringLiteral("-") : VisibleCaption(item->text()));
    return captions;
}

/// The items of menu that are not separators.
inline QList<QAction *> MenuItems(const QMenu *menu) {
    QList<QAction *> items;
    for (QAction *item : menu->actions())
        if (!item->isSeparator())
            items << item;
    return items;
}

/// Every item of menu has an access key, and no key is used twice.
inline bool AccessKeysUniqueAndComplete(const QMenu *menu) {
    QString keys;
    for (const QAction *item : MenuItems(menu)) {
        const QChar key = AccessKey(item->text());
        if (key.isNull() || keys.contains(key))
            return false;
        keys += key;
    }
    return true;
}
