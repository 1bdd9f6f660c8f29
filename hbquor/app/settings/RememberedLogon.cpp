// SPDX-License-Identifier: MIT
#include "RememberedLogon.h"

#include "ChatClient.h"
#include "FillFields.h"
#include "PasswordStore.h"

#include <QPointer>

namespace hbquor::settings {

namespace {

QString ServerOf(const MainSettings &settings) {
    return hbquor::client::ServerAddress{settings.QuorHost, settings.QuorPort}.Text();
}

QString ProxyOf(const ConnectionSettings &c) {
    return hbquor::client::ServerAddress{c.ProxyHost, c.ProxyPort}.Text();
}

/// The proxy asks for a user name, so it has a password to remember.
bool ProxyWithUser(const ConnectionSettings &c) {
    return c.ProxyType != ConnectionSettings::Proxy::None && !c.ProxyUser.isEmpty();
}

} // namespace

RememberedLogon::RememberedLogon(hbquor::client::ChatClient &client, PasswordStore &store,
                                 Hooks hooks, QObject *parent)
    : QObject(parent), FClient(client), FStore(store), FHooks(std::move(hooks)) {
    connect(&client, &hbquor::client::ChatClient::Connected, this, [this] {
        if (!FHooks.Settings().Connection.RememberPassword)
            return;
        // A logon quicker than the store's first answer is kept once it came.
        if (FAnswered)
            KeepAccountPassword();
        else
            FKeepWhenAnswered = true;
    });
    QPointer<RememberedLogon> self(this);
    FStore.Probe([self](const QString &problem) {
        if (!self)
            return;
        self->FAnswered = true;
        self->FProblem = problem;
        if (!problem.isEmpty())
            return;
        // Logged on already: nothing to read back.
        if (self->FKeepWhenAnswered)
            self->KeepAccountPassword();
        else
            self->Restore();
    });
}

void RememberedLogon::Restore() {
    const MainSettings &settings = FHooks.Settings();
    const ConnectionSettings &c = settings.Connection;
    if (!c.RememberPassword)
        return;
    QPointer<RememberedLogon> self(this);
    const QString accountKey = AccountPasswordKey(ServerOf(settings), FHooks.UserName());
    const bool autoLogon = c.AutoLogon;
    auto account = [self, accountKey, autoLogon] {
        self->FStore.Read(accountKey, [self, autoLogon](const std::optional<QString> &password) {
            if (!self || !password)
                return;
            self->FHooks.FillPassword(*password);
            if (autoLogon)
                self->FHooks.LogOn();
        });
    };
    if (!ProxyWithUser(c)) {
        account();
        return;
    }
    // The proxy's password first, so that the logon goes through it.
    FStore.Read(ProxyPasswordKey(ProxyOf(c), c.ProxyUser),
                [self, account](const std::optional<QString> &password) {
                    if (!self)
                        return;
                    if (password)
                        self->FHooks.FillProxyPassword(*password);
                    account();
                });
}

void RememberedLogon::KeepAccountPassword() {
    if (!FProblem.isEmpty())
        return;
    const QString user = FHooks.UserName();
    const QString password = FHooks.Password();
    if (!user.isEmpty() && !password.isEmpty())
        Keep(AccountPasswordKey(ServerOf(FHooks.Settings()), user), password);
}

void RememberedLogon::KeepProxyPassword(const MainSettings &settings) {
    const ConnectionSettings &c = settings.Connection;
    if (ProxyWithUser(c) && !c.ProxyPassword.isEmpty())
        Keep(ProxyPasswordKey(ProxyOf(c), c.ProxyUser), c.ProxyPassword);
}

void RememberedLogon::Keep(const QString &key, const QString &password) {
    // The report names the entry, never the password.
    FStore.Write(key, password, [report = FHooks.Report, key](const QString &problem) {
        if (!problem.isEmpty())
            report(FillFields(tr("The password (%s) was not remembered: %s"), {key, problem}));
    });
}

void RememberedLogon::Forget(const QString &key) {
    FStore.Remove(key, [report = FHooks.Report, key](const QString &problem) {
        if (!problem.isEmpty())
            report(FillFields(tr("The password (%s) could not be forgotten: %s"), {key, problem}));
    });
}

void RememberedLogon::SettingsChanged(const MainSettings &before, const MainSettings &after) {
    if (!FProblem.isEmpty())
        return;
    const bool was = before.Connection.RememberPassword;
    const bool is = after.Connection.RememberPassword;
    if (was && !is) {
        Forget(AccountPasswordKey(ServerOf(before), FHooks.UserName()));
        if (ProxyWithUser(before.Connection))
            Forget(ProxyPasswordKey(ProxyOf(before.Connection), before.Connection.ProxyUser));
        return;
    }
    if (!is)
        return;
    if (!was && FClient.IsLoggedOn())
        KeepAccountPassword();
    if (!was || before.Connection.ProxyPassword != after.Connection.ProxyPassword)
        KeepProxyPassword(after);
}

} // namespace hbquor::settings
