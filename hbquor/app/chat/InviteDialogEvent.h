// SPDX-License-Identifier: MIT
// The request a channel window posts to the main window to open the invite
// dialog, prefilled with a user name (empty) and the window's channel.
#pragma once

#include <QEvent>
#include <QString>

/// Event type number of the invite-dialog request.
inline constexpr int WM_INVITEDIALOG = 2049;

class TInviteDialogEvent : public QEvent {
public:
    TInviteDialogEvent(QString pendingInviteUser, QString pendingInviteChannel);

    static QEvent::Type EventType() { return static_cast<QEvent::Type>(WM_INVITEDIALOG); }

    /// The user name to prefill (empty when the request comes from a channel window).
    const QString &PendingInviteUser() const { return FPendingInviteUser; }
    /// The channel name to prefill, with its leading "#".
    const QString &PendingInviteChannel() const { return FPendingInviteChannel; }

private:
    QString FPendingInviteUser;
    QString FPendingInviteChannel;
};
