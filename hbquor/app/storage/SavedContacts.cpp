// SPDX-License-Identifier: MIT
#include "SavedContacts.h"

#include "NameText.h"
#include "PrivateFiles.h"
#include "WireText.h"

#include <QFile>

#include <optional>

namespace {

std::optional<QByteArray> ReadBytes(const QString &fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

/// The file's contents for the names.
QByteArray SavedContactsText(const QStringList &names) {
    QByteArray bytes;
    for (const QString &name : names)
        bytes += name.toUtf8() + QByteArrayLiteral("\r\n");
    return bytes;
}

} // namespace

QStringList ReadSavedContacts(const QString &fileName) {
    QStringList names;
    QByteArray bytes = ReadBytes(fileName).value_or(QByteArray());
    // Lines may end in CR, LF or both; each line is decoded on its own, so
    // one line in another encoding spoils no other.
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    for (const QByteArray &line : bytes.split('\n')) {
        const QString name =
            hbquor::TrimBlanks(WireText(std::string_view(line.data(), line.size())));
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

bool WriteSavedContacts(const QString &fileName, const QStringList &names) {
    return SavePrivateFile(fileName, SavedContactsText(names));
}

bool SavedContactsFileHolds(const QString &fileName, const QStringList &names) {
    return ReadBytes(fileName) == SavedContactsText(names);
}
