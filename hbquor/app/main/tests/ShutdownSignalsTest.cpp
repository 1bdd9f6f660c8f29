// SPDX-License-Identifier: MIT
// The program ended from outside, as at the end of a desktop session: each
// of SIGTERM, SIGINT and SIGHUP saves settings, contacts and the chat log
// as closing the window does, then the program exits normally.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

QByteArray ReadAll(const QString &fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString &fileName, const QByteArray &bytes) {
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class ShutdownSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void signalSavesLikeClosingAndExitsNormally_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void signalSavesLikeClosingAndExitsNormally() {
        QFETCH(int, signalNumber);
        // A copy of the program in a folder of its own keeps its files
        // there and nowhere else.
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("hbquor"));
        QVERIFY(QFile::copy(QStringLiteral(HBQUOR_PROGRAM_PATH), program));
        WriteAll(folder.filePath(QStringLiteral("hbquor.ini")),
                 "[Parameters]\nLoginName=alice\nQuorHost=127.0.0.1\n");
        WriteAll(folder.filePath(QStringLiteral("Contacts.txt")), "bob\n");
        const QString chatLog = folder.filePath(QStringLiteral("Log.txt"));

        QProcess running;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        running.setProcessEnvironment(environment);
        running.start(program, {});
        QVERIFY(running.waitForStarted());
        // The chat log opens at the end of start-up.
        QTRY_VERIFY_WITH_TIMEOUT(ReadAll(chatLog).contains("Quor Log opened"), 10000);
        ::kill(static_cast<pid_t>(running.processId()), signalNumber);
        QVERIFY(running.waitForFinished(10000));
        QCOMPARE(running.exitStatus(), QProcess::NormalExit);
        QCOMPARE(running.exitCode(), 0);

        const QByteArray settings = ReadAll(folder.filePath(QStringLiteral("hbquor.ini")));
        for (const char *key :
             {"wndMainLeft=", "wndMainTop=", "LoginName=alice", "URLQuorSDK=", "LogChat=1"})
            QVERIFY2(settings.contains(key), key);
        QCOMPARE(ReadAll(folder.filePath(QStringLiteral("Contacts.txt"))), QByteArray("bob\r\n"));
        QVERIFY(ReadAll(chatLog).contains("Quor Log closed"));
    }
};

QTEST_GUILESS_MAIN(ShutdownSignalsTest)
#include "ShutdownSignalsTest.moc"
