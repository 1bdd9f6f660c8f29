// SPDX-License-Identifier: MIT
// UnreadSource: what the tray reads to show how many private texts wait
// unread, and is told when that changes.
#pragma once

#include <QObject>

namespace hbquor::client {

class UnreadSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual int UnreadPrivateTexts() const = 0;

signals:
    void UnreadChanged();
};

} // namespace hbquor::client
