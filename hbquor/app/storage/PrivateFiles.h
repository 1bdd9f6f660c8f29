// SPDX-License-Identifier: MIT
// PrivateFiles: the program's files and folders belong to the user alone
// (files 0600, folders 0700), whatever the umask: they hold his contacts,
// his settings and his conversations.
#pragma once

#include <QByteArray>
#include <QString>

/// Replaces the file's contents with bytes: they go into a new temporary
/// file of mode 0600 beside it, which is flushed to disk and renamed over
/// the old file, so a crash or a full disk never leaves a half-written
/// file, and the file is the user's alone from its first byte. A symbolic
/// link is followed and its target replaced. Returns false, leaving the old
/// file untouched, when writing fails.
bool SavePrivateFile(const QString &fileName, const QByteArray &bytes);

/// Takes the group's and others' rights away from the open file, if it has
/// any and is the user's own.
void KeepPrivate(int fd);

/// Creates the folder and any missing folder above it with mode 0700, as
/// the desktop's rules for per-user folders ask; folders that exist stay as
/// they are. Returns whether the folder exists afterwards.
bool MakePrivateFolder(const QString &folder);
