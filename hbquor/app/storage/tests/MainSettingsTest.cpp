// SPDX-License-Identifier: MIT
// The main window's settings: defaults, reading every key (the window sizes
// among them), writing the kept ones without disturbing the rest of the
// file, and an unreadable file that is never replaced.
#include "MainSettings.h"

#include "FileBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString WriteIni(const QTemporaryDir &dir, const QByteArray &text) {
    const QString name = dir.filePath(QStringLiteral("hbquor.ini"));
    WriteFileBytes(name, text);
    return name;
}

} // namespace

class MainSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void missingFileGivesDefaults() {
        QTemporaryDir dir;
        const MainSettings s = MainSettings::Read(dir.filePath(QStringLiteral("none.ini")));
        QVERIFY(!s.Frame);
        QVERIFY(s.LoginName.isEmpty());
        QVERIFY(s.LogChat);
        QCOMPARE(s.UserTypes, (QStringList{QStringLiteral("User"), QStringLiteral("Admin")}));
        QCOMPARE(s.QuorHost, QStringLiteral("localhost"));
        QCOMPARE(s.QuorPort, 8317);
        QVERIFY(!s.Connection.Tls);
        QVERIFY(s.Connection.CaFile.isEmpty());
        QVERIFY(s.Connection.AutoReconnect);
        QVERIFY(s.History.Keep);
        QCOMPARE(s.History.Days, 0);
        QVERIFY(!s.UrlQuorSdk.isEmpty() && !s.UrlQuorDelphi.isEmpty() && !s.ProgEmail.isEmpty());
        QVERIFY(!s.Unreadable);
    }

    void frameNeedsBothNumbers_data() {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<bool>("stored");
        QTest::newRow("both, one in hexadecimal")
            << QByteArray("wndMainLeft=5\nwndMainTop=0x10") << true;
        QTest::newRow("only the left") << QByteArray("wndMainLeft=5") << false;
        QTest::newRow("not a number") << QByteArray("wndMainLeft=five\nwndMainTop=1") << false;
    }

    void frameNeedsBothNumbers() {
        QFETCH(QByteArray, keys);
        QFETCH(bool, stored);
        QTemporaryDir dir;
        const MainSettings s = MainSettings::Read(WriteIni(dir, "[Parameters]\n" + keys + "\n"));
        QCOMPARE(s.Frame.has_value(), stored);
        if (stored)
            QCOMPARE(*s.Frame, QPoint(5, 16));
    }

    void writingKeepsTheRestOfTheFileAndReadsBack() {
        QTemporaryDir dir;
        const QString name = WriteIni(dir, "; note\n[Parameters]\nMaxUserType=2\nUserType2=Guide\n"
                                           "LogChat=1\n[Other]\nx=1\n");
        MainSettings s = MainSettings::Read(name);
        QCOMPARE(s.UserTypes.value(2), QStringLiteral("Guide"));
        s.Frame = QPoint(-3, 40);
        s.LoginName = QStringLiteral("dave");
        s.LogChat = false;
        s.QuorPort = 9000;
        s.Connection.Tls = true;
        s.Connection.CaFile = QStringLiteral("/etc/quord/ca.pem");
        s.Connection.AutoReconnect = false;
        s.History = {false, 30};
        QVERIFY(s.Write(name));
        const MainSettings again = MainSettings::Read(name);
        QCOMPARE(again.Frame, std::optional<QPoint>(QPoint(-3, 40)));
        QCOMPARE(again.LoginName, QStringLiteral("dave"));
        QVERIFY(!again.LogChat);
        QCOMPARE(again.QuorPort, 9000);
        QVERIFY(again.Connection.Tls);
        QCOMPARE(again.Connection.CaFile, QStringLiteral("/etc/quord/ca.pem"));
        QVERIFY(!again.Connection.AutoReconnect);
        QVERIFY(!again.History.Keep);
        QCOMPARE(again.History.Days, 30);
        QCOMPARE(again.UserTypes, s.UserTypes);
        const QByteArray text = ReadFileBytes(name);
        for (const char *kept : {"; note", "MaxUserType=2", "UserType2=Guide", "[Other]", "x=1",
                                 "QuorTls=1", "AutoReconnect=0"})
            QVERIFY2(text.contains(kept), kept);
    }

    void windowSizesReadAndWriteBack() {
        QTemporaryDir dir;
        const QString name = WriteIni(dir, "[Parameters]\nwndMainWidth=700\nwndMainHeight=-3\n"
                                           "wndMainMaximized=1\nwndChatWidth=0x1f4\n"
                                           "wndChatHeight=300\n");
        MainSettings s = MainSettings::Read(name);
        QCOMPARE(s.Sizes.Main, QSize(700, 0));
        QVERIFY(s.Sizes.MainMaximized);
        QCOMPARE(s.Sizes.Chat, QSize(500, 300));
        QCOMPARE(s.Sizes.Channel, QSize(0, 0));
        s.Sizes.Main = QSize(800, 600);
        s.Sizes.MainMaximized = false;
        QVERIFY(s.Write(name));
        const QByteArray text = ReadFileBytes(name);
        for (const char *written : {"wndMainWidth=800", "wndMainHeight=600", "wndMainMaximized=0",
                                    "wndChatWidth=500", "wndChatHeight=300"})
            QVERIFY2(text.contains(written), written);
        // A size the program does not know is not written.
        QVERIFY(!text.contains("wndChannel"));
    }

    void unreadableFileIsNeverReplaced() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("hbquor.ini"));
        QVERIFY(QDir().mkpath(name)); // a folder in the file's place
        MainSettings s = MainSettings::Read(name);
        QVERIFY(s.Unreadable);
        QVERIFY(!s.Frame);
        s.LoginName = QStringLiteral("bob");
        QVERIFY(!s.Write(name));
        QVERIFY(QFileInfo(name).isDir());
    }

    void notifyAndTimeKeysHaveDefaultsAndReadBack() {
        QTemporaryDir dir;
        const QString name = WriteIni(dir, "[Parameters]\nTimeMode=0x2\n");
        MainSettings s = MainSettings::Read(name);
        QVERIFY(s.Notify);
        QCOMPARE(s.TimeMode, 2);
        QVERIFY(!s.ChatTimes);
        s.Notify = false;
        s.TimeMode = 1;
        s.ChatTimes = true;
        QVERIFY(s.Write(name));
        const QByteArray text = ReadFileBytes(name);
        for (const char *written : {"Notify=0", "TimeMode=1", "ChatTimes=1"})
            QVERIFY2(text.contains(written), written);
        const MainSettings again = MainSettings::Read(name);
        QVERIFY(!again.Notify);
        QCOMPARE(again.TimeMode, 1);
        QVERIFY(again.ChatTimes);
    }

    void historyDaysOutOfRangeAreBounded_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("days");
        QTest::newRow("negative") << QByteArray("-5") << 0;
        QTest::newRow("too many") << QByteArray("99999999") << HistorySettings::MaxDays;
        QTest::newRow("not a number") << QByteArray("week") << 0;
    }

    void historyDaysOutOfRangeAreBounded() {
        QFETCH(QByteArray, stored);
        QFETCH(int, days);
        QTemporaryDir dir;
        const QString name = WriteIni(dir, "[Parameters]\nHistoryDays=" + stored + "\n");
        QCOMPARE(MainSettings::Read(name).History.Days, days);
    }

    void faultyValueIsNamedOnceAndReadAsItsDefault_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("key");
        QTest::newRow("port not a number") << QByteArray("QuorPort=80x") << "QuorPort";
        QTest::newRow("port beyond range") << QByteArray("QuorPort=70000") << "QuorPort";
        QTest::newRow("time mode beyond range") << QByteArray("TimeMode=7") << "TimeMode";
        QTest::newRow("switch not a number") << QByteArray("Notify=yes") << "Notify";
        QTest::newRow("proxy type beyond range") << QByteArray("ProxyType=3") << "ProxyType";
        QTest::newRow("proxy port not a number") << QByteArray("ProxyPort=abc") << "ProxyPort";
    }

    void faultyValueIsNamedOnceAndReadAsItsDefault() {
        QFETCH(QByteArray, line);
        QFETCH(QString, key);
        QTemporaryDir dir;
        const MainSettings s = MainSettings::Read(WriteIni(dir, "[Parameters]\n" + line + "\n"));
        QCOMPARE(s.FaultyKeys, QStringList{key});
        const MainSettings defaults = MainSettings::Read(dir.filePath(QStringLiteral("none")));
        QCOMPARE(s.QuorPort, defaults.QuorPort);
        QCOMPARE(s.TimeMode, defaults.TimeMode);
        QCOMPARE(s.Notify, defaults.Notify);
        QCOMPARE(s.Connection.ProxyType, defaults.Connection.ProxyType);
        QCOMPARE(s.Connection.ProxyPort, defaults.Connection.ProxyPort);
    }

    void proxyKeysReadBackAndItsPasswordIsNeverWritten() {
        QTemporaryDir dir;
        const QString name = WriteIni(dir, "[Parameters]\n");
        MainSettings s = MainSettings::Read(name);
        QVERIFY(s.FaultyKeys.isEmpty());
        QCOMPARE(s.Connection.ProxyType, ConnectionSettings::Proxy::None);
        s.Connection.ProxyType = ConnectionSettings::Proxy::Http;
        s.Connection.ProxyHost = QStringLiteral("proxy.example.org");
        s.Connection.ProxyPort = 3128;
        s.Connection.ProxyUser = QStringLiteral("anna");
        s.Connection.ProxyPassword = QStringLiteral("pr0xy-secret");
        QVERIFY(s.Write(name));
        QVERIFY(!ReadFileBytes(name).contains("pr0xy-secret"));
        const MainSettings again = MainSettings::Read(name);
        QCOMPARE(again.Connection.ProxyType, ConnectionSettings::Proxy::Http);
        QCOMPARE(again.Connection.ProxyHost, QStringLiteral("proxy.example.org"));
        QCOMPARE(again.Connection.ProxyPort, 3128);
        QCOMPARE(again.Connection.ProxyUser, QStringLiteral("anna"));
        QVERIFY(again.Connection.ProxyPassword.isEmpty());
    }

    void comfortKeys_data() {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<bool>("closeToTray");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("scheme");
        QTest::newRow("missing") << QByteArray() << false << 0 << 0;
        QTest::newRow("stored") << QByteArray("CloseToTray=1\nTextZoom=3\nColorScheme=2") << true
                                << 3 << 2;
        QTest::newRow("out of range")
            << QByteArray("TextZoom=-50\nColorScheme=7") << false << ComfortSettings::MinZoom << 0;
        QTest::newRow("too large")
            << QByteArray("TextZoom=99\nColorScheme=-1") << false << ComfortSettings::MaxZoom << 0;
    }

    void comfortKeys() {
        QFETCH(QByteArray, keys);
        QFETCH(bool, closeToTray);
        QFETCH(int, zoom);
        QFETCH(int, scheme);
        QTemporaryDir dir;
        const QString name = WriteIni(dir, "[Parameters]\n" + keys + "\n");
        MainSettings s = MainSettings::Read(name);
        QCOMPARE(s.Comfort.CloseToTray, closeToTray);
        QCOMPARE(s.Comfort.TextZoom, zoom);
        QCOMPARE(static_cast<int>(s.Comfort.Scheme), scheme);
        s.Comfort = {!closeToTray, -2, ColorScheme::Light};
        QVERIFY(s.Write(name));
        const MainSettings again = MainSettings::Read(name);
        QCOMPARE(again.Comfort.CloseToTray, !closeToTray);
        QCOMPARE(again.Comfort.TextZoom, -2);
        QCOMPARE(again.Comfort.Scheme, ColorScheme::Light);
    }

    void contactAuthorLinkJoinsThePiecesAsStored() {
        MainSettings s;
        s.ProgEmail = QStringLiteral(" me@example.org");
        QCOMPARE(s.ContactAuthorLink(),
                 QStringLiteral("mailto: me@example.org?Subject=Quor SDK (Delphi)&body=Hi!"
                                "%0D%0A%0D%0A"));
    }
};

QTEST_GUILESS_MAIN(MainSettingsTest)
#include "MainSettingsTest.moc"
