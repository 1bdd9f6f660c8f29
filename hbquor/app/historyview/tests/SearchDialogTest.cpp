// SPDX-License-Identifier: MIT
#include "SearchDialog.h"
#include "HistoryStore.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTreeWidget>

using namespace hbquor;
using historyview::SearchDialog;

class SearchDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    history::HistoryStore FStore;
    const history::Account FAnna{QStringLiteral("127.0.0.1:8317"), QStringLiteral("anna")};

    void Say(const QString &peer, const QString &text, const QDate &day) {
        history::Line line;
        line.Owner = FAnna;
        line.Peer = line.Sender = peer;
        line.Text = text;
        line.AtMs = QDateTime(day, QTime(12, 0), QTimeZone::utc()).toMSecsSinceEpoch();
        FStore.Append(line);
    }

    QStringList Found(SearchDialog &dialog, const QString &query) {
        dialog.inpQuery->setText(query);
        dialog.Search();
        QStringList texts;
        for (const history::Hit &hit : dialog.Hits())
            texts << hit.Found.Text;
        return texts;
    }

private slots:
    void initTestCase() {
        QVERIFY(FStore.Open(FDir.filePath(QStringLiteral("history.sqlite"))));
        Say("bob", "lunch tomorrow at noon", {2024, 3, 4});
        Say("bob", "<b>tomorrow</b> & more", {2024, 3, 5});
        Say("#lobby", "noon meeting tomorrow", {2024, 3, 6});
        QVERIFY(FStore.Flush(5000));
    }

    void findsWithWordsPhrasesPrefixesAndFilters() {
        SearchDialog dialog(FStore, FAnna, TimeText(TimeText::Mode::Utc));
        const struct {
            const char *Query;
            const char *Peer;
            const char *From; // "" for no lower bound
            const char *To;
            QStringList Texts; // newest first
        } cases[] = {
            {"tomorrow",
             "",
             "",
             "",
             {"noon meeting tomorrow", "<b>tomorrow</b> & more", "lunch tomorrow at noon"}},
            {"\"tomorrow at\"", "", "", "", {"lunch tomorrow at noon"}},
            {"lun*", "", "", "", {"lunch tomorrow at noon"}},
            {"noon", "BOB", "", "", {"lunch tomorrow at noon"}},
            {"tomorrow", "", "2024-03-05", "2024-03-05", {"<b>tomorrow</b> & more"}},
            {"tomorrow", "", "2024-03-06", "", {"noon meeting tomorrow"}},
            {"pear", "", "", "", {}},
        };
        for (const auto &c : cases) {
            dialog.inpPeer->setText(c.Peer);
            dialog.cbFrom->setChecked(*c.From != 0);
            dialog.cbTo->setChecked(*c.To != 0);
            dialog.inpFrom->setDate(QDate::fromString(c.From, Qt::ISODate));
            dialog.inpTo->setDate(QDate::fromString(c.To, Qt::ISODate));
            QCOMPARE(Found(dialog, c.Query), c.Texts);
        }
    }

    void hostileQueriesFindSomethingOrNothingNeverFail() {
        SearchDialog dialog(FStore, FAnna, TimeText(TimeText::Mode::Utc));
        for (const QString &query :
             {QString("\""), QString("NEAR("), QString("*"), QString("\"*\" AND OR NOT"),
              QString("col:x"), QString(10 * 1024, 'x'), QString(5 * 1024, '"') + "noon"}) {
            Found(dialog, query);
            QVERIFY(dialog.lbStatus->text() != QStringLiteral("The history cannot be read."));
        }
        // Taken as plain words, all of which must match.
        QCOMPARE(Found(dialog, QStringLiteral("tomorrow\" noon(")).size(), 2);
    }

    void hitsShowTheirMatchInBoldAndNeverTheirOwnMarkup() {
        SearchDialog dialog(FStore, FAnna, TimeText(TimeText::Mode::Utc));
        QCOMPARE(Found(dialog, QStringLiteral("more")).size(), 1);
        const auto *text =
            qobject_cast<QLabel *>(dialog.lvHits->itemWidget(dialog.lvHits->topLevelItem(0), 2));
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(),
                 QStringLiteral("bob: &lt;b&gt;tomorrow&lt;/b&gt; &amp; <b>more</b>"));
        QCOMPARE(dialog.lvHits->topLevelItem(0)->text(1), QStringLiteral("bob"));
        // Read out once, plain.
        QCOMPARE(dialog.lvHits->topLevelItem(0)->data(2, Qt::AccessibleTextRole).toString(),
                 QStringLiteral("bob: <b>tomorrow</b> & more"));
        QVERIFY(dialog.lvHits->topLevelItem(0)->text(0).endsWith(QStringLiteral("12:00:00 UTC")));
        // The lines around the hit show below it.
        QCOMPARE(dialog.memoAround->blockCount(), 2);
    }
};

QTEST_MAIN(SearchDialogTest)
#include "SearchDialogTest.moc"
