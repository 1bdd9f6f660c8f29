// SPDX-License-Identifier: MIT
// AppFiles: where the program keeps its files, computed once at start-up:
// the settings file, the saved contacts, the chat log and the history.
//
// They sit beside the program (the program's path with ".ini", then
// "Contacts.txt", "Log.txt" and "history.sqlite" in its folder) when that
// folder is writable, as in a build tree or a portable copy. An installed
// program's folder is not writable, or is marked as installed by the menu
// entry beside it; then the per-user configuration folder holds the
// settings file and the per-user application data folder the others, with
// the same file names; those folders are made, when missing, for the user
// alone.
#pragma once

#include <QString>

struct AppFiles {
    QString SettingsFile;
    QString ContactsFile;
    QString ChatLogFile;
    QString HistoryFile;

    /// The names for the program at programPath (its full file path).
    static AppFiles ForProgram(const QString &programPath);

    /// The same, told whether the program's folder counts as writable.
    static AppFiles ForProgram(const QString &programPath, bool programFolderWritable);

    /// Whether files may be kept in this folder: it is writable and not part
    /// of an installation (under /usr, or beside share/applications with
    /// the program's menu entry).
    static bool IsPortableFolder(const QString &folder);

    /// The names inside one folder, for a program whose base name is
    /// baseName; used for the writable program folder and by tests.
    static AppFiles InFolder(const QString &folder, const QString &baseName);
};
