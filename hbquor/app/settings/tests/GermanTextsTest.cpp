// SPDX-License-Identifier: MIT
// With the German translation installed, the settings dialog's texts, its
// fields' reasons and the client core's pane lines come out German, while
// the settings file keeps its English keys.
#include "ConnectionPage.h"
#include "FieldChecks.h"
#include "FileBytes.h"
#include "MainSettings.h"
#include "SendRefusal.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace hbquor::settings;

class GermanTextsTest : public QObject {
    Q_OBJECT

    QTranslator FGerman;

private slots:
    void initTestCase() {
        QVERIFY(FGerman.load(QStringLiteral(HBQUOR_TRANSLATIONS_DIR "/hbquor_de.qm")));
        QVERIFY(QCoreApplication::installTranslator(&FGerman));
    }

    void reasonsAndPaneLinesAreGerman() {
        QCOMPARE(PortProblem(QStringLiteral("abc")), QStringLiteral("der Port ist eine Zahl"));
        QCOMPARE(SendRefusalText(hbquor::client::SendRefusal::OwnName, QStringLiteral("anna")),
                 QStringLiteral("Nicht an anna gesendet: das ist der eigene Name"));
        const ConnectionPage page;
        QCOMPARE(page.Title(), QStringLiteral("Verb&indung"));
    }

    void settingKeysStayEnglish() {
        const QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("hbquor.ini"));
        MainSettings changed;
        changed.QuorPort = 9001;
        QVERIFY(changed.WriteChanges(file, MainSettings()));
        QVERIFY(ReadFileBytes(file).contains("QuorPort=9001"));
    }
};

QTEST_MAIN(GermanTextsTest)
#include "GermanTextsTest.moc"
