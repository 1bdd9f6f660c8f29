// SPDX-License-Identifier: MIT
// InvitationMemory: the user and channel of the last invitation the user
// sent. The server answers an invitation later, naming the user or the
// channel; an answer that names either of the remembered ones is worded
// with both, any other with its one name.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace hbquor::client {

class InvitationMemory {
    Q_DECLARE_TR_FUNCTIONS(InvitationMemory)

public:
    void Remember(const QString &user, const QString &channel);
    const QString &User() const { return FUser; }
    const QString &Channel() const { return FChannel; }

    /// The message for the server's answer about name.
    QString ResultText(const QString &name, int code, const QString &errText) const;

private:
    QString FUser;
    QString FChannel;
};

} // namespace hbquor::client
