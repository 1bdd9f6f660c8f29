// SPDX-License-Identifier: MIT
#include "SendRefusal.h"

#include "FillFields.h"

#include <QCoreApplication>

namespace hbquor::client {

QString SendRefusalText(SendRefusal reason, const QString &target) {
    switch (reason) {
    case SendRefusal::NotLoggedOn:
        return FillFields(
            QCoreApplication::translate("SendRefusal", "Not sent to %s: you are not logged on"),
            {target});
    case SendRefusal::NoRecipient:
        return QCoreApplication::translate("SendRefusal",
                                           "Not sent: no user or channel to send to");
    case SendRefusal::OwnName:
        return FillFields(
            QCoreApplication::translate("SendRefusal", "Not sent to %s: that is your own name"),
            {target});
    case SendRefusal::ChannelNotOpen:
        return FillFields(
            QCoreApplication::translate("SendRefusal", "Not sent to %s: join the channel first"),
            {target});
    case SendRefusal::AloneInChannel:
        return FillFields(QCoreApplication::translate(
                              "SendRefusal", "Not sent to %s: nobody else is in the channel"),
                          {target});
    }
    return {};
}

} // namespace hbquor::client
