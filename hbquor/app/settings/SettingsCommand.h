// SPDX-License-Identifier: MIT
// SettingsCommand: "Settings ...": runs the settings dialog with the
// program's pages and, on OK, writes the changed keys to the settings file
// at once and hands a changed connection to the client core, which uses it
// from the next logon; remembered passwords are kept or forgotten as the
// dialog says. What the windows show (times, notifications, the
// chat log) is theirs to apply from the settings handed back.
#pragma once

#include "MainSettings.h"

#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QUrl;
class QWidget;

namespace hbquor::client {
class ChatClient;
}

namespace hbquor::settings {

class RememberedLogon;
class SettingsDialog;

struct SettingsCommandHooks {
    QWidget *Parent = nullptr;
    /// Runs the modal dialog and returns its result.
    std::function<int(QDialog &dialog)> Exec;
    /// Opens the chat log's folder.
    std::function<void(const QUrl &)> OpenUrl;
    /// Tells the user that the file could not be written.
    std::function<void(const QString &text)> ShowMessage;
    QString SettingsFile;
    QString ChatLogFile;
    /// The remembered passwords, told of what the dialog changed.
    RememberedLogon *Remembered = nullptr;
    /// Adds the pages of the program's other parts (history, looks) after
    /// this folder's own.
    std::function<void(SettingsDialog &dialog)> AddMorePages;
};

/// The settings after the dialog: nothing when it was cancelled.
std::optional<MainSettings> EditSettings(hbquor::client::ChatClient &client,
                                         const MainSettings &current,
                                         const SettingsCommandHooks &hooks);

} // namespace hbquor::settings
