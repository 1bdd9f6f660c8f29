// SPDX-License-Identifier: MIT
#include "NotificationQueue.h"

#include <algorithm>
#include <functional>
#include <utility>

NotificationQueue::NotificationQueue() {
    FSummary.Ticket = FNextTicket++;
}

QString NotificationQueue::SummaryText(int count) {
    return count == 1 ? tr("1 more text") : tr("%1 more texts").arg(count);
}

void NotificationQueue::Add(DesktopNotifier::Notification notification) {
    Waiting next{std::move(notification)};
    Slot *slot = SlotFor(next.Notification.Sender);
    if (slot == nullptr) {
        Fold(next);
        return;
    }
    if (slot->Next)
        next.Texts += slot->Next->Texts;
    slot->Next = std::move(next);
}

NotificationQueue::Slot *NotificationQueue::SlotFor(const QString &sender) {
    const auto same = std::find_if(FSenders.begin(), FSenders.end(),
                                   [&sender](const Slot &slot) { return slot.Sender == sender; });
    if (same != FSenders.end()) {
        FSenders.splice(FSenders.end(), FSenders, same);
        return &FSenders.back();
    }
    if (FSenders.size() >= MaxSenders) {
        const auto idle = std::find_if(FSenders.begin(), FSenders.end(), [](const Slot &slot) {
            return !slot.Calling && !slot.Next;
        });
        if (idle == FSenders.end())
            return nullptr;
        FSenders.erase(idle);
    }
    Slot &slot = FSenders.emplace_back();
    slot.Sender = sender;
    slot.Ticket = FNextTicket++;
    return &slot;
}

void NotificationQueue::Fold(const Waiting &waiting) {
    FFolded += waiting.Texts;
    // A click on the summary brings up what the newest of its texts would have.
    FSummary.Next = Waiting{{QString(), QString(), QString(), waiting.Notification.OnClick}, 0};
}

int NotificationQueue::CallsInMinute(qint64 now) {
    while (!FCallTimes.isEmpty() && FCallTimes.first() <= now - MinuteMs)
        FCallTimes.removeFirst();
    return int(FCallTimes.size());
}

NotificationQueue::Call NotificationQueue::Emit(Slot &slot, qint64 now) {
    DesktopNotifier::Notification &notification = slot.Next->Notification;
    const Call call{slot.Ticket, slot.OpenId, notification.Summary, notification.Body,
                    bool(notification.OnClick)};
    slot.Sending = std::move(notification.OnClick);
    slot.Next.reset();
    slot.Calling = true;
    FCallTimes.append(now);
    return call;
}

QList<NotificationQueue::Call> NotificationQueue::Due(qint64 now) {
    QList<Call> calls;
    for (Slot &slot : FSenders) {
        if (!slot.Next || slot.Calling)
            continue;
        // The minute's last call is kept for the summary.
        if (CallsInMinute(now) < MaxPerMinute - 1) {
            calls.append(Emit(slot, now));
        } else {
            Fold(*slot.Next);
            slot.Next.reset();
        }
    }
    if (FSummary.Next && !FSummary.Calling && CallsInMinute(now) < MaxPerMinute) {
        FSummary.Next->Notification.Summary = SummaryText(FFolded);
        calls.append(Emit(FSummary, now));
    }
    return calls;
}

std::optional<qint64> NotificationQueue::NextDue() const {
    if (!FSummary.Next || FSummary.Calling || FCallTimes.isEmpty())
        return std::nullopt;
    return FCallTimes.first() + MinuteMs;
}

NotificationQueue::Slot *
NotificationQueue::FindSlot(const std::function<bool(const Slot &)> &matches) {
    if (matches(FSummary))
        return &FSummary;
    const auto found = std::find_if(FSenders.begin(), FSenders.end(), matches);
    return found != FSenders.end() ? &*found : nullptr;
}

NotificationQueue::Slot *NotificationQueue::SlotShowing(uint id) {
    return id == 0 ? nullptr : FindSlot([id](const Slot &slot) { return slot.OpenId == id; });
}

void NotificationQueue::Answered(quint64 ticket, uint id) {
    Slot *slot = FindSlot([ticket](const Slot &candidate) { return candidate.Ticket == ticket; });
    if (slot == nullptr)
        return;
    slot->Calling = false;
    DesktopNotifier::ClickAction action = std::exchange(slot->Sending, {});
    if (id == 0)
        return;
    // A service may give a closed notification's id to a new one.
    if (Slot *other = SlotShowing(id)) {
        other->OpenId = 0;
        other->Shown = {};
    }
    slot->OpenId = id;
    slot->Shown = std::move(action);
}

void NotificationQueue::Closed(uint id) {
    Slot *slot = SlotShowing(id);
    if (slot == nullptr)
        return;
    slot->OpenId = 0;
    slot->Shown = {};
    if (slot->Calling || slot->Next)
        return;
    if (slot == &FSummary)
        FFolded = 0; // the user has seen the count; a later summary counts afresh
    else
        FSenders.remove_if([slot](const Slot &sender) { return &sender == slot; });
}

DesktopNotifier::ClickAction NotificationQueue::ClickActionOf(uint id) {
    const Slot *slot = SlotShowing(id);
    return slot != nullptr ? slot->Shown : DesktopNotifier::ClickAction();
}

void NotificationQueue::DropWaiting() {
    FSummary.Next.reset();
    if (!FSummary.Calling && FSummary.OpenId == 0)
        FFolded = 0;
    FSenders.remove_if([](Slot &slot) {
        slot.Next.reset();
        return !slot.Calling && slot.OpenId == 0;
    });
}
