// SPDX-License-Identifier: MIT
// RememberedLogon: "Remember password" and logging on by itself at start.
// With RememberPassword on, the password of every logon that succeeds is
// kept in the password store under the server and the user name, and the
// proxy's password under the proxy's address and user name; at start both
// are read back: the proxy's goes to the connection, the account's into the
// password input, and with AutoLogon on the program then logs on by itself.
// Turning RememberPassword off forgets both. The store is asked once at
// start whether it can be used, without waiting for its answer; until it
// has answered, and when it cannot be used, nothing is remembered.
#pragma once

#include "MainSettings.h"

#include <QObject>
#include <QString>

#include <functional>

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::settings {

class PasswordStore;

class RememberedLogon : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        /// The settings in force.
        std::function<const MainSettings &()> Settings;
        /// The user name and password as typed.
        std::function<QString()> UserName;
        std::function<QString()> Password;
        /// A remembered password read back at start.
        std::function<void(const QString &password)> FillPassword;
        std::function<void(const QString &password)> FillProxyPassword;
        /// Logs on as the user would.
        std::function<void()> LogOn;
        /// Tells the user that a password could not be kept or forgotten.
        std::function<void(const QString &line)> Report;
    };

    /// Asks store (which must outlive this) whether it can be used and, when
    /// it can, reads back what is remembered.
    RememberedLogon(hbquor::client::ChatClient &client, PasswordStore &store, Hooks hooks,
                    QObject *parent = nullptr);

    /// Why passwords cannot be remembered; empty when they can.
    const QString &Problem() const { return FProblem; }

    /// After the settings dialog: forgets the passwords when remembering
    /// was turned off, keeps them when it was turned on or the proxy's
    /// password changed.
    void SettingsChanged(const MainSettings &before, const MainSettings &after);

private:
    void Restore();
    void KeepAccountPassword();
    void KeepProxyPassword(const MainSettings &settings);
    void Keep(const QString &key, const QString &password);
    void Forget(const QString &key);

    hbquor::client::ChatClient &FClient;
    PasswordStore &FStore;
    Hooks FHooks;
    QString FProblem = QStringLiteral("the secret store has not answered yet");
    bool FAnswered = false;
    bool FKeepWhenAnswered = false;
};

} // namespace hbquor::settings
