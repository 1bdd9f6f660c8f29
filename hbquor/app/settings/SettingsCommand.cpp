// SPDX-License-Identifier: MIT
#include "SettingsCommand.h"

#include "ChatClient.h"
#include "ChatLogPage.h"
#include "ClientConnection.h"
#include "ConnectionPage.h"
#include "NotificationsPage.h"
#include "RememberedLogon.h"
#include "SettingsDialog.h"
#include "TimesPage.h"

#include <QCoreApplication>

namespace hbquor::settings {

namespace {

bool ConnectionChanged(const MainSettings &before, const MainSettings &after) {
    return before.QuorHost != after.QuorHost || before.QuorPort != after.QuorPort ||
           !(before.Connection == after.Connection);
}

} // namespace

std::optional<MainSettings> EditSettings(hbquor::client::ChatClient &client,
                                         const MainSettings &current,
                                         const SettingsCommandHooks &hooks) {
    SettingsDialog dialog(current, client.IsLoggedOn(), hooks.Parent);
    dialog.AddPage(new ConnectionPage(
        hooks.Remembered ? hooks.Remembered->Problem()
                         : QCoreApplication::translate("SettingsCommand", "no secret store")));
    dialog.AddPage(new NotificationsPage);
    dialog.AddPage(new TimesPage([&client] { return client.Now(); }));
    dialog.AddPage(new ChatLogPage(hooks.ChatLogFile, hooks.OpenUrl));
    if (hooks.AddMorePages)
        hooks.AddMorePages(dialog);
    if (hooks.Exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    const MainSettings changed = dialog.Result();
    if (!changed.WriteChanges(hooks.SettingsFile, current))
        hooks.ShowMessage(QCoreApplication::translate(
            "SettingsCommand", "The settings file could not be written; the changes "
                               "last until the program ends."));
    if (ConnectionChanged(current, changed))
        client.SetConnectionSettings(ClientConnection(changed));
    if (hooks.Remembered)
        hooks.Remembered->SettingsChanged(current, changed);
    return changed;
}

} // namespace hbquor::settings
