// SPDX-License-Identifier: MIT
// Received bytes as the user sees them: UTF-8 when they are UTF-8, else the
// Windows-1252 code page of older clients.
#include "WireText.h"

#include <QTest>

#include <string>

class WireTextTest : public QObject {
    Q_OBJECT

private slots:
    void decodesByTheFirstRuleThatFits_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("utf-8") << QByteArray("Gr\xC3\xBC\xC3\x9F"
                                             "e \xD0\x9F\xD1\x80\xD0\xB8 \xF0\x9F\x98\x80")
                               << QStringLiteral("Grüße При 😀");
        QTest::newRow("windows-1252") << QByteArray("Gr\xFC\xDF"
                                                    "e \x80 \x93q\x94 \x9F")
                                      << QStringLiteral("Grüße € “q” Ÿ");
        QTest::newRow("utf-8 cut inside a character")
            << QByteArray("caf\xC3") << QStringLiteral("cafÃ");
        QTest::newRow("valid in neither")
            << QByteArray("caf\xE9 \x81\x8D\x8F\x90\x9D ok") << QStringLiteral("café ����� ok");
    }

    void decodesByTheFirstRuleThatFits() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(WireText(std::string(bytes.constData(), bytes.size())), shown);
    }
};

QTEST_APPLESS_MAIN(WireTextTest)
#include "WireTextTest.moc"
