// SPDX-License-Identifier: MIT
// The history survives its faults: damaged files, a full disk, a writer
// stalled by another program's lock, and a second copy of the program.
#include "HistoryTestSupport.h"

#include "HistoryWriter.h"
#include "Sqlite.h"
#include "WriteQueue.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>

using namespace hbquor::history;
using namespace hbquor::history::test;

namespace {

void Fill(HistoryStore &store, int lines, const QString &peer = QStringLiteral("bob")) {
    for (int i = 0; i < lines; ++i)
        store.Append(Said(peer, QStringLiteral("line %1 of a conversation").arg(i)));
    QVERIFY(store.Flush(20000));
}

void WriteFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The file at path works: a line written is read back.
void Works(OpenStore &open) {
    QVERIFY(open.Store->Append(Said(QStringLiteral("zoe"), QStringLiteral("fresh"))) > 0);
    QVERIFY(open.Store->Flush(5000));
    QCOMPARE(Texts(open.Store->Recent(Anna, QStringLiteral("zoe"))), QStringList{"fresh"});
}

QStringList AsideFiles(const QTemporaryDir &dir) {
    return QDir(dir.path()).entryList({QStringLiteral("history.sqlite.damaged-*")});
}

} // namespace

class HistoryFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void unusableFilesAreMovedAside_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("another program's database") << "foreign";
    }

    void unusableFilesAreMovedAside() {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        if (damage == QLatin1String("garbage")) {
            WriteFile(path, QByteArray(8192, 'x'));
        } else if (damage == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(path));
        } else {
            WriteFile(path, {});
            Connection(path).Execute("CREATE TABLE notes(text)");
        }
        OpenStore open(dir);
        QVERIFY(open.Opened);
        const QStringList faults = open.FaultLines();
        QCOMPARE(faults.size(), 1);
        QVERIFY2(faults[0].startsWith(QStringLiteral("History: history.sqlite was damaged; it was "
                                                     "moved to history.sqlite.damaged-")),
                 qPrintable(faults[0]));
        QCOMPARE(AsideFiles(dir).size(), 1);
        Works(open);
    }

    void damageFoundWhileReadingReplacesTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        {
            OpenStore open(dir);
            Fill(*open.Store, 3000);
        }
        {
            // Spoils the pages of the index a window's page reads, which
            // opening the file does not touch.
            QList<qint64> pages;
            Connection db(path);
            Statement leaves(db, "SELECT pageno FROM dbstat WHERE name = 'lines_by_conversation'");
            while (leaves.Step())
                pages << leaves.Int(0);
            QVERIFY(!pages.isEmpty());
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            for (qint64 page : pages) {
                file.seek((page - 1) * 4096);
                file.write(QByteArray(4096, '\x5a'));
            }
        }
        OpenStore open(dir);
        QVERIFY(open.Opened);
        QVERIFY(open.Store->Recent(Anna, QStringLiteral("bob")).isEmpty());
        QTRY_COMPARE(open.FaultLines().size(), 1);
        QVERIFY(open.FaultLines()[0].contains(QStringLiteral("was damaged")));
        QCOMPARE(AsideFiles(dir).size(), 1);
        Works(open);
    }

    void aNewerProgramsFileIsLeftAlone() {
        QTemporaryDir dir;
        {
            OpenStore open(dir);
            Fill(*open.Store, 1);
            Connection(open.Path).Execute("PRAGMA user_version = 99");
        }
        OpenStore open(dir);
        QVERIFY(!open.Opened);
        QCOMPARE(open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("x"))), 0);
        QVERIFY(open.FaultLines().value(0).contains(QStringLiteral("newer version")));
        QVERIFY(AsideFiles(dir).isEmpty());
    }

    void aFullDiskStopsHistoryNotChatting() {
        QTemporaryDir dir;
        OpenStore open(dir);
        Fill(*open.Store, 10);
        // Files of this process may grow to 64 KiB no more; the signal that
        // would end it is ignored, so writes fail instead.
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous;
        limit.rlim_cur = 64 * 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        for (int round = 0; round < 10; ++round)
            Fill(*open.Store, 200);
        const QStringList faults = open.FaultLines();
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &previous), 0);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(faults, QStringList{"History: the disk is full; no more lines are kept this run"});
        QCOMPARE(open.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("later"))), 0);
        QVERIFY(open.Store->Recent(Anna, QStringLiteral("bob"), 1000).size() >= 10);
        // Deleting (which frees room) still works.
        open.Store->Delete(Anna, QStringLiteral("bob"));
        QVERIFY(open.Store->Flush(10000));
        QVERIFY(open.Store->Recent(Anna, QStringLiteral("bob")).isEmpty());
    }

    void aStalledWriterDropsLinesBeyondItsQueue() {
        QTemporaryDir dir;
        OpenStore open(dir);
        Fill(*open.Store, 1);
        // Another program holds the write lock: the writer cannot write.
        Connection other(open.Path);
        other.Execute("BEGIN IMMEDIATE");
        const int flood = int(WriteQueue::Capacity) + HistoryWriter::MaxBatch + 1000;
        int kept = 0;
        QElapsedTimer appending;
        appending.start();
        for (int i = 0; i < flood; ++i)
            kept += open.Store->Append(Said(QStringLiteral("eve"), QStringLiteral("flood"))) > 0;
        QVERIFY(appending.elapsed() < 5000);
        QVERIFY(kept >= int(WriteQueue::Capacity) && kept < flood);
        QCOMPARE(open.FaultLines(), QStringList{"History: writing has fallen behind; lines are "
                                                "not kept until it catches up"});
        other.Execute("COMMIT");
        QVERIFY(open.Store->Flush(60000));
        QCOMPARE(open.Store->Recent(Anna, QStringLiteral("eve"), flood).size(), kept);
    }

    void aSecondCopyReadsButKeepsNothing() {
        QTemporaryDir dir;
        auto first = std::make_unique<OpenStore>(dir);
        Fill(*first->Store, 3);
        OpenStore second(dir);
        QVERIFY(!second.Opened);
        QCOMPARE(second.FaultLines(), QStringList{"History: another copy of the program keeps "
                                                  "the history; this one keeps none this run"});
        QCOMPARE(second.Store->Append(Said(QStringLiteral("bob"), QStringLiteral("x"))), 0);
        QCOMPARE(second.Store->Recent(Anna, QStringLiteral("bob")).size(), 3);
        QCOMPARE(second.Store->Search(Anna, QStringLiteral("conversation")).Hits.size(), 3);
        second.Store->Delete(Anna, QStringLiteral("bob"));
        QVERIFY(second.Store->Flush(10000));
        QVERIFY(first->Store->Recent(Anna, QStringLiteral("bob")).isEmpty());
        Fill(*first->Store, 2);
        // Once the first copy ends, the next one keeps history again.
        first.reset();
        OpenStore third(dir);
        QVERIFY(third.Opened);
        QCOMPARE(third.Store->Recent(Anna, QStringLiteral("bob")).size(), 2);
    }
};

QTEST_GUILESS_MAIN(HistoryFaultsTest)
#include "HistoryFaultsTest.moc"
