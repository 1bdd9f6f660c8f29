// SPDX-License-Identifier: MIT
// TextAlerts: draws the user's eye to what others send while he works in
// another program. A private text, an offline text, an invitation or a
// broadcast that arrives while none of the program's windows is active
// raises a desktop notification (the sender, and the first ExcerptLength
// characters of the text) whose click brings up the window that shows it,
// and marks that window urgent in the task bar. Nothing is raised for what
// the user sent himself, while any window of the program is active, or
// with the setting Notify off.
//
// The window that shows a private text is the sender's open conversation
// window, else the main window; everything else shows in the main window.
#pragma once

#include "DesktopNotifier.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class TextAlerts {
    Q_DECLARE_TR_FUNCTIONS(TextAlerts)

public:
    /// A notification shows at most this many characters of a text.
    static constexpr int ExcerptLength = 120;

    /// How the alerts see and mark the program's windows; the application's
    /// active window and its urgency mark unless replaced.
    struct Hooks {
        std::function<QWidget *()> ActiveWindow;
        std::function<void(QWidget *)> MarkUrgent;
    };

    /// notifier must outlive the alerts; mainWindow is shown by a click when
    /// the window of the text has closed meanwhile.
    TextAlerts(DesktopNotifier &notifier, QWidget *mainWindow, Hooks hooks = {});

    /// The setting Notify; on unless switched off.
    void SetEnabled(bool enabled) { FEnabled = enabled; }

    /// Something arrived for account; shownIn is the window that shows it.
    void PrivateText(const QString &account, const QString &from, const QString &text,
                     QWidget *shownIn);
    void OfflineText(const QString &account, const QString &from, const QString &text);
    void Invitation(const QString &account, const QString &from, const QString &channel);
    void Broadcast(const QString &account, const QString &from, const QString &message);

    /// The first ExcerptLength characters of text, never half a character.
    static QString Excerpt(const QString &text);

private:
    void Raise(const QString &account, const QString &from, const QString &summary,
               const QString &body, QWidget *shownIn);
    /// Shows window in front, restored if minimised.
    static void BringUp(QWidget *window);

    DesktopNotifier &FNotifier;
    QPointer<QWidget> FMainWindow;
    Hooks FHooks;
    bool FEnabled = true;
};
