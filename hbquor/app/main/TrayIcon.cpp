// SPDX-License-Identifier: MIT
#include "TrayIcon.h"

#include "ChatClient.h"
#include "UnreadSource.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QWidget>

namespace hbquor::main {

namespace {

QColor StateColour(TrayState state) {
    switch (state) {
    case TrayState::Online:
        return QColor(0, 160, 0);
    case TrayState::Connecting:
        return QColor(230, 150, 0);
    case TrayState::Offline:
        break;
    }
    return QColor(128, 128, 128);
}

QIcon DrawIcon(TrayState state, const QString &badge) {
    constexpr int Size = 32;
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(StateColour(state));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawEllipse(QRectF(2, 2, Size - 4, Size - 4));
    if (!badge.isEmpty()) {
        const QRectF spot(Size / 2.0 - 2, 0, Size / 2.0 + 2, Size / 2.0 + 2);
        painter.setBrush(QColor(210, 0, 0));
        painter.drawEllipse(spot);
        QFont font = painter.font();
        font.setPixelSize(badge.size() > 2 ? 7 : 10);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(spot, Qt::AlignCenter, badge);
    }
    return QIcon(pixmap);
}

} // namespace

TrayIcon::TrayIcon(client::ChatClient &client, client::UnreadSource &unread, QWidget *window,
                   std::shared_ptr<DesktopNotifier> notifier, Hooks hooks)
    : QObject(window), FUnread(unread), FWindow(window), FNotifier(std::move(notifier)),
      FMenu(std::make_unique<QMenu>()), FIcon(new QSystemTrayIcon(this)) {
    connect(FMenu->addAction(tr("&Show")), &QAction::triggered, this, &TrayIcon::ShowWindow);
    connect(FMenu->addAction(tr("Log &off")), &QAction::triggered, this,
            [logOff = std::move(hooks.LogOff)] { logOff(); });
    connect(FMenu->addAction(tr("E&xit")), &QAction::triggered, this,
            [exit = std::move(hooks.Exit)] { exit(); });
    FIcon->setContextMenu(FMenu.get());
    connect(FIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger)
                    ToggleWindow();
            });
    using client::ChatClient;
    connect(&client, &ChatClient::Connecting, this, [this] { SetState(TrayState::Connecting); });
    connect(&client, &ChatClient::Retrying, this, [this] { SetState(TrayState::Connecting); });
    connect(&client, &ChatClient::Connected, this, [this] { SetState(TrayState::Online); });
    connect(&client, &ChatClient::Disconnected, this, [this] { SetState(TrayState::Offline); });
    connect(&client, &ChatClient::LoginFailed, this, [this] { SetState(TrayState::Offline); });
    connect(&unread, &client::UnreadSource::UnreadChanged, this, &TrayIcon::Update);
    Update();
    FIcon->show();
}

TrayIcon::~TrayIcon() {
    // The icon goes before the menu it shows.
    delete FIcon;
}

void TrayIcon::SetState(TrayState state) {
    FState = state;
    Update();
}

void TrayIcon::Update() {
    const int unread = FUnread.UnreadPrivateTexts();
    FIcon->setIcon(DrawIcon(FState, TrayBadge(unread)));
    FIcon->setToolTip(TrayTooltip(FState, unread));
}

void TrayIcon::ShowWindow() {
    if (FWindow->isMinimized())
        FWindow->showNormal();
    else
        FWindow->show();
    FWindow->raise();
    FWindow->activateWindow();
}

void TrayIcon::ToggleWindow() {
    if (FWindow->isVisible() && FWindow->isActiveWindow())
        FWindow->hide();
    else
        ShowWindow();
}

void TrayIcon::WindowClosed() {
    QApplication::setQuitOnLastWindowClosed(true);
}

bool TrayIcon::HideOnClose() {
    if (!FCloseToTray || !FIcon->isVisible())
        return false;
    QApplication::setQuitOnLastWindowClosed(false);
    FWindow->hide();
    if (!std::exchange(FToldOnce, true) && FNotifier) {
        FNotifier->Notify({QStringLiteral("tray"), QStringLiteral("HB Quor"),
                           tr("HB Quor keeps running in the tray."), [this] { ShowWindow(); }});
    }
    return true;
}

} // namespace hbquor::main
