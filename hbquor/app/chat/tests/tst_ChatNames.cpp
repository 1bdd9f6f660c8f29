// Name comparison of the chat windows: case of A to Z only, and the member
// list's order.
#include "ChatNames.h"

#include <QTest>

#include <algorithm>

class TestChatNames : public QObject {
    Q_OBJECT

private slots:
    void equalIgnoringAsciiCase();
    void otherCharactersMustMatch();
    void sortKeepsCaseVariantsTogether();
};

void TestChatNames::equalIgnoringAsciiCase() {
    QVERIFY(SameNameIgnoringCase(QStringLiteral("Alice"), QStringLiteral("aLICE")));
    QVERIFY(SameNameIgnoringCase(QStringLiteral("#Lobby"), QStringLiteral("#lobby")));
    QVERIFY(SameNameIgnoringCase(QString(), QString()));
    QVERIFY(!SameNameIgnoringCase(QStringLiteral("alice"), QStringLiteral("alicex")));
    QVERIFY(!SameNameIgnoringCase(QStringLiteral("alice"), QStringLiteral("alicf")));
}

void TestChatNames::otherCharactersMustMatch() {
    QVERIFY(!SameNameIgnoringCase(QStringLiteral("\u00c4rger"), QStringLiteral("\u00e4rger")));
    // '[' and '{' are 32 apart like the letters but are not letters.
    QVERIFY(!SameNameIgnoringCase(QStringLiteral("a["), QStringLiteral("a{")));
}

void TestChatNames::sortKeepsCaseVariantsTogether() {
    QStringList names{"dave", "Bob", "alice", "bob", "Carol", "_x", "al"};
    std::sort(names.begin(), names.end(), NameSortsBefore);
    QCOMPARE(names, (QStringList{"_x", "al", "alice", "Bob", "bob", "Carol", "dave"}));
    QVERIFY(!NameSortsBefore(QStringLiteral("x"), QStringLiteral("x")));
}

QTEST_MAIN(TestChatNames)
#include "tst_ChatNames.moc"
