// SPDX-License-Identifier: MIT
#include "RoutedAccountWindows.h"

#include "ChatClient.h"
#include "ModalDialogs.h"
#include "UnitCreateUser.h"

#include "hbQuorPump.h"
#include "pump_until.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace hbquor::account::testing {

bool Await(const std::function<bool()> &cond, int timeoutMs) {
    return quor::testing::PumpUntil(cond, timeoutMs, [](int roundMs) {
        hbquor::PumpPending(roundMs);
        QCoreApplication::processEvents();
    });
}

RoutedAccountWindows::RoutedAccountWindows(client::ChatClient &client)
    : record([this](QWidget *, const QString &text) { messages << text; }),
      router(client, [this](const QString &text) { answers << text; }), FCentral(client.Central()) {
}

RoutedAccountWindows::~RoutedAccountWindows() {
    delete window;
}

TFormUserProfile *RoutedAccountWindows::OpenProfileWindow(const QString &loginName) {
    delete window;
    window = new TFormUserProfile(
        {QStringLiteral("User"), QStringLiteral("Admin"), QStringLiteral("Guide")}, nullptr,
        record);
    window->OpenForSession(FCentral, loginName);
    router.SetProfileWindow(window);
    window->show();
    return window;
}

void RoutedAccountWindows::ChangeThrough(QPushButton *button, const QString &entry) {
    WhenModalOpens<TFormCreateUser>([entry](TFormCreateUser &request) {
        request.inpEmail->setText(entry);
        request.inpEmail2->setText(entry);
        request.btnSendRequest->click();
    });
    button->click();
}

} // namespace hbquor::account::testing
