// SPDX-License-Identifier: MIT
#include "TextAlerts.h"

#include "FillFields.h"
#include "NameText.h"

#include <QApplication>

TextAlerts::TextAlerts(DesktopNotifier &notifier, QWidget *mainWindow, Hooks hooks)
    : FNotifier(notifier), FMainWindow(mainWindow), FHooks(std::move(hooks)) {
    if (!FHooks.ActiveWindow)
        FHooks.ActiveWindow = [] { return QApplication::activeWindow(); };
    if (!FHooks.MarkUrgent)
        FHooks.MarkUrgent = [](QWidget *window) { QApplication::alert(window); };
}

void TextAlerts::PrivateText(const QString &account, const QString &from, const QString &text,
                             QWidget *shownIn) {
    Raise(account, from, from, Excerpt(text), shownIn);
}

void TextAlerts::OfflineText(const QString &account, const QString &from, const QString &text) {
    Raise(account, from, FillFields(tr("%s (while you were away)"), {from}), Excerpt(text),
          FMainWindow);
}

void TextAlerts::Invitation(const QString &account, const QString &from, const QString &channel) {
    Raise(account, from, from, Excerpt(FillFields(tr("invites you to join channel %s"), {channel})),
          FMainWindow);
}

void TextAlerts::Broadcast(const QString &account, const QString &from, const QString &message) {
    Raise(account, from, FillFields(tr("%s (to everyone)"), {from}), Excerpt(message), FMainWindow);
}

QString TextAlerts::Excerpt(const QString &text) {
    if (text.size() <= ExcerptLength)
        return text;
    const bool splitsPair = text.at(ExcerptLength - 1).isHighSurrogate();
    return text.left(splitsPair ? ExcerptLength - 1 : ExcerptLength);
}

void TextAlerts::Raise(const QString &account, const QString &from, const QString &summary,
                       const QString &body, QWidget *shownIn) {
    if (!FEnabled || FHooks.ActiveWindow() != nullptr ||
        hbquor::SameNameIgnoringCase(from, account))
        return;
    QWidget *window = shownIn != nullptr ? shownIn : FMainWindow.data();
    if (window == nullptr)
        return;
    FHooks.MarkUrgent(window);
    FNotifier.Notify(
        {from, summary, body, [window = QPointer<QWidget>(window), mainWindow = FMainWindow] {
             BringUp(window ? window.data() : mainWindow.data());
         }});
}

void TextAlerts::BringUp(QWidget *window) {
    if (window == nullptr)
        return;
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}
