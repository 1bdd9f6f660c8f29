// SPDX-License-Identifier: MIT
// The saved contacts file: one contact name per line.
#pragma once

#include <QString>
#include <QStringList>

/// Reads the names: each line trimmed of blanks and control characters,
/// empty lines skipped, duplicates kept, in file order. Lines are UTF-8, or
/// Windows-1252 where they are not valid UTF-8 (a file older programs
/// wrote). A missing file gives an empty list.
QStringList ReadSavedContacts(const QString &fileName);

/// Writes the names one per line in UTF-8, each ending in carriage return
/// and line feed, through a temporary file renamed over the old one; the
/// file written is the user's alone (mode 0600).
/// Returns false (leaving the old file untouched) when writing fails.
bool WriteSavedContacts(const QString &fileName, const QStringList &names);

/// Whether the file holds exactly what WriteSavedContacts would write for
/// the names; false when it is missing or unreadable.
bool SavedContactsFileHolds(const QString &fileName, const QStringList &names);
