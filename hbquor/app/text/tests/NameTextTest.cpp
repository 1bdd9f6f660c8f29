// SPDX-License-Identifier: MIT
// The name rules as the windows see them: QStrings, including characters
// outside ASCII, compared and trimmed like the session layer's UTF-8 names.
#include "NameText.h"

#include <QTest>

#include <algorithm>

using namespace hbquor;

class NameTextTest : public QObject {
    Q_OBJECT

private slots:
    void trimmingKeepsOtherWhiteSpace() {
        QCOMPARE(TrimBlanks(QStringLiteral(" \t\x01 Anna B \r\n")), QStringLiteral("Anna B"));
        QCOMPARE(TrimBlanks(QStringLiteral("   ")), QString());
        // A non-breaking space is not a blank here.
        QCOMPARE(TrimBlanks(QString(QChar(0xA0)) + QStringLiteral("x")),
                 QString(QChar(0xA0)) + QStringLiteral("x"));
    }

    void onlyAToZIgnoreCase() {
        QVERIFY(SameNameIgnoringCase(QStringLiteral("#Lobby"), QStringLiteral("#lobby")));
        QVERIFY(SameNameIgnoringCase(QString(), QString()));
        QVERIFY(!SameNameIgnoringCase(QStringLiteral("alice"), QStringLiteral("alicex")));
        QVERIFY(!SameNameIgnoringCase(QStringLiteral("J\u00f6rg"), QStringLiteral("J\u00d6rg")));
        QVERIFY(SameNameIgnoringCase(QStringLiteral("J\u00f6RG"), QStringLiteral("J\u00f6rg")));
        QVERIFY(!SameNameIgnoringCase(QStringLiteral("a["), QStringLiteral("a{")));
    }

    void sortKeepsCaseVariantsTogether() {
        QStringList names{"dave", "Bob", "alice", "bob", "Carol", "_x", "al", "\u00c4rger"};
        std::sort(names.begin(), names.end(), NameSortsBefore);
        QCOMPARE(names,
                 (QStringList{"_x", "al", "alice", "Bob", "bob", "Carol", "dave", "\u00c4rger"}));
        QVERIFY(!NameSortsBefore(QStringLiteral("x"), QStringLiteral("x")));
    }
};

QTEST_MAIN(NameTextTest)
#include "NameTextTest.moc"
