// SPDX-License-Identifier: MIT
// Filling the program's text patterns, and from the attacker's side: line
// breaks, direction controls and right-to-left letters in a field neither
// add a line nor turn the rest of the line around on screen.
#include "FillFields.h"

#include <QTest>
#include <QTextLayout>

namespace {

const QString Fsi(QChar(0x2068));
const QString Pdi(QChar(0x2069));
const QString Rlo(QChar(0x202E));
const QString Rli(QChar(0x2067));
const QString Alef(QChar(0x05D0));

/// Whether the characters of line from position from on stand left to
/// right on screen, each right of the one before.
bool LaidOutLeftToRight(const QString &line, qsizetype from) {
    QTextLayout layout(line);
    layout.beginLayout();
    QTextLine laidOut = layout.createLine();
    laidOut.setLineWidth(100000);
    layout.endLayout();
    for (int i = int(from); i + 1 < line.size(); ++i)
        if (laidOut.cursorToX(i + 1) <= laidOut.cursorToX(i))
            return false;
    return true;
}

} // namespace

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

    void aFieldCannotTurnTheRestOfItsLine_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain, line breaks")
            << QStringLiteral("an\r\nna") << QStringLiteral("an  na");
        QTest::newRow("override") << Rlo + QStringLiteral("evil") << Fsi + Rlo + "evil" + Pdi;
        QTest::newRow("right-to-left name") << Alef + " 5" << Fsi + Alef + " 5" + Pdi;
        QTest::newRow("stray PDI") << Pdi + Rlo + "evil" + Pdi << Fsi + Rlo + "evil" + Pdi;
        QTest::newRow("open isolate") << Rli + Rlo + "evil" << Fsi + Rli + Rlo + "evil" + Pdi + Pdi;
    }

    void aFieldCannotTurnTheRestOfItsLine() {
        QFETCH(QString, name);
        QFETCH(QString, field);
        const QString line = FillFields("%s (to %s): ", {name, QStringLiteral("anna")});
        QCOMPARE(line, field + QStringLiteral(" (to anna): "));
        QVERIFY(LaidOutLeftToRight(line, line.indexOf(QStringLiteral(" (to"))));
    }
};

QTEST_MAIN(FillFieldsTest)
#include "FillFieldsTest.moc"
