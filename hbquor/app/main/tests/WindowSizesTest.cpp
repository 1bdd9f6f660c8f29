// SPDX-License-Identifier: MIT
// The sizes the program remembers: the main window opens with the size (and
// maximised state) it had, never smaller than its layout nor larger than the
// screen, and keeps its normal size while maximised; conversation and
// channel windows open with the size last given to a window of their kind.
#include "MainWindowFixture.h"

#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"
#include "WindowPlacement.h"

#include <QTest>

namespace {

/// The starting size of the main window: its layout's.
QSize MainStartingSize() {
    MainWindowFixture fixture;
    return fixture.Start().size();
}

WindowSizeSettings SavedSizes(const MainWindowFixture &fixture) {
    return MainSettings::Read(fixture.Files().SettingsFile).Sizes;
}

} // namespace

class WindowSizesTest : public QObject {
    Q_OBJECT

private slots:
    void fitsBetweenTheLayoutAndTheScreen_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("fitted");
        QTest::newRow("as wanted") << QSize(600, 500) << QSize(600, 500);
        QTest::newRow("not stored") << QSize(0, 0) << QSize(400, 300);
        QTest::newRow("too narrow") << QSize(100, 500) << QSize(400, 500);
        QTest::newRow("too tall for the screen") << QSize(600, 2000) << QSize(600, 768);
    }

    void fitsBetweenTheLayoutAndTheScreen() {
        QFETCH(QSize, wanted);
        QFETCH(QSize, fitted);
        QCOMPARE(FitWindowSize(wanted, QSize(400, 300), QSize(1024, 768)), fitted);
        // The layout wins over a screen smaller than it.
        QCOMPARE(FitWindowSize(wanted, QSize(400, 300), QSize(200, 200)), QSize(400, 300));
    }

    void mainWindowOpensAtItsStoredSize_data() {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QSize>("grownBy"); // beyond the starting size
        QTest::newRow("none stored") << QByteArray() << QSize(0, 0);
        QTest::newRow("larger") << QByteArray("wndMainWidth=700\nwndMainHeight=0x1f4\n")
                                << QSize(700, 500) - MainStartingSize();
        QTest::newRow("smaller than the layout")
            << QByteArray("wndMainWidth=100\nwndMainHeight=-5\n") << QSize(0, 0);
        QTest::newRow("not numbers")
            << QByteArray("wndMainWidth=wide\nwndMainHeight=\n") << QSize(0, 0);
    }

    void mainWindowOpensAtItsStoredSize() {
        QFETCH(QByteArray, keys);
        QFETCH(QSize, grownBy);
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\n" + keys);
        TFormQuorMain &window = f.Start();
        QCOMPARE(window.size(), MainStartingSize() + grownBy);
        // The client area follows once the window's layout runs, on showing.
        window.show();
        QTRY_COMPARE(window.centralWidget()->size(), QSize(540, 368) + grownBy);
        QVERIFY(!window.isMaximized());
    }

    void closingKeepsTheSizeTheUserGaveTheWindow() {
        MainWindowFixture f;
        TFormQuorMain &window = f.Start();
        window.show();
        window.resize(MainStartingSize() + QSize(90, 40));
        QTRY_COMPARE(window.size(), MainStartingSize() + QSize(90, 40));
        QVERIFY(f.CloseWithYes());
        const WindowSizeSettings saved = SavedSizes(f);
        QCOMPARE(saved.Main, MainStartingSize() + QSize(90, 40));
        QVERIFY(!saved.MainMaximized);
        // Talk windows never opened keep their starting sizes.
        QCOMPARE(saved.Chat, TFormQuorChat::StartingSize());
        QCOMPARE(saved.Channel, TFormQuorChannel::StartingSize());
    }

    void maximisedWindowKeepsItsNormalSizeAndPlace() {
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\nwndMainLeft=30\nwndMainTop=40\nwndMainWidth=700\n"
                        "wndMainHeight=500\nwndMainMaximized=1\n");
        TFormQuorMain &window = f.Start();
        window.show();
        QTRY_VERIFY(window.isMaximized());
        QTRY_VERIFY(window.width() > 700);
        QVERIFY(f.CloseWithYes());
        const MainSettings saved = MainSettings::Read(f.Files().SettingsFile);
        QCOMPARE(saved.Sizes.Main, QSize(700, 500));
        QVERIFY(saved.Sizes.MainMaximized);
        QCOMPARE(saved.Frame, std::optional<QPoint>(QPoint(30, 40)));
    }

    void maximisedByTheUserThenClosed() {
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\nwndMainLeft=30\nwndMainTop=40\n");
        TFormQuorMain &window = f.Start();
        window.show();
        QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(30, 40));
        window.showMaximized();
        QTRY_VERIFY(window.width() > MainStartingSize().width());
        QVERIFY(f.CloseWithYes());
        const MainSettings saved = MainSettings::Read(f.Files().SettingsFile);
        QCOMPARE(saved.Sizes.Main, MainStartingSize());
        QVERIFY(saved.Sizes.MainMaximized);
        QCOMPARE(saved.Frame, std::optional<QPoint>(QPoint(30, 40)));
    }

    void talkWindowsOpenWithTheSizeLastGivenToTheirKind() {
        MainWindowFixture f;
        f.WriteSettings("[Parameters]\nwndChatWidth=500\nwndChatHeight=300\n"
                        "wndChannelWidth=100\nwndChannelHeight=9000\n");
        TFormQuorMain &window = f.Start();
        TFormQuorChat *chat = window.TalkWindows().CreateChatWindow(QStringLiteral("bob"));
        QCOMPARE(chat->size(), QSize(500, 300));
        TFormQuorChannel *channel =
            window.TalkWindows().CreateChannelWindow(QString(), QStringLiteral("#x"), 0);
        // Raised to the layout's width, held to the screen's height.
        QCOMPARE(channel->size(),
                 QSize(TFormQuorChannel::StartingSize().width(), MainWindowFixture::ScreenHeight));

        chat->show();
        chat->resize(600, 350);
        QTRY_COMPARE(chat->size(), QSize(600, 350));
        // Maximising is no size the user chose for new windows.
        chat->showMaximized();
        QTRY_VERIFY(chat->width() > 600);
        chat->close();
        TFormQuorChat *next = window.TalkWindows().CreateChatWindow(QStringLiteral("carol"));
        QCOMPARE(next->size(), QSize(600, 350));

        QVERIFY(f.CloseWithYes());
        const WindowSizeSettings saved = SavedSizes(f);
        QCOMPARE(saved.Chat, QSize(600, 350));
        QCOMPARE(saved.Channel.width(), TFormQuorChannel::StartingSize().width());
    }
};

QTEST_MAIN(WindowSizesTest)
#include "WindowSizesTest.moc"
