// SPDX-License-Identifier: MIT
// TrayIcon: the program's icon in the desktop's tray. It shows the
// connection state (grey offline, amber connecting, green online) with the
// number of unread private texts as a badge and in its tooltip; a click
// shows or hides the main window, and its menu has Show, Log off and Exit.
// With CloseToTray on, closing the main window hides it here instead of
// ending the program; the first time, a notification says so.
#pragma once

#include "DesktopNotifier.h"
#include "TrayText.h"

#include <QObject>

#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace hbquor::client {
class ChatClient;
class UnreadSource;
} // namespace hbquor::client

namespace hbquor::main {

class TrayIcon : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void()> LogOff;
        /// Exit from the menu: the window's own exit, which asks first.
        std::function<void()> Exit;
    };

    /// Shows the icon for window; client, unread, notifier and window must
    /// outlive it.
    TrayIcon(client::ChatClient &client, client::UnreadSource &unread, QWidget *window,
             std::shared_ptr<DesktopNotifier> notifier, Hooks hooks);
    ~TrayIcon() override;

    void SetCloseToTray(bool on) { FCloseToTray = on; }
    /// A close of the window: with CloseToTray on, hides the window and
    /// returns true (the close is to be ignored). The program then keeps
    /// running when its last window (a message box, say) closes, until
    /// WindowClosed.
    bool HideOnClose();
    /// The window closed for good: closing the last window ends the program
    /// again.
    void WindowClosed();

    /// Shows the window in front, or hides it when it is in front.
    void ToggleWindow();
    void ShowWindow();

    QSystemTrayIcon *Icon() const { return FIcon; }
    QMenu *Menu() const { return FMenu.get(); }

private:
    void SetState(TrayState state);
    /// Redraws the icon and the tooltip.
    void Update();

    client::UnreadSource &FUnread;
    QWidget *FWindow;
    std::shared_ptr<DesktopNotifier> FNotifier;
    std::unique_ptr<QMenu> FMenu;
    QSystemTrayIcon *FIcon;
    TrayState FState = TrayState::Offline;
    bool FCloseToTray = false;
    bool FToldOnce = false;
};

} // namespace hbquor::main
