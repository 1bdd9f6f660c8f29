// The saved contacts file: one contact name per line.
#pragma once

#include <QString>
#include <QStringList>

/// Reads the names: each line trimmed of blanks and control characters,
/// empty lines skipped, duplicates kept, in file order. A missing file gives
/// an empty list.
QStringList ReadSavedContacts(const QString &fileName);

/// Writes the names one per line, each ending in carriage return and line
/// feed, through a temporary file renamed over the old one. Returns false
/// (leaving the old file untouched) when writing fails.
bool WriteSavedContacts(const QString &fileName, const QStringList &names);
