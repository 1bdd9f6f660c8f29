// SPDX-License-Identifier: MIT
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace hbquor::common {

QStringList ProgramTranslationFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("translations")),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/hbquor/translations")))};
}

QString InstallProgramLanguage(QCoreApplication &application, const QStringList &folders) {
    auto *own = new QTranslator(&application);
    for (const QString &folder : folders) {
        if (own->load(QLocale(), QStringLiteral("hbquor"), QStringLiteral("_"), folder))
            break;
    }
    if (own->isEmpty()) {
        delete own;
        return {};
    }
    application.installTranslator(own);
    // Qt's own texts only in the language the program speaks.
    auto *qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + own->language(),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(qt);
    else
        delete qt;
    return own->language();
}

} // namespace hbquor::common
