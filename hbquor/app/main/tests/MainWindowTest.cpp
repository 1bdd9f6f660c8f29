// SPDX-License-Identifier: MIT
// The main window without a server: start-up with and without settings,
// saved contacts, the three looks and their menu rules, the clock, the log
// pane, the chat log framing, closing and the Help menu. The window placement
// and the log on their own are tested beside them.
#include "MainWindowFixture.h"

#include "FileBytes.h"

#include "ContactIcons.h"
#include "UnitQuorAbout.h"

#include "hbQuorUnit.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrlQuery>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

/// Where a frame of the window's size sits when centred on the fixture's
/// screen.
QPoint Centred(const QWidget &window) {
    const QSize frame = window.frameGeometry().size();
    return QPoint((MainWindowFixture::ScreenWidth - frame.width()) / 2,
                  (MainWindowFixture::ScreenHeight - frame.height()) / 2);
}

QColor PaneColour(QWidget *pane) {
    return pane->palette().color(QPalette::Base);
}

const QString Hyphens = QString(45, QLatin1Char('-'));

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QList<QUrl> FMailLinks;

public slots:
    /// Stands in for the user's mail program.
    void OpenMailLink(const QUrl &url) { FMailLinks << url; }

private slots:
    // ---- Start-up ----
    void firstRunWithoutSettingsFile() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        QCOMPARE(w.pos(), Centred(w));
        QVERIFY(w.pos().x() > 0 && w.pos().y() > 0);
        QCOMPARE(w.ui.inpUserName->text(), QString());
        QVERIFY(w.Log().ChatLogOpen());
        QVERIFY(w.ui.mnuLogChat->isChecked());
        QCOMPARE(w.Settings().UserTypes,
                 (QStringList{QStringLiteral("User"), QStringLiteral("Admin")}));
        QCOMPARE(w.Settings().QuorHost, QStringLiteral("localhost"));
        QCOMPARE(w.Settings().QuorPort, 8317);
        QVERIFY(!w.Settings().UrlQuorSdk.isEmpty());
        QVERIFY(!w.Settings().ProgEmail.isEmpty());
        QCOMPARE(w.ui.pnVRT->text(), QStringLiteral("VRT..."));
        QCOMPARE(w.ui.PageControl1->currentWidget(), w.ui.TabSheet1);
        QCOMPARE(w.ui.spbScrolling->text(), QStringLiteral("scrolling"));
        QVERIFY(!w.Log().IsFrozen());
        QCOMPARE(w.centralWidget()->size(), QSize(540, 368));
        QVERIFY(w.ui.Timer1->isActive());
        QVERIFY(f.Messages.isEmpty());
        QCOMPARE(
            f.ChatLogLines(),
            (QStringList{Hyphens, QStringLiteral("Quor Log opened 2004 March 5 Friday 09:07 VRT"),
                         Hyphens}));
    }

    void settingsAreRead() {
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\r\nwndMainLeft=100\r\nwndMainTop=0x20\r\n"
                        "LoginName=alice\r\nURLQuorSDK=https://sdk.example\r\n"
                        "URLQuorDelphi=https://author.example\r\nProgEmail=me@example.org\r\n"
                        "LogChat=0\r\nQuorHost=chat.example\r\nQuorPort=9000\r\n");
        TFormQuorMain &w = f.Start();
        QCOMPARE(w.pos(), QPoint(100, 32));
        QCOMPARE(w.ui.inpUserName->text(), QStringLiteral("alice"));
        QCOMPARE(w.Settings().UrlQuorSdk, QStringLiteral("https://sdk.example"));
        QCOMPARE(w.Settings().UrlQuorDelphi, QStringLiteral("https://author.example"));
        QCOMPARE(w.Settings().ProgEmail, QStringLiteral("me@example.org"));
        QCOMPARE(w.Settings().QuorHost, QStringLiteral("chat.example"));
        QCOMPARE(w.Settings().QuorPort, 9000);
        QVERIFY(!w.Log().ChatLogOpen());
        QVERIFY(!w.ui.mnuLogChat->isChecked());
        QVERIFY(!QFile::exists(f.Files().ChatLogFile));
    }

    void storedPositionStaysOnAScreen_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QPoint>("frame"); // (-1, -1): centred
        const int right = MainWindowFixture::ScreenWidth - 16;
        const int bottom = MainWindowFixture::ScreenHeight - 16;
        QTest::newRow("on the screen")
            << QByteArray("wndMainLeft=100\nwndMainTop=0x20") << QPoint(100, 32);
        QTest::newRow("overlapping the right and bottom edges")
            << QByteArray("wndMainLeft=1020\nwndMainTop=760") << QPoint(right, bottom);
        QTest::newRow("overlapping the left edge")
            << QByteArray("wndMainLeft=-3\nwndMainTop=100") << QPoint(0, 100);
        QTest::newRow("right of the screen")
            << QByteArray("wndMainLeft=5000\nwndMainTop=-40") << QPoint(-1, -1);
        QTest::newRow("below the screen")
            << QByteArray("wndMainLeft=-3\nwndMainTop=9999") << QPoint(-1, -1);
        QTest::newRow("left of the screen")
            << QByteArray("wndMainLeft=-2000\nwndMainTop=100") << QPoint(-1, -1);
        QTest::newRow("only half stored") << QByteArray("wndMainLeft=100") << QPoint(-1, -1);
    }

    void storedPositionStaysOnAScreen() {
        QFETCH(QByteArray, stored);
        QFETCH(QPoint, frame);
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\n" + stored + "\n");
        TFormQuorMain &w = f.Start();
        QCOMPARE(w.pos(), frame == QPoint(-1, -1) ? Centred(w) : frame);
    }

    void userTypeTableFromMaxUserType() {
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\nMaxUserType=3\nUserType2=Guide\n");
        QCOMPARE(f.Start().Settings().UserTypes,
                 (QStringList{QStringLiteral("User"), QStringLiteral("Admin"),
                              QStringLiteral("Guide"), QStringLiteral("unknown")}));
        MainWindowFixture g;
        g.WriteSettings("[Parameters]\nMaxUserType=0\nUserType2=Guide\n");
        QCOMPARE(g.Start().Settings().UserTypes.size(), 2);
    }

    void unreadableSettingsGiveDefaultsAndAreNotReplaced() {
        MainWindowFixture f;
        QVERIFY(QDir().mkpath(f.Files().SettingsFile)); // a folder in its place
        TFormQuorMain &w = f.Start();
        QCOMPARE(w.pos(), Centred(w));
        QCOMPARE(w.ui.inpUserName->text(), QString());
        QVERIFY(w.Log().ChatLogOpen());
        QVERIFY(f.Messages.isEmpty());
        w.ui.inpUserName->setText(QStringLiteral("bob"));
        QVERIFY(f.CloseWithYes());
        QVERIFY(QFileInfo(f.Files().SettingsFile).isDir());
        // The contacts are still saved.
        QVERIFY(QFile::exists(f.Files().ContactsFile));
    }

    void savedContactsLoadTrimmedAndSorted() {
        MainWindowFixture f;
        f.WriteContacts("  zoe  \r\n\r\nbob\r\n \t \r\nAlice\nbob\r\nZed\r\nBob");
        TFormQuorMain &w = f.Start();
        QCOMPARE(w.Contacts().Names(), (QStringList{QStringLiteral("Alice"), QStringLiteral("Bob"),
                                                    QStringLiteral("bob"), QStringLiteral("bob"),
                                                    QStringLiteral("Zed"), QStringLiteral("zoe")}));
        QCOMPARE(w.ui.ListView1->headerItem()->text(0), QStringLiteral("Name"));
        QCOMPARE(w.ui.ListView2->headerItem()->text(0), QStringLiteral("In Use"));
    }

    void firstPaintFocusesTheLoginInputStillToBeTyped() {
        // With a stored name the password is next; without one, the name.
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\nLoginName=alice\n");
        TFormQuorMain &w = f.Start();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(QApplication::focusWidget(), w.ui.inpPassword);
        f.Destroy();
        MainWindowFixture g;
        TFormQuorMain &fresh = g.Start();
        fresh.show();
        QVERIFY(QTest::qWaitForWindowActive(&fresh));
        QTRY_COMPARE(QApplication::focusWidget(), fresh.ui.inpUserName);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("bob"));
        QCOMPARE(fresh.ui.inpUserName->text(), QStringLiteral("bob"));
    }

    // ---- Closing ----
    void closingAsksAndNoKeepsTheWindow() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        w.show();
        f.ExitAnswer = false;
        w.ui.mnuExit->trigger();
        QCOMPARE(f.ExitQuestions, 1);
        QVERIFY(w.isVisible());
        QVERIFY(w.ui.Timer1->isActive());
        QVERIFY(w.Log().ChatLogOpen());
        QVERIFY(!QFile::exists(f.Files().SettingsFile));
    }

    void closingWithoutAskingSavesOnceAndLetsTheWindowGo() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        w.show();
        w.CloseWithoutAsking();
        QVERIFY(!w.ui.Timer1->isActive());
        QVERIFY(!w.Log().ChatLogOpen());
        QVERIFY(QFile::exists(f.Files().SettingsFile));
        QFile::remove(f.Files().SettingsFile);
        QVERIFY(w.close());
        QCOMPARE(f.ExitQuestions, 0);
        QVERIFY(!QFile::exists(f.Files().SettingsFile));
    }

    void closingSavesSettingsContactsAndClosesTheLog() {
        MainWindowFixture f;
        f.WriteSettings("; kept comment\n[Parameters]\nMaxUserType=2\nUserType2=Guide\n"
                        "QuorPort=0x2000\nCustom=yes\n[Other]\nx=1\n");
        f.WriteContacts("carol\r\nalice\r\n");
        TFormQuorMain &w = f.Start();
        w.move(120, 80);
        w.ui.inpUserName->setText(QStringLiteral("  dave "));
        w.ui.inpPassword->setText(QStringLiteral("secret"));
        f.Now += 1.0 / 24; // one hour later
        QVERIFY(f.CloseWithYes());
        QVERIFY(!w.ui.Timer1->isActive());
        QVERIFY(!w.Log().ChatLogOpen());

        const QString ini = QString::fromUtf8(ReadFileBytes(f.Files().SettingsFile));
        QVERIFY(ini.contains(QStringLiteral("wndMainLeft=120")));
        QVERIFY(ini.contains(QStringLiteral("wndMainTop=80")));
        QVERIFY(ini.contains(QStringLiteral("LoginName=dave\n")));
        QVERIFY(ini.contains(QStringLiteral("LogChat=1")));
        QVERIFY(ini.contains(QStringLiteral("QuorHost=localhost")));
        QVERIFY(ini.contains(QStringLiteral("QuorPort=8192")));
        QVERIFY(ini.contains(QStringLiteral("URLQuorSDK=")));
        QVERIFY(ini.contains(QStringLiteral("; kept comment")));
        QVERIFY(ini.contains(QStringLiteral("Custom=yes")));
        QVERIFY(ini.contains(QStringLiteral("UserType2=Guide")));
        QVERIFY(ini.contains(QStringLiteral("[Other]")));
        QVERIFY(!ini.contains(QStringLiteral("secret")));

        QCOMPARE(ReadFileBytes(f.Files().ContactsFile), QByteArray("alice\r\ncarol\r\n"));
        const QStringList log = f.ChatLogLines();
        QCOMPARE(log.size(), 6);
        QCOMPARE(log.mid(3), (QStringList{Hyphens,
                                          QStringLiteral("Quor Log closed 2004 March 5 Friday "
                                                         "10:07 VRT"),
                                          Hyphens}));
    }

    void closingWithTheLogOffRecordsIt() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        w.ui.mnuLogChat->trigger();
        QVERIFY(f.CloseWithYes());
        QVERIFY(ReadFileBytes(f.Files().SettingsFile).contains("LogChat=0"));
    }

    // ---- Looks ----
    void disconnectedLook() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        QVERIFY(w.ui.pnLoginData->isVisibleTo(&w));
        QVERIFY(w.ui.spbLogon->isEnabled());
        QVERIFY(!w.ui.spbLogoff->isEnabled());
        QVERIFY(!w.ui.inpTarget->isEnabled());
        QVERIFY(!w.ui.inpSayThis->isEnabled());
        QCOMPARE(PaneColour(w.ui.RichEdit1), QColor(255, 255, 221));
        QCOMPARE(PaneColour(w.ui.ListView1), QColor(255, 255, 221));
        QCOMPARE(w.windowTitle(), QStringLiteral("  HB Quor Client  - disconnected"));
        for (QAction *item :
             {w.ui.mnuJoinChannel, w.ui.mnuJoinChannel2, w.ui.mnuListChannels, w.ui.mnuUserStatus,
              w.ui.mnuUserStatus1, w.ui.mnuPingUser, w.ui.mnuPingUser1, w.ui.mnuInviteUser1,
              w.ui.mnuOpenChat, w.ui.mnuUserProfile})
            QVERIFY2(!item->isEnabled(), qPrintable(item->text()));
        AlwaysEnabledItemsAreEnabled(w);
    }

    void connectingLook() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        w.ui.inpUserName->setText(QStringLiteral(" alice "));
        w.ShowConnecting();
        QVERIFY(!w.ui.pnLoginData->isVisibleTo(&w));
        QVERIFY(!w.ui.spbLogon->isEnabled());
        QVERIFY(w.ui.spbLogoff->isEnabled());
        QVERIFY(!w.ui.inpTarget->isEnabled());
        QVERIFY(!w.ui.inpSayThis->isEnabled());
        QCOMPARE(PaneColour(w.ui.RichEdit1), QColor(221, 255, 255));
        QCOMPARE(PaneColour(w.ui.ListView1), QColor(221, 255, 255));
        QCOMPARE(w.windowTitle(), QStringLiteral("  HB Quor Client  - alice"));
        QVERIFY(!w.ui.mnuJoinChannel->isEnabled());
        AlwaysEnabledItemsAreEnabled(w);
    }

    void connectedLook() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        w.ui.inpUserName->setText(QStringLiteral("alice"));
        w.ShowConnecting();
        w.ShowConnected();
        QVERIFY(!w.ui.pnLoginData->isVisibleTo(&w));
        QVERIFY(!w.ui.spbLogon->isEnabled());
        QVERIFY(w.ui.spbLogoff->isEnabled());
        QVERIFY(w.ui.inpTarget->isEnabled());
        QVERIFY(w.ui.inpSayThis->isEnabled());
        QCOMPARE(PaneColour(w.ui.RichEdit1), QColor(255, 255, 255));
        QCOMPARE(w.windowTitle(), QStringLiteral("  HB Quor Client  - alice"));
        for (QAction *item : {w.ui.mnuJoinChannel, w.ui.mnuJoinChannel2, w.ui.mnuListChannels,
                              w.ui.mnuUserStatus, w.ui.mnuUserStatus1, w.ui.mnuPingUser,
                              w.ui.mnuPingUser1, w.ui.mnuInviteUser1, w.ui.mnuOpenChat})
            QVERIFY2(item->isEnabled(), qPrintable(item->text()));
        QVERIFY(!w.ui.mnuUserProfile->isEnabled());
        AlwaysEnabledItemsAreEnabled(w);
        w.ShowDisconnected();
        QVERIFY(w.ui.pnLoginData->isVisibleTo(&w));
        QVERIFY(!w.ui.mnuPingUser->isEnabled());
    }

    void disconnectedLookClearsContactIcons() {
        MainWindowFixture f;
        f.WriteContacts("alice\r\nbob\r\n");
        TFormQuorMain &w = f.Start();
        w.Contacts().SetState(QStringLiteral("ALICE"), hbquor::QuorUserStatus::OnlineUser);
        w.Contacts().SetState(QStringLiteral("bob"), hbquor::QuorUserStatus::OnlineAdmin);
        QCOMPARE(ImageOf(w, 0), 1);
        QCOMPARE(ImageOf(w, 1), 4);
        w.Contacts().SetState(QStringLiteral("bob"), hbquor::QuorUserStatus::Pending);
        QCOMPARE(ImageOf(w, 1), 2);
        w.Contacts().SetState(QStringLiteral("bob"), hbquor::QuorUserStatus::Offline);
        QCOMPARE(ImageOf(w, 1), 0);
        w.Contacts().SetState(QStringLiteral("alice"), hbquor::QuorUserStatus::NotRegistered);
        QCOMPARE(ImageOf(w, 0), 2);
        w.ShowDisconnected();
        QCOMPARE(ImageOf(w, 0), 0);
    }

    // ---- Clock ----
    void clockCaptionAndHintChangeOncePerMinute() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        w.Timer1Timer();
        QCOMPARE(w.ui.pnVRT->text(), QStringLiteral("09:07"));
        QCOMPARE(w.ui.pnVRT->toolTip(),
                 QStringLiteral("Virtual Reality Time:\n2004 March 5 Friday 09:07"));
        f.Now += 29.0 / 86400; // 09:07:59
        w.Timer1Timer();
        QCOMPARE(w.ui.pnVRT->text(), QStringLiteral("09:07"));
        f.Now += 1.0 / 86400; // 09:08:00
        w.Timer1Timer();
        QCOMPARE(w.ui.pnVRT->text(), QStringLiteral("09:08"));
        QCOMPARE(w.ui.pnVRT->toolTip(),
                 QStringLiteral("Virtual Reality Time:\n2004 March 5 Friday 09:08"));
        QCOMPARE(w.ui.Timer1->interval(), 1000);
    }

    // ---- Log pane ----
    void frozenModeKeepsTheViewAndScrollingJumpsToTheEnd() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        w.show();
        for (int i = 0; i < 200; ++i)
            w.Log().AddLine(lsStatus, QStringLiteral("line %1").arg(i));
        QScrollBar *bar = w.ui.RichEdit1->verticalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());
        QTest::mouseClick(w.ui.spbScrolling, Qt::LeftButton);
        QVERIFY(w.Log().IsFrozen());
        QCOMPARE(w.ui.spbScrolling->text(), QStringLiteral("frozen"));
        QTextCursor selection(w.ui.RichEdit1->document());
        selection.setPosition(10);
        selection.setPosition(30, QTextCursor::KeepAnchor);
        w.ui.RichEdit1->setTextCursor(selection);
        bar->setValue(bar->maximum() / 2);
        const int viewTop = bar->value();
        for (int i = 0; i < 20; ++i)
            w.Log().AddLine(lsChat, QStringLiteral("new %1").arg(i));
        QCOMPARE(bar->value(), viewTop);
        QCOMPARE(w.ui.RichEdit1->textCursor().selectionStart(), 10);
        QCOMPARE(w.ui.RichEdit1->textCursor().selectionEnd(), 30);
        QTest::mouseClick(w.ui.spbScrolling, Qt::LeftButton);
        QVERIFY(!w.Log().IsFrozen());
        QCOMPARE(w.ui.spbScrolling->text(), QStringLiteral("scrolling"));
        QCOMPARE(bar->value(), bar->maximum());
    }

    // ---- Chat log ----
    void logChatMenuClosesAndReopensWithFrames() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        w.Log().WriteChatLog(QStringLiteral("an entry"));
        w.ui.mnuLogChat->trigger();
        QVERIFY(!w.Log().ChatLogOpen());
        QVERIFY(!w.ui.mnuLogChat->isChecked());
        w.Log().WriteChatLog(QStringLiteral("not written"));
        f.Now += 2.0 / 1440;
        w.ui.mnuLogChat->trigger();
        QVERIFY(w.Log().ChatLogOpen());
        QVERIFY(w.ui.mnuLogChat->isChecked());
        QCOMPARE(
            f.ChatLogLines(),
            (QStringList{Hyphens, QStringLiteral("Quor Log opened 2004 March 5 Friday 09:07 VRT"),
                         Hyphens, QStringLiteral("an entry"), Hyphens,
                         QStringLiteral("Quor Log closed 2004 March 5 Friday 09:07 VRT"), Hyphens,
                         Hyphens, QStringLiteral("Quor Log opened 2004 March 5 Friday 09:09 VRT"),
                         Hyphens}));
    }

    void chatLogHeldByAnotherProgramStaysOff() {
        MainWindowFixture f;
        const QByteArray path = QFile::encodeName(f.Files().ChatLogFile);
        const int holder = ::open(path.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(holder >= 0);
        QCOMPARE(::flock(holder, LOCK_EX | LOCK_NB), 0);
        TFormQuorMain &w = f.Start();
        QVERIFY(!w.Log().ChatLogOpen());
        QVERIFY(!w.ui.mnuLogChat->isChecked());
        QCOMPARE(f.Messages, QStringList{QString::fromLocal8Bit(std::strerror(EWOULDBLOCK))});
        ::close(holder);
        w.ui.mnuLogChat->trigger();
        QVERIFY(w.Log().ChatLogOpen());
    }

    // ---- Help menu and about box ----

    void helpMenuOpensTheStoredAddresses() {
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\nURLQuorSDK=https://sdk.example/a\n"
                        "URLQuorDelphi=https://author.example/b\nProgEmail= me@example.org\n");
        TFormQuorMain &w = f.Start();
        QCOMPARE(w.Settings().ContactAuthorLink(),
                 QStringLiteral("mailto:me@example.org?Subject=Quor SDK (Delphi)&body=Hi!"
                                "%0D%0A%0D%0A"));
        w.ui.mnuQuorSDK->trigger();
        w.ui.mnuQuorDelphi->trigger();
        w.ui.mnuContactAuthor->trigger();
        QCOMPARE(f.OpenedUrls.size(), 3);
        QCOMPARE(f.OpenedUrls[0], QUrl(QStringLiteral("https://sdk.example/a")));
        QCOMPARE(f.OpenedUrls[1], QUrl(QStringLiteral("https://author.example/b")));
        QCOMPARE(f.OpenedUrls[2].scheme(), QStringLiteral("mailto"));
        QCOMPARE(f.OpenedUrls[2].path(), QStringLiteral("me@example.org"));
    }

    void contactAuthorStartsAMailToTheStoredAddress() {
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\nProgEmail=author@example.org\n");
        f.RecordOpenedUrls = false;
        TFormQuorMain &w = f.Start();
        FMailLinks.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "OpenMailLink");
        w.ui.mnuContactAuthor->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(FMailLinks.size(), 1);
        const QUrl &link = FMailLinks[0];
        QCOMPARE(link.toString(),
                 QStringLiteral("mailto:author@example.org?Subject=Quor SDK (Delphi)&body=Hi!"
                                "%0D%0A%0D%0A"));
        QCOMPARE(link.path(), QStringLiteral("author@example.org"));
        const QUrlQuery query(link);
        QCOMPARE(query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded),
                 QStringLiteral("Quor SDK (Delphi)"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
                 QStringLiteral("Hi!\r\n\r\n"));
        QVERIFY(f.OpenedUrls.isEmpty());
    }

    void aboutCommandShowsTheAboutText() {
        MainWindowFixture f;
        TFormQuorMain &w = f.Start();
        TFormQuorAbout about(&w);
        w.SetAboutBox(&about);
        QTimer::singleShot(0, &about, [&about] {
            QTest::mouseClick(about.Label1, Qt::LeftButton, {}, QPoint(10, 10));
        });
        w.mnuAboutClick();
        QVERIFY(about.Label1->text().contains(QStringLiteral("Quor SDK (build 14)")));
        QVERIFY(!about.isVisible());
    }

    void secondWindowCannotInitialiseTheLibrary() {
        MainWindowFixture first;
        first.Start();
        MainWindowFixture second;
        second.Start();
        QCOMPARE(second.Messages, QStringList{QStringLiteral("could not initialise QuorApi")});
        QVERIFY(second.Window().isEnabled());
    }

private:
    static int ImageOf(TFormQuorMain &w, int row) {
        return w.ui.ListView1->topLevelItem(row)->data(0, ContactImageRole).toInt();
    }

    static void AlwaysEnabledItemsAreEnabled(TFormQuorMain &w) {
        for (QAction *item :
             {w.ui.mnuInviteUser3, w.ui.mnuInviteUser2, w.ui.mnuAddContact1, w.ui.mnuDeleteContact1,
              w.ui.mnuCreateaQuoraccount, w.ui.mnuReqPassword, w.ui.mnuLogChat, w.ui.mnuSettings,
              w.ui.mnuExit, w.ui.mnuQuorSDK, w.ui.mnuQuorDelphi, w.ui.mnuContactAuthor,
              w.ui.mnuAbout})
            QVERIFY2(item->isEnabled(), qPrintable(item->text()));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
