// SPDX-License-Identifier: MIT
// The history store's lines, pages, search, deletion, export and settings,
// against a real file.
#include "HistoryTestSupport.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <sys/stat.h>

using namespace hbquor::history;
using namespace hbquor::history::test;

namespace {

constexpr qint64 Day = 86400000;

QByteArray FileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class HistoryStoreTest : public QObject {
    Q_OBJECT

private slots:
    void windowsOpenWithThePastOfEarlierRuns() {
        QTemporaryDir dir;
        {
            OpenStore open(dir);
            QVERIFY(open.Opened);
            for (int i = 0; i < 250; ++i)
                open.Store->Append(Said(i % 2 ? QStringLiteral("Bob") : QStringLiteral(" bob"),
                                        QString::number(i)));
            open.Store->Append(Said(QStringLiteral("carol"), QStringLiteral("other")));
            const Account elsewhere{QStringLiteral("LOCALHOST:8317"), QStringLiteral("bob")};
            open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("other account"), 0,
                                    LineDirection::Sent, LineKind::Text, elsewhere));
        }
        OpenStore again(dir);
        const QList<Line> page = again.Store->Recent(Anna, QStringLiteral("BOB"));
        QCOMPARE(page.size(), HistoryStore::WindowLines);
        QCOMPARE(page.first().Text, QStringLiteral("50"));
        QCOMPARE(page.last().Text, QStringLiteral("249"));
        QCOMPARE(page.last().Peer, QStringLiteral("Bob"));
        const QList<Line> older =
            again.Store->Recent(Anna, QStringLiteral("bob"), 200, page.first().Id);
        QCOMPARE(older.size(), 50);
        QCOMPARE(older.last().Id + 1, page.first().Id);
        QCOMPARE(Texts(again.Store->Following(Anna, QStringLiteral("bob"), 2, older.last().Id)),
                 (QStringList{"50", "51"}));
        const QList<Line> around = again.Store->Around(Anna, page[10].Id, 2);
        QCOMPARE(Texts(around), (QStringList{"58", "59", "60", "61", "62"}));
        const Account stranger{QStringLiteral("localhost:8317"), QStringLiteral("eve")};
        QVERIFY(again.Store->Around(stranger, page[10].Id, 2).isEmpty());
        QVERIFY(again.FaultLines().isEmpty());
    }

    void linesAreSeenTheMomentTheyAreAppended() {
        QTemporaryDir dir;
        OpenStore open(dir);
        QList<qint64> ids;
        for (int i = 0; i < 300; ++i)
            ids << open.Store->Append(Said(QStringLiteral("bob"), QString::number(i)));
        // Read while the writer works: every line once, in order.
        for (int round = 0; round < 20; ++round) {
            QList<qint64> seen;
            for (const Line &line : open.Store->Recent(Anna, QStringLiteral("bob"), 1000))
                seen << line.Id;
            QCOMPARE(seen, ids);
            QTest::qWait(10);
        }
        QVERIFY(open.Store->Flush(5000));
        QCOMPARE(open.Store->Recent(Anna, QStringLiteral("bob"), 1000).size(), 300);
    }

    void searchFindsWordsPhrasesAndPrefixes_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("peer");
        QTest::addColumn<int>("fromDay");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("word") << "coffee"
                              << "" << 0 << QStringList{"coffee later", "Coffee now?"};
        QTest::newRow("two words") << "coffee now"
                                   << "" << 0 << QStringList{"Coffee now?"};
        QTest::newRow("phrase") << "\"meet tomorrow\""
                                << "" << 0 << QStringList{"meet tomorrow at the café"};
        QTest::newRow("words not phrase")
            << "tomorrow meet"
            << "" << 0 << QStringList{"tomorrow we meet", "meet tomorrow at the café"};
        QTest::newRow("prefix") << "tomor*"
                                << "" << 0
                                << QStringList{"tomorrow we meet", "meet tomorrow at the café"};
        QTest::newRow("without accents") << "cafe"
                                         << "" << 0 << QStringList{"meet tomorrow at the café"};
        QTest::newRow("one peer") << "coffee"
                                  << "#Lounge" << 0 << QStringList{"coffee later"};
        QTest::newRow("from a day") << "tomorrow"
                                    << "" << 2 << QStringList{"tomorrow we meet"};
        QTest::newRow("unknown peer") << "coffee"
                                      << "zed" << 0 << QStringList{};
    }

    void searchFindsWordsPhrasesAndPrefixes() {
        QFETCH(QString, query);
        QFETCH(QString, peer);
        QFETCH(int, fromDay);
        QFETCH(QStringList, found);
        QTemporaryDir dir;
        OpenStore open(dir);
        open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("Coffee now?"), Day));
        open.Store->Append(
            Said(QStringLiteral("bob"), QStringLiteral("meet tomorrow at the café"), Day));
        Line channel = Said(QStringLiteral("#lounge"), QStringLiteral("coffee later"), 2 * Day);
        channel.Kind = LineKind::ChannelText;
        open.Store->Append(channel);
        open.Store->Append(
            Said(QStringLiteral("carol"), QStringLiteral("tomorrow we meet"), 3 * Day));
        const Account other{QStringLiteral("localhost:8317"), QStringLiteral("bert")};
        open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("coffee elsewhere"), Day,
                                LineDirection::Sent, LineKind::Text, other));
        QVERIFY(open.Store->Flush(5000));
        SearchFilter filter;
        filter.Peer = peer;
        filter.FromMs = fromDay * Day;
        const SearchResult result = open.Store->Search(Anna, query, filter);
        QVERIFY(!result.Failed);
        QStringList texts;
        for (const Hit &hit : result.Hits)
            texts << hit.Found.Text;
        QCOMPARE(texts, found);
    }

    void hitsMarkWhatMatchedAndPageOlder() {
        QTemporaryDir dir;
        OpenStore open(dir);
        for (int i = 0; i < 5; ++i)
            open.Store->Append(
                Said(QStringLiteral("bob"), QStringLiteral("é 𝄞 Hello, hello there %1").arg(i)));
        QVERIFY(open.Store->Flush(5000));
        const SearchResult first =
            open.Store->Search(Anna, QStringLiteral("hel* \"hello there\""), {}, 3);
        QCOMPARE(first.Hits.size(), 3);
        QCOMPARE(first.Hits.first().Found.Text, QStringLiteral("é 𝄞 Hello, hello there 4"));
        const QList<MatchRange> marks{{5, 5}, {12, 11}};
        QCOMPARE(first.Hits.first().Marks, marks);
        SearchFilter next;
        next.BeforeId = first.Hits.last().Found.Id;
        const SearchResult second = open.Store->Search(Anna, QStringLiteral("hello"), next, 3);
        QCOMPARE(second.Hits.size(), 2);
        QCOMPARE(second.Hits.last().Found.Text, QStringLiteral("é 𝄞 Hello, hello there 0"));
    }

    void hostileSearchesFindSomethingOrNothing_data() {
        QTest::addColumn<QString>("query");
        for (const char *query : {"\"", "\"\"\"", "*", "NEAR(", "NEAR(hello, 2)", "hello OR", "AND",
                                  "-hello", "^hello", "text:hello", "{text}: x", "(((",
                                  "hello\" OR \"x", "'; DROP TABLE lines; --", "\\\"\\"})
            QTest::newRow(query) << QString::fromUtf8(query);
        QTest::newRow("nul") << QStringLiteral("hel%1lo").arg(QChar(0));
        QTest::newRow("10 KB word") << QStringLiteral("x").repeated(10240);
        QTest::newRow("10 KB of syntax") << QStringLiteral("\"a* NEAR( OR ").repeated(800);
    }

    void hostileSearchesFindSomethingOrNothing() {
        QFETCH(QString, query);
        QTemporaryDir dir;
        OpenStore open(dir);
        open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("hello \" OR near")));
        QVERIFY(open.Store->Flush(5000));
        const SearchResult result = open.Store->Search(Anna, query);
        QVERIFY(!result.Failed);
        QVERIFY(result.Hits.size() <= 1);
    }

    void deletedLinesGoAtOnceAndFromTheFile() {
        QTemporaryDir dir;
        OpenStore open(dir);
        open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("zanzibarsecret one")));
        open.Store->Append(Said(QStringLiteral("carol"), QStringLiteral("stays")));
        QVERIFY(open.Store->Flush(5000));
        open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("zanzibarsecret queued")));
        open.Store->Delete(Anna, QStringLiteral("BOB"));
        const qint64 after = open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("new")));
        // Gone before the writer got to it, and lines said afterwards stay.
        QCOMPARE(Texts(open.Store->Recent(Anna, QStringLiteral("bob"))), QStringList{"new"});
        QVERIFY(open.Store->Search(Anna, QStringLiteral("zanzibarsecret")).Hits.isEmpty());
        QVERIFY(open.Store->Flush(10000));
        QCOMPARE(open.Store->Recent(Anna, QStringLiteral("bob")).first().Id, after);
        QCOMPARE(Texts(open.Store->Recent(Anna, QStringLiteral("carol"))), QStringList{"stays"});
        open.Store.reset();
        // Neither the rows nor the index keep the words.
        QVERIFY(!FileBytes(open.Path).contains("zanzibarsecret"));
        QVERIFY(!FileBytes(open.Path + QStringLiteral("-wal")).contains("zanzibarsecret"));

        OpenStore again(dir);
        const Account bert{QStringLiteral("localhost:8317"), QStringLiteral("Bert")};
        again.Store->Append(Said(QStringLiteral("carol"), QStringLiteral("bert's"), 0,
                                 LineDirection::Sent, LineKind::Text, bert));
        again.Store->DeleteAccount({QStringLiteral("localhost:8317 "), QStringLiteral("bert")});
        QVERIFY(again.Store->Flush(10000));
        QVERIFY(again.Store->Recent(bert, QStringLiteral("carol")).isEmpty());
        QCOMPARE(Texts(again.Store->Recent(Anna, QStringLiteral("carol"))), QStringList{"stays"});
        again.Store->DeleteEverything();
        QVERIFY(again.Store->Recent(Anna, QStringLiteral("carol")).isEmpty());
        QVERIFY(again.Store->Flush(10000));
        QVERIFY(again.Store->Recent(Anna, QStringLiteral("bob")).isEmpty());
    }

    void pruneKeepsTheLastDays() {
        QTemporaryDir dir;
        OpenStore open(dir);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("old"), now - 31 * Day));
        open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("recent"), now - 29 * Day));
        open.Store->Prune(0);
        open.Store->Prune(30);
        QVERIFY(open.Store->Flush(5000));
        QCOMPARE(Texts(open.Store->Recent(Anna, QStringLiteral("bob"))), QStringList{"recent"});
        QVERIFY(open.Store->Search(Anna, QStringLiteral("old")).Hits.isEmpty());
    }

    void exportsPlainTextAndJsonLines() {
        QTemporaryDir dir;
        OpenStore open(dir);
        open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("hi\r\nthere"), 0));
        open.Store->Append(
            Said(QStringLiteral("bob"), QStringLiteral("yo"), 1500, LineDirection::Sent));
        Line invitation = Said(QStringLiteral("#lounge"), QString(), 2000);
        invitation.Kind = LineKind::Invitation;
        invitation.Sender = QStringLiteral("bob");
        open.Store->Append(invitation);
        QBuffer text;
        text.open(QIODevice::WriteOnly);
        QVERIFY(open.Store->Export(Anna, QStringLiteral("bob"), ExportFormat::PlainText, text));
        QCOMPARE(text.data(), QByteArray("1970-01-01 00:00:00 UTC  bob: hi\n\tthere\n"
                                         "1970-01-01 00:00:01 UTC  anna: yo\n"));
        QBuffer json;
        json.open(QIODevice::WriteOnly);
        QVERIFY(open.Store->Export(Anna, QStringLiteral("#Lounge"), ExportFormat::JsonLines, json));
        const QJsonObject object = QJsonDocument::fromJson(json.data()).object();
        QCOMPARE(object.value(QStringLiteral("kind")).toString(), QStringLiteral("invitation"));
        QCOMPARE(object.value(QStringLiteral("time")).toString(),
                 QStringLiteral("1970-01-01T00:00:02.000Z"));
        QCOMPARE(object.value(QStringLiteral("sender")).toString(), QStringLiteral("bob"));
        QBuffer closed;
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QBuffer): device not open");
        QVERIFY(!open.Store->Export(Anna, QStringLiteral("bob"), ExportFormat::JsonLines, closed));
    }

    void historyOffStopsWritingAtOnce() {
        QTemporaryDir dir;
        OpenStore open(dir);
        open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("queued")));
        open.Store->SetKeep(false);
        QVERIFY(!open.Store->Keeps());
        QCOMPARE(open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("off"))), 0);
        QVERIFY(open.Store->Flush(5000));
        // What was queued goes unless the writer had it in hand already.
        const QStringList kept = Texts(open.Store->Recent(Anna, QStringLiteral("bob")));
        QVERIFY(kept.isEmpty() || kept == QStringList{"queued"});
        open.Store->SetKeep(true);
        QVERIFY(open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("on"))) > 0);
    }

    void vrtDayCountsAndUtcMilliseconds_data() {
        QTest::addColumn<double>("vrt");
        QTest::addColumn<qint64>("ms");
        // VRT is UTC minus two hours: midnight VRT on 1 January 1970 is 02:00 UTC.
        QTest::newRow("epoch in VRT") << 25569.0 << qint64(7200000);
        QTest::newRow("epoch in UTC") << 25569.0 - 1.0 / 12 << qint64(0);
        QTest::newRow("2004-03-05 09:07:30.250 VRT") << 38051.38021122685 << qint64(1078484850250);
    }

    void vrtDayCountsAndUtcMilliseconds() {
        QFETCH(double, vrt);
        QFETCH(qint64, ms);
        QVERIFY(std::abs(UtcMsFromVrt(vrt) - ms) <= 1);
        QVERIFY(std::abs(VrtFromUtcMs(ms) - vrt) < 1e-7);
    }

    void theFilesArePrivateWhateverTheUmask() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new/folder/history.sqlite"));
        const mode_t previous = umask(0);
        {
            HistoryStore store;
            QVERIFY(store.Open(path));
            store.Append(Said(QStringLiteral("bob"), QStringLiteral("x")));
            QVERIFY(store.Flush(5000));
            for (const char *suffix : {"", "-wal", "-shm", ".lock"}) {
                struct stat status {};
                QCOMPARE(stat(QFile::encodeName(path + QLatin1String(suffix)).constData(), &status),
                         0);
                QCOMPARE(status.st_mode & 0777, mode_t(0600));
            }
        }
        umask(previous);
    }
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "HistoryStoreTest.moc"
