// SPDX-License-Identifier: MIT
#include "InvitationMemory.h"

#include "FillFields.h"
#include "NameText.h"

namespace hbquor::client {

void InvitationMemory::Remember(const QString &user, const QString &channel) {
    FUser = user;
    FChannel = channel;
}

QString InvitationMemory::ResultText(const QString &name, int code, const QString &errText) const {
    const QString number = QString::number(code);
    const bool remembered =
        hbquor::SameNameIgnoringCase(name, FUser) || hbquor::SameNameIgnoringCase(name, FChannel);
    if (remembered && code == 0)
        return FillFields(tr("Invitation for %s to join %s authorised!"), {FUser, FChannel});
    if (remembered)
        return FillFields(tr("Invitation for %s to join %s FAILED\rReason %d: %s"),
                          {FUser, FChannel, number, errText});
    if (code == 0)
        return FillFields(tr("Invitation for %s authorised!"), {name});
    return FillFields(tr("Invitation for %s FAILED\rReason %d: %s"), {name, number, errText});
}

} // namespace hbquor::client
