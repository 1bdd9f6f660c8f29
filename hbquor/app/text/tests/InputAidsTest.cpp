// SPDX-License-Identifier: MIT
// The inputs' history (Up and Down with a draft) and name completion
// (matching by the service's case rule, cycling, the line-start suffix).
#include "InputHistory.h"
#include "NameCompletion.h"

#include <QTest>

using namespace hbquor;

class InputAidsTest : public QObject {
    Q_OBJECT

private slots:
    void historyKeepsTheDraft() {
        InputHistory history;
        QCOMPARE(history.Older(QStringLiteral("typed")), std::nullopt);
        history.Sent(QStringLiteral("one"));
        history.Sent(QStringLiteral("two"));
        QCOMPARE(history.Newer(), std::nullopt);
        QCOMPARE(history.Older(QStringLiteral("draft")), QStringLiteral("two"));
        QCOMPARE(history.Older(QStringLiteral("two")), QStringLiteral("one"));
        QCOMPARE(history.Older(QStringLiteral("one")), std::nullopt);
        QCOMPARE(history.Newer(), QStringLiteral("two"));
        QCOMPARE(history.Newer(), QStringLiteral("draft"));
        QCOMPARE(history.Newer(), std::nullopt);
        history.Sent(QStringLiteral("three"));
        QCOMPARE(history.Older(QString()), QStringLiteral("three"));
        QCOMPARE(history.Newer(), QString());
    }

    void historyKeepsTheLastHundred() {
        InputHistory history;
        for (int i = 0; i < 150; ++i)
            history.Sent(QString::number(i));
        QCOMPARE(history.Count(), InputHistory::MaxTexts);
        std::optional<QString> oldest;
        while (const auto older = history.Older(QString()))
            oldest = older;
        QCOMPARE(oldest, QStringLiteral("50"));
    }

    void completion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QStringList>("afterTabs");
        QTest::newRow("line start, cycling round")
            << "ca" << 2 << QStringList{"Carol: |", "carl: |", "Carol: |"};
        QTest::newRow("mid line, no suffix")
            << "hi CA" << 5 << QStringList{"hi Carol|", "hi carl|"};
        QTest::newRow("before other text")
            << "b later" << 1 << QStringList{"bob: | later", "Bj\u00f6rn: | later"};
        QTest::newRow("case beyond A to Z") << "bJ\u00d6" << 3 << QStringList{"bJ\u00d6|"};
        QTest::newRow("no match") << "xy" << 2 << QStringList{"xy|"};
        QTest::newRow("empty") << "" << 0 << QStringList{"|"};
        QTest::newRow("after a blank") << "hi " << 3 << QStringList{"hi |"};
    }
    void completion() {
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QStringList, afterTabs);
        const QStringList names{"Carol", "carl", "CAROL", "bob", "Bj\u00f6rn"};
        NameCompletion completion(QStringLiteral(": "));
        InputState input{text, cursor};
        for (const QString &expected : afterTabs) {
            const bool completed = completion.Complete(input, names);
            QString shown = input.Text;
            shown.insert(input.Cursor, u'|');
            QCOMPARE(shown, expected);
            QCOMPARE(completed, shown != text.left(cursor) + u'|' + text.mid(cursor));
        }
    }

    void typingStartsAnew() {
        NameCompletion completion;
        InputState input{QStringLiteral("c"), 1};
        QVERIFY(completion.Complete(input, {"carol", "carl"}));
        input.Text += QStringLiteral(" a");
        input.Cursor = static_cast<int>(input.Text.size());
        QVERIFY(!completion.Complete(input, {"carol", "carl"}));
        input.Text.chop(1);
        input.Text += u'c';
        QVERIFY(completion.Complete(input, {"carol", "carl"}));
        QCOMPARE(input.Text, QStringLiteral("carol carol"));
    }
};

QTEST_MAIN(InputAidsTest)
#include "InputAidsTest.moc"
