// SPDX-License-Identifier: MIT
// The program in the user's language: the translation of the language the
// locale names (LANGUAGE, LC_ALL, LC_MESSAGES, then LANG, as Qt reads them),
// with Qt's own texts (standard buttons, edit menus) in the same language.
// Where the program has no translation of that language it stays in
// English, Qt's texts included, so a window never mixes two languages.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace hbquor::common {

/// The folders a program's translations are looked for in, first match
/// wins: "translations" beside the program (a build tree) and the shared
/// data folder of an installed program (../share/hbquor/translations).
QStringList ProgramTranslationFolders();

/// Installs on application the translators of the user's language found in
/// the first of folders that holds one ("hbquor_<language>.qm"). Returns the
/// language installed ("de"), empty when the program stays in English.
QString InstallProgramLanguage(QCoreApplication &application, const QStringList &folders);

} // namespace hbquor::common
