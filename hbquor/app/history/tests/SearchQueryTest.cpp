// SPDX-License-Identifier: MIT
// The search box's input made into FTS5 queries, and match ranges made into
// QString positions.
#include "SearchQuery.h"
#include "MatchRanges.h"

#include <QTest>

#include <cstdint>
#include <string>
#include <vector>

using namespace hbquor::history;

class SearchQueryTest : public QObject {
    Q_OBJECT

private slots:
    void expressions_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expression");
        QTest::newRow("words") << "hello  world"
                               << "\"hello\" \"world\"";
        QTest::newRow("phrase") << "say \"good night\" now"
                                << "\"say\" \"good night\" \"now\"";
        QTest::newRow("unclosed phrase") << "x \"good night"
                                         << "\"x\" \"good night\"";
        QTest::newRow("prefix") << "hel* wor** ok*"
                                << "\"hel\"* \"wor\"* \"ok\"*";
        QTest::newRow("one-letter prefix") << "a* 𝄞*"
                                           << "\"a\" \"𝄞\"";
        QTest::newRow("star alone") << "* ** \"\" \" \""
                                    << "";
        QTest::newRow("operators are words") << "a AND b OR NOT c"
                                             << "\"a\" \"AND\" \"b\" \"OR\" \"NOT\" \"c\"";
        QTest::newRow("near and columns") << "NEAR(a b) text:x ^y"
                                          << "\"NEAR(a\" \"b)\" \"text:x\" \"^y\"";
        QTest::newRow("quote inside word") << "it\"s"
                                           << "\"it\" \"s\"";
        QTest::newRow("controls separate")
            << QStringLiteral("a\tb\nc%1d").arg(QChar(0)) << "\"a\" \"b\" \"c\" \"d\"";
        QTest::newRow("star inside") << "a*b"
                                     << "\"a*b\"";
        QTest::newRow("term limit") << QStringLiteral("w ").repeated(40)
                                    << QStringLiteral("\"w\" ").repeated(MaxSearchTerms).trimmed();
    }

    void expressions() {
        QFETCH(QString, input);
        QFETCH(QString, expression);
        QCOMPARE(MatchExpression(input), expression);
    }

    void rangesCountQStringPositions() {
        // "é" takes two bytes and one position, the clef four bytes and two.
        const std::string text = "caf\xC3\xA9 \xF0\x9D\x84\x9E hello hello world";
        const std::vector<std::int32_t> bytes{17, 22, 11, 16, 14, 22, 0, 5, 3, 99};
        const std::string_view encoded(reinterpret_cast<const char *>(bytes.data()),
                                       bytes.size() * sizeof(std::int32_t));
        // Sorted, overlapping ones merged, the one beyond the text dropped.
        const QList<MatchRange> expected{{0, 4}, {8, 11}};
        QCOMPARE(DecodeMatchRanges(encoded, text), expected);
    }
};

QTEST_APPLESS_MAIN(SearchQueryTest)
#include "SearchQueryTest.moc"
