// SPDX-License-Identifier: MIT
#include "MessageHook.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace hbquor::account {

void PostMessage(QWidget *context, const MessageHook &hook, const QString &text,
                 std::function<void()> after) {
    QPointer<QWidget> guard(context);
    QTimer::singleShot(0, context, [guard, hook, text, after = std::move(after)] {
        if (!guard)
            return;
        if (hook)
            hook(guard, text);
        if (guard && after)
            after();
    });
}

} // namespace hbquor::account
