#include "RememberedLogon.h"

#include "ChatClient.h"
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

void Ignore(bool) {}

} // namespace

RememberedLogon::RememberedLogon(hbquor::client::ChatClient &client, PasswordStore &store,
                                 Hooks hooks, QObject *parent)
    : QObject(parent), FClient(client), FStore(store), FHooks(std::move(hooks)) {
    connect(&client, &hbquor::client::ChatClient::Connected, this, [this] {
        if (FProblem.isEmpty() && FHooks.Settings().Connection.RememberPassword)
            KeepAccountPassword();
    });
    QPointer<RememberedLogon> self(this);
    FStore.Probe([self](const QString &problem) {
        if (!self)
            return;
        self->FProblem = problem;
        if (problem.isEmpty())
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
    const QString user = FHooks.UserName();
    const QString password = FHooks.Password();
    if (!user.isEmpty() && !password.isEmpty())
        FStore.Write(AccountPasswordKey(ServerOf(FHooks.Settings()), user), password, Ignore);
}

void RememberedLogon::KeepProxyPassword(const MainSettings &settings) {
    const ConnectionSettings &c = settings.Connection;
    if (ProxyWithUser(c) && !c.ProxyPassword.isEmpty())
        FStore.Write(ProxyPasswordKey(ProxyOf(c), c.ProxyUser), c.ProxyPassword, Ignore);
}

void RememberedLogon::SettingsChanged(const MainSettings &before, const MainSettings &after) {
    if (!FProblem.isEmpty())
        return;
    const bool was = before.Connection.RememberPassword;
    const bool is = after.Connection.RememberPassword;
    if (was && !is) {
        FStore.Remove(AccountPasswordKey(ServerOf(before), FHooks.UserName()), Ignore);
        if (ProxyWithUser(before.Connection))
            FStore.Remove(ProxyPasswordKey(ProxyOf(before.Connection), before.Connection.ProxyUser),
                          Ignore);
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
