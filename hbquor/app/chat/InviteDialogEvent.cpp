// SPDX-License-Identifier: MIT
#include "InviteDialogEvent.h"

#include <utility>

TInviteDialogEvent::TInviteDialogEvent(QString pendingInviteUser, QString pendingInviteChannel)
    : QEvent(EventType()), FPendingInviteUser(std::move(pendingInviteUser)),
      FPendingInviteChannel(std::move(pendingInviteChannel)) {}
