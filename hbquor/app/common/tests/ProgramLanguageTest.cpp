// SPDX-License-Identifier: MIT
// The program takes the language the environment names: CTest runs this
// test once for each environment below, naming the language expected in
// EXPECTED_LANGUAGE (empty: the program stays in English).
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

class ProgramLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheEnvironment() {
        const QString expected = qEnvironmentVariable("EXPECTED_LANGUAGE");
        // A folder without translations before the build's: the next is tried.
        QTemporaryDir empty;
        const QString language = hbquor::common::InstallProgramLanguage(
            *QCoreApplication::instance(), {empty.path(), QStringLiteral(HBQUOR_TRANSLATIONS_DIR)});
        QCOMPARE(language.left(2), expected);
        // Qt's own texts come in the same language, or stay English.
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCOMPARE(cancel,
                 expected.isEmpty() ? QStringLiteral("Cancel") : QStringLiteral("Abbrechen"));
    }
};

QTEST_GUILESS_MAIN(ProgramLanguageTest)
#include "ProgramLanguageTest.moc"
