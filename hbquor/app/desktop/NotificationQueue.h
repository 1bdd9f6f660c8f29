// SPDX-License-Identifier: MIT
// NotificationQueue: which notifications go to the desktop, and when, so
// that no flood of texts can bury the desktop in notifications.
//
// A sender has at most one notification open: his newer one replaces it in
// place (the service's replaces_id), and while a call for him awaits its id
// only his newest notification waits behind it. At most MaxPerMinute calls
// go to the service in any minute; the last of them is kept for one summary
// notification ("12 more texts") that counts what goes beyond, itself
// replaced in place and brought up to date as soon as the minute allows.
//
// The queue only decides: the notifier makes the calls Due hands out,
// reports the ids the service answered and the notifications it closed,
// and asks again at NextDue. Times are milliseconds of a steady clock.
#pragma once

#include "DesktopNotifier.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <list>
#include <optional>

class NotificationQueue {
    Q_DECLARE_TR_FUNCTIONS(NotificationQueue)

public:
    static constexpr int MaxPerMinute = 10;
    static constexpr qint64 MinuteMs = 60000;
    /// Senders remembered at once. Beyond it the one heard from longest ago
    /// with nothing waiting is forgotten; when every one has something
    /// waiting, a new sender's notification goes into the summary.
    static constexpr int MaxSenders = 64;

    /// One call of the service's Notify.
    struct Call {
        /// Which notification the call is for, to give back in Answered.
        quint64 Ticket;
        /// The id of the open notification it replaces; 0 for a new one.
        uint ReplacesId;
        QString Summary;
        QString Body;
        /// Whether a click on it does something.
        bool Clickable;
    };

    NotificationQueue();

    /// A notification to show.
    void Add(DesktopNotifier::Notification notification);
    /// The calls to make now, in order; each is to be answered.
    QList<Call> Due(qint64 now);
    /// When Due next has a call for what waits; none when nothing waits for
    /// the minute to allow it.
    std::optional<qint64> NextDue() const;
    /// The service answered the call with the notification's id; 0 when the
    /// call failed.
    void Answered(quint64 ticket, uint id);
    /// The service closed the notification id.
    void Closed(uint id);
    /// What a click on the open notification id does; empty when unknown.
    DesktopNotifier::ClickAction ClickActionOf(uint id);
    /// Forgets every notification that waits (the service is gone).
    void DropWaiting();

    /// The summary line of the summary notification for count texts.
    static QString SummaryText(int count);

private:
    struct Waiting {
        DesktopNotifier::Notification Notification;
        /// Texts it stands for: it took the place of the sender's older
        /// notifications that were never sent.
        int Texts = 1;
    };
    /// One sender's notification, or the summary.
    struct Slot {
        QString Sender;
        quint64 Ticket = 0;
        uint OpenId = 0;
        bool Calling = false;
        std::optional<Waiting> Next;
        DesktopNotifier::ClickAction Shown;
        DesktopNotifier::ClickAction Sending;
    };

    /// The sender's slot, now the one heard from last; none when there is
    /// no room for a new sender.
    Slot *SlotFor(const QString &sender);
    /// The summary or the sender's slot that matches; none when none does.
    Slot *FindSlot(const std::function<bool(const Slot &)> &matches);
    Slot *SlotShowing(uint id);
    /// Counts the waiting notification into the summary.
    void Fold(const Waiting &waiting);
    /// The call for what waits in slot.
    Call Emit(Slot &slot, qint64 now);
    /// Calls made within the minute before now.
    int CallsInMinute(qint64 now);

    /// Senders, the one heard from longest ago first.
    std::list<Slot> FSenders;
    Slot FSummary;
    /// Texts the summary counts.
    int FFolded = 0;
    /// When the calls of the last minute were made, oldest first.
    QList<qint64> FCallTimes;
    quint64 FNextTicket = 1;
};
