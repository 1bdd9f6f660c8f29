// SPDX-License-Identifier: MIT
#include "UnreadCounts.h"

#include <QSignalSpy>
#include <QTest>

using hbquor::client::UnreadCounts;

class UnreadCountsTest : public QObject {
    Q_OBJECT

private slots:
    void linesCountUntilTheirWindowIsRead() {
        UnreadCounts counts;
        QString active;
        counts.SetActiveCheck([&active](const QString &name) { return name == active; });
        QSignalSpy changed(&counts, &UnreadCounts::CountChanged);
        QSignalSpy total(&counts, &UnreadCounts::UnreadChanged);
        const struct {
            const char *Name;
            UnreadCounts::Kind Kind;
        } lines[] = {{"Bob", UnreadCounts::Kind::Private},
                     {"bob ", UnreadCounts::Kind::Private},
                     {"#lobby", UnreadCounts::Kind::Channel},
                     {"carol", UnreadCounts::Kind::Private}};
        for (const auto &line : lines)
            counts.Received(line.Name, line.Kind);
        QCOMPARE(counts.Count(QStringLiteral("BOB")), 2);
        QCOMPARE(counts.Count(QStringLiteral("#Lobby")), 1);
        QCOMPARE(counts.UnreadPrivateTexts(), 3);
        QCOMPARE(changed.size(), 4);
        QCOMPARE(total.size(), 3); // channel lines are not private texts

        // Lines for the active window are read as they arrive.
        active = QStringLiteral("carol");
        counts.Received(active, UnreadCounts::Kind::Private);
        QCOMPARE(counts.Count(active), 1);

        counts.Read(QStringLiteral("bob"));
        QCOMPARE(counts.Count(QStringLiteral("Bob")), 0);
        QCOMPARE(changed.last().at(1).toInt(), 0);
        QCOMPARE(counts.UnreadPrivateTexts(), 1);
        QCOMPARE(total.size(), 4);
    }
};

QTEST_GUILESS_MAIN(UnreadCountsTest)
#include "UnreadCountsTest.moc"
