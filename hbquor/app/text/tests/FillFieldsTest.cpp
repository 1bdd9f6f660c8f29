// Filling the program's text patterns.
#include "FillFields.h"

#include <QTest>

class FillFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsAreFilledInOrderAndOnlyOnce() {
        QCOMPARE(FillFields("Reason %d: %s", {QStringLiteral("8"), QStringLiteral("refused")}),
                 QStringLiteral("Reason 8: refused"));
        // A filled-in text holding a field is not filled again.
        QCOMPARE(FillFields("%s and %s", {QStringLiteral("%s"), QStringLiteral("b")}),
                 QStringLiteral("%s and b"));
        // Fields without an argument and other percent signs stay.
        QCOMPARE(FillFields("%s: 100%, %d", {QStringLiteral("x")}), QStringLiteral("x: 100%, %d"));
        QCOMPARE(FillFields("trailing %", {}), QStringLiteral("trailing %"));
    }
};

QTEST_GUILESS_MAIN(FillFieldsTest)
#include "FillFieldsTest.moc"
