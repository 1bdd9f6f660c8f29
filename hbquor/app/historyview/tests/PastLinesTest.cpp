#include "PastLines.h"
#include "HistoryStore.h"
#include "UnitQuorChat.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace hbquor;
using historyview::PastLines;

class PastLinesTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    const history::Account FAnna{QStringLiteral("127.0.0.1:8317"), QStringLiteral("anna")};

    /// A store holding count texts from bob numbered from 1, with a logon
    /// and an invitation between each two.
    std::unique_ptr<history::HistoryStore> StoreWith(int count) {
        auto store = std::make_unique<history::HistoryStore>();
        store->Open(FDir.filePath(QStringLiteral("h%1.sqlite").arg(count)));
        for (int i = 1; i <= count; ++i) {
            history::Line line;
            line.Owner = FAnna;
            line.Peer = line.Sender = QStringLiteral("bob");
            line.Text = QString::number(i);
            store->Append(line);
            line.Kind = i % 2 ? history::LineKind::Invitation : history::LineKind::Broadcast;
            store->Append(line);
        }
        store->Flush(5000);
        return store;
    }

    static QString Form(const history::Line &line) { return line.Sender + ": " + line.Text; }

    static QStringList PaneLines(const TFormQuorChat &window) {
        return window.Memo1->toPlainText().split(QLatin1Char('\n'));
    }

private slots:
    void aWindowOpensWithItsPastAndPagesBack() {
        const struct {
            int Stored;
            QList<int> PaneSizes; // after opening, then after each older page
        } cases[] = {
            {0, {0}},
            {3, {4}},
            {250, {101, 201, 251}},
        };
        for (const auto &c : cases) {
            auto store = StoreWith(c.Stored);
            TFormQuorChat window;
            auto *past = new PastLines(window, *store, FAnna, QStringLiteral("BOB"), Form);
            QCOMPARE(window.LineCount(), c.PaneSizes[0]);
            // Scrolling to the top loads the page before and keeps the
            // line that was on top in view.
            window.show();
            QScrollBar *bar = window.Memo1->verticalScrollBar();
            for (int page = 1; page < c.PaneSizes.size(); ++page) {
                bar->setValue(bar->minimum());
                QCOMPARE(window.LineCount(), c.PaneSizes[page]);
                QVERIFY(bar->value() > bar->minimum());
            }
            QVERIFY(!past->LoadOlder());
            if (c.Stored == 0)
                continue;
            // Oldest first, the "earlier" line after the last of them, and
            // new lines after that.
            const QStringList lines = PaneLines(window);
            QCOMPARE(lines.first(), QStringLiteral("bob: 1"));
            QCOMPARE(lines.last(), PastLines::EarlierMark());
            QCOMPARE(lines[lines.size() - 2], QStringLiteral("bob: %1").arg(c.Stored));
            window.AddLine(QStringLiteral("bob: new"));
            QCOMPARE(PaneLines(window).last(), QStringLiteral("bob: new"));
        }
    }
};

QTEST_MAIN(PastLinesTest)
#include "PastLinesTest.moc"
