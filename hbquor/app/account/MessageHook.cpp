#include "MessageHook.h"

#include "AccountText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace hbquor::account {

void ShowMessageBox(QWidget *parent, const QString &text) {
    QMessageBox::information(parent, QApplication::applicationDisplayName(), ShownText(text));
}

void PostMessage(QWidget *context, const MessageHook &hook, const QString &text,
                 std::function<void()> after) {
    const bool bound = context != nullptr;
    QPointer<QWidget> guard(context);
    QObject *receiver = bound ? static_cast<QObject *>(context) : QCoreApplication::instance();
    QTimer::singleShot(0, receiver, [bound, guard, hook, text, after = std::move(after)] {
        if (bound && !guard)
            return;
        if (hook)
            hook(guard, text);
        if ((!bound || guard) && after)
            after();
    });
}

} // namespace hbquor::account
