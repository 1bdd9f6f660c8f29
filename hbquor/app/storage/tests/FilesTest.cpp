// SPDX-License-Identifier: MIT
// The program's files: settings, saved contacts, chat log and where they live.
#include "AppFiles.h"
#include "ChatLogFile.h"
#include "QuorSettings.h"
#include "SavedContacts.h"

#include "FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

void WriteAll(const QString &fileName, const QByteArray &bytes) {
    QVERIFY(WriteFileBytes(fileName, bytes));
}

const QString P = QStringLiteral("Parameters");

/// The file's rights for owner, group and others.
mode_t ModeOf(const QString &path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 0;
}

/// Sets the umask for the scope, as a careless desktop session might.
struct Umask {
    explicit Umask(mode_t mask) : Old(::umask(mask)) {}
    ~Umask() { ::umask(Old); }
    mode_t Old;
};

} // namespace

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    // ---- Settings file ----
    void missingSettingsFileGivesDefaults() {
        QTemporaryDir dir;
        QuorSettings settings(dir.filePath(QStringLiteral("hbquor.ini")));
        QCOMPARE(settings.Load(), QuorSettings::LoadResult::Missing);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("wndMainLeft"), 7), 7);
        QCOMPARE(settings.ReadString(P, QStringLiteral("LoginName"), QStringLiteral("x")),
                 QStringLiteral("x"));
        QCOMPARE(settings.ReadBool(P, QStringLiteral("LogChat"), true), true);
    }

    void integersDecimalHexadecimalAndJunk() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("a.ini"));
        WriteAll(name, "[Parameters]\r\nA=42\r\nB=0x1F\r\nC=0XfF\r\nD=abc\r\nE=-12\r\n"
                       "F=12abc\r\nG=99999999999\r\nH=\r\nI=0x\r\n");
        QuorSettings settings(name);
        QCOMPARE(settings.Load(), QuorSettings::LoadResult::Loaded);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("A"), 0), 42);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("B"), 0), 31);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("C"), 0), 255);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("D"), 5), 5);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("E"), 0), -12);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("F"), 5), 5);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("G"), 5), 5);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("H"), 5), 5);
        QCOMPARE(settings.ReadInteger(P, QStringLiteral("I"), 5), 5);
    }

    void keysAndSectionsIgnoreCase() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("a.ini"));
        WriteAll(name, "[parameters]\nlogchat=0\nLOGINNAME=Alice\n");
        QuorSettings settings(name);
        QCOMPARE(settings.Load(), QuorSettings::LoadResult::Loaded);
        QCOMPARE(settings.ReadBool(P, QStringLiteral("LogChat"), true), false);
        QCOMPARE(settings.ReadString(P, QStringLiteral("LoginName"), QString()),
                 QStringLiteral("Alice"));
    }

    void booleansAreAnyNonZeroInteger() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("a.ini"));
        WriteAll(name, "[Parameters]\nA=2\nB=0x0\nC=yes\n");
        QuorSettings settings(name);
        settings.Load();
        QCOMPARE(settings.ReadBool(P, QStringLiteral("A"), false), true);
        QCOMPARE(settings.ReadBool(P, QStringLiteral("B"), true), false);
        QCOMPARE(settings.ReadBool(P, QStringLiteral("C"), false), false);
    }

    void stringsAreCutAt2047Characters() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("a.ini"));
        WriteAll(name, "[Parameters]\nLong=" + QByteArray(3000, 'x') + "\nComma=a,b,c\n");
        QuorSettings settings(name);
        settings.Load();
        QCOMPARE(settings.ReadString(P, QStringLiteral("Long"), QString()).size(), 2047);
        QCOMPARE(settings.ReadString(P, QStringLiteral("Comma"), QString()),
                 QStringLiteral("a,b,c"));
    }

    void writingKeepsCommentsOtherKeysAndSections() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("a.ini"));
        WriteAll(name, "; my comment\n[Parameters]\n; about the name\nLoginName=Old\n"
                       "Extra=kept\n[Other]\nZ=1\n");
        QuorSettings settings(name);
        settings.Load();
        settings.WriteString(P, QStringLiteral("loginname"), QStringLiteral("New"));
        settings.WriteInteger(P, QStringLiteral("wndMainLeft"), -5);
        settings.WriteBool(P, QStringLiteral("LogChat"), false);
        QVERIFY(settings.Save());
        const QByteArray text = ReadFileBytes(name);
        QVERIFY(text.contains("; my comment"));
        QVERIFY(text.contains("; about the name"));
        QVERIFY(text.contains("LoginName=New"));
        QVERIFY(!text.contains("Old"));
        QVERIFY(text.contains("Extra=kept"));
        QVERIFY(text.contains("[Other]"));
        QVERIFY(text.contains("wndMainLeft=-5"));
        QVERIFY(text.contains("LogChat=0"));
        // Nothing but the file itself is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.ini")});
    }

    void unreadableSettingsFileFails() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("a.ini"));
        QVERIFY(QDir().mkpath(name)); // a folder where the file should be
        QuorSettings settings(name);
        QCOMPARE(settings.Load(), QuorSettings::LoadResult::Failed);
        QVERIFY(!settings.Save());
    }

    // ---- Saved contacts ----
    void savedContactsSkipBlankLinesAndTrimNames() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Contacts.txt"));
        WriteAll(name, "  bob \r\n\r\n\tcarol\r\n   \nalice\rdave\x01\nbob\n");
        QCOMPARE(
            ReadSavedContacts(name),
            (QStringList{QStringLiteral("bob"), QStringLiteral("carol"), QStringLiteral("alice"),
                         QStringLiteral("dave"), QStringLiteral("bob")}));
    }

    void missingContactsFileGivesNoNames() {
        QTemporaryDir dir;
        QVERIFY(ReadSavedContacts(dir.filePath(QStringLiteral("none.txt"))).isEmpty());
    }

    void contactsAreWrittenWithCrLfAndReplaceTheFile() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Contacts.txt"));
        WriteAll(name, "old\r\n");
        QVERIFY(WriteSavedContacts(name, {QStringLiteral("alice"), QStringLiteral("Bob")}));
        QCOMPARE(ReadFileBytes(name), QByteArray("alice\r\nBob\r\n"));
    }

    void savedContactsOfOlderProgramsKeepTheirLetters() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Contacts.txt"));
        WriteAll(name, "J\xFCrgen\r\nZo\xC3\xAB\r\n");
        QCOMPARE(ReadSavedContacts(name),
                 (QStringList{QStringLiteral("Jürgen"), QStringLiteral("Zoë")}));
    }

    void fileHoldsExactlyTheListItWasWrittenWith() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Contacts.txt"));
        const QStringList names{QStringLiteral("alice"), QStringLiteral("Bob")};
        QVERIFY(!SavedContactsFileHolds(name, {})); // missing
        QVERIFY(WriteSavedContacts(name, names));
        QVERIFY(SavedContactsFileHolds(name, names));
        QVERIFY(!SavedContactsFileHolds(name, {QStringLiteral("Bob"), QStringLiteral("alice")}));
        WriteAll(name, "alice\nBob\n");
        QVERIFY(!SavedContactsFileHolds(name, names));
    }

    void failedContactsWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("sub/Contacts.txt"));
        QVERIFY(!WriteSavedContacts(name, {QStringLiteral("alice")}));
    }

    // ---- File places ----
    void filesBesideAWritableProgram() {
        QTemporaryDir dir;
        const AppFiles files = AppFiles::ForProgram(dir.filePath(QStringLiteral("hbquor")));
        QCOMPARE(files.SettingsFile, dir.filePath(QStringLiteral("hbquor.ini")));
        QCOMPARE(files.ContactsFile, dir.filePath(QStringLiteral("Contacts.txt")));
        QCOMPARE(files.ChatLogFile, dir.filePath(QStringLiteral("Log.txt")));
        QCOMPARE(files.HistoryFile, dir.filePath(QStringLiteral("history.sqlite")));
    }

    void filesOfAnInstalledProgramGoToUserFolders() {
        QStandardPaths::setTestModeEnabled(true);
        const AppFiles files = AppFiles::ForProgram(QStringLiteral("/usr/bin/hbquor"));
        QCOMPARE(files.SettingsFile,
                 QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                     QStringLiteral("/hbquor.ini"));
        QCOMPARE(files.ContactsFile,
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                     QStringLiteral("/Contacts.txt"));
        QCOMPARE(files.ChatLogFile,
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                     QStringLiteral("/Log.txt"));
        QCOMPARE(files.HistoryFile,
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                     QStringLiteral("/history.sqlite"));
        QVERIFY(!AppFiles::IsPortableFolder(QStringLiteral("/usr/bin")));
        QTemporaryDir dir;
        QVERIFY(AppFiles::IsPortableFolder(dir.path()));
    }

    void writableInstallationIsToldByItsMenuEntry() {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/applications")));
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        QVERIFY(AppFiles::IsPortableFolder(bin));
        WriteAll(prefix.filePath(QStringLiteral("share/applications/hbquor.desktop")),
                 "[Desktop Entry]\n");
        QVERIFY(!AppFiles::IsPortableFolder(bin));
    }

    // ---- Chat log file ----
    void chatLogAppendsLinesWithCrLf() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Log.txt"));
        WriteAll(name, "earlier\r\n");
        ChatLogFile log;
        QString error;
        QVERIFY(log.Open(name, error));
        QVERIFY(log.IsOpen());
        QVERIFY(log.WriteLine(QStringLiteral("one")));
        QVERIFY(log.WriteLine(QStringLiteral("two")));
        // Each entry is one line, without direction controls.
        QVERIFY(log.WriteLine(QStringLiteral("bob: hi\r\n12:00 VRT - Disconnected: anna") +
                              QChar(0x2068) + QChar(0x202E) + QStringLiteral("x") + QChar(0x2069)));
        log.Close();
        QVERIFY(!log.IsOpen());
        QVERIFY(!log.WriteLine(QStringLiteral("lost")));
        QCOMPARE(ReadFileBytes(name), QByteArray("earlier\r\none\r\ntwo\r\n"
                                                 "bob: hi  12:00 VRT - Disconnected: annax\r\n"));
    }

    void chatLogHeldElsewhereCannotBeOpened() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Log.txt"));
        ChatLogFile first;
        QString error;
        QVERIFY(first.Open(name, error));
        ChatLogFile second;
        QVERIFY(!second.Open(name, error));
        QVERIFY(!second.IsOpen());
        QVERIFY(!error.isEmpty());
        // Readers are not locked out.
        QFile reader(name);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        first.Close();
        QVERIFY(second.Open(name, error));
    }

    // ---- The user's files are his alone ----
    void filesAreWrittenForTheUserAloneWhateverTheUmask() {
        QTemporaryDir dir;
        const Umask none(0);
        const QStringList files{dir.filePath(QStringLiteral("hbquor.ini")),
                                dir.filePath(QStringLiteral("Contacts.txt")),
                                dir.filePath(QStringLiteral("Log.txt"))};
        // New files, then older ones that everyone could read and write.
        for (const bool older : {false, true}) {
            for (const QString &file : files)
                QVERIFY(!older || ::chmod(QFile::encodeName(file).constData(), 0666) == 0);
            QVERIFY(QuorSettings(files[0]).Save());
            QVERIFY(WriteSavedContacts(files[1], {QStringLiteral("bob")}));
            ChatLogFile log;
            QString error;
            QVERIFY(log.Open(files[2], error));
            for (const QString &file : files)
                QCOMPARE(ModeOf(file), mode_t(0600));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
        }
    }

    void missingUserFoldersAreMadeForTheUserAlone() {
        QTemporaryDir dir;
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("share/data")).toUtf8());
        const Umask none(0);
        const AppFiles files = AppFiles::ForProgram(QStringLiteral("/usr/bin/hbquor"));
        for (QString folder :
             {QFileInfo(files.SettingsFile).path(), QFileInfo(files.ChatLogFile).path()}) {
            QVERIFY(folder.startsWith(dir.path() + QLatin1Char('/')));
            for (; folder != dir.path(); folder = QFileInfo(folder).path())
                QCOMPARE(ModeOf(folder), mode_t(0700));
        }
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }

    void chatLogInMissingFolderReportsTheSystemError() {
        QTemporaryDir dir;
        ChatLogFile log;
        QString error;
        QVERIFY(!log.Open(dir.filePath(QStringLiteral("no/Log.txt")), error));
        QCOMPARE(error, QStringLiteral("No such file or directory"));
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "FilesTest.moc"
