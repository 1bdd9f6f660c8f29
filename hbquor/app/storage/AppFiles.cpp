// SPDX-License-Identifier: MIT
#include "AppFiles.h"

#include "PrivateFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString InDir(const QString &folder, const QString &name) {
    return QDir(folder).filePath(name);
}

} // namespace

AppFiles AppFiles::InFolder(const QString &folder, const QString &baseName) {
    return AppFiles{InDir(folder, baseName + QStringLiteral(".ini")),
                    InDir(folder, QStringLiteral("Contacts.txt")),
                    InDir(folder, QStringLiteral("Log.txt")),
                    InDir(folder, QStringLiteral("history.sqlite"))};
}

bool AppFiles::IsPortableFolder(const QString &folder) {
    const QFileInfo info(folder);
    const QString path = info.absoluteFilePath();
    // An installation elsewhere (a prefix of the user's, a staging folder)
    // is told by the menu entry that is installed with the program.
    const bool installed =
        path == QLatin1String("/usr") || path.startsWith(QLatin1String("/usr/")) ||
        QFileInfo::exists(InDir(path, QStringLiteral("../share/applications/hbquor.desktop")));
    return info.isDir() && info.isWritable() && !installed;
}

AppFiles AppFiles::ForProgram(const QString &programPath) {
    return ForProgram(programPath, IsPortableFolder(QFileInfo(programPath).absolutePath()));
}

AppFiles AppFiles::ForProgram(const QString &programPath, bool programFolderWritable) {
    const QFileInfo program(programPath);
    const QString baseName = program.completeBaseName();
    if (programFolderWritable)
        return InFolder(program.absolutePath(), baseName);

    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    MakePrivateFolder(configDir);
    MakePrivateFolder(dataDir);
    return AppFiles{InDir(configDir, baseName + QStringLiteral(".ini")),
                    InDir(dataDir, QStringLiteral("Contacts.txt")),
                    InDir(dataDir, QStringLiteral("Log.txt")),
                    InDir(dataDir, QStringLiteral("history.sqlite"))};
}
