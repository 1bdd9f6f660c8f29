// SPDX-License-Identifier: MIT
// The main window's controls as the builder lays them out in a bare window:
// places at the designed size and in a larger window, captions and hints,
// input limits, focus order, the menus and their keys.
#include "MainWindowControls.h"

#include "KeyboardTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

/// The controls that follow the window's edges, with their designed places.
QList<QPair<QWidget *, QRect>> GrowingControls(const TFormQuorMainControls &ui) {
    return {
        {ui.PageControl1, QRect(8, 64, 121, 297)},   {ui.RichEdit1, QRect(136, 8, 393, 305)},
        {ui.spbScrolling, QRect(424, 312, 105, 17)}, {ui.inpTarget, QRect(224, 320, 113, 17)},
        {ui.pnVRT, QRect(352, 320, 57, 17)},         {ui.inpSayThis, QRect(160, 344, 369, 17)},
    };
}

} // namespace

class MainWindowControlsTest : public QObject {
    Q_OBJECT

    QMainWindow FWindow;
    TFormQuorMainControls ui = BuildMainWindowControls(FWindow);

private slots:
    void controlsSitAtTheirPlaces() {
        const QList<QPair<QWidget *, QRect>> places{
            {ui.spbLogon, QRect(8, 8, 41, 22)},        {ui.spbLogoff, QRect(8, 32, 41, 22)},
            {ui.pnLoginData, QRect(48, 3, 81, 57)},    {ui.inpUserName, QRect(3, 12, 74, 14)},
            {ui.inpPassword, QRect(3, 36, 74, 14)},    {ui.PageControl1, QRect(8, 64, 121, 297)},
            {ui.RichEdit1, QRect(136, 8, 393, 305)},   {ui.spbScrolling, QRect(424, 312, 105, 17)},
            {ui.inpTarget, QRect(224, 320, 113, 17)},  {ui.pnVRT, QRect(352, 320, 57, 17)},
            {ui.inpSayThis, QRect(160, 344, 369, 17)},
        };
        for (const auto &[control, place] : places)
            QCOMPARE(control->geometry(), place);
        QCOMPARE(FWindow.centralWidget()->size(), QSize(540, 368));
        QCOMPARE(ui.Label1->pos(), QPoint(136, 320));
        QCOMPARE(ui.Label4->pos(), QPoint(136, 344));
    }

    void captionsHintsAndLimits() {
        QCOMPARE(ui.spbLogon->text(), QStringLiteral("Logon"));
        QCOMPARE(ui.Label2->text(), QStringLiteral("user name"));
        QCOMPARE(ui.inpUserName->toolTip(), QStringLiteral("Login name"));
        QCOMPARE(ui.inpPassword->echoMode(), QLineEdit::Password);
        QCOMPARE(ui.inpTarget->toolTip(),
                 QStringLiteral("type in the name of a user or drag one of your contacts"));
        for (QLineEdit *input : {ui.inpUserName, ui.inpPassword, ui.inpTarget})
            QCOMPARE(input->maxLength(), 32);
        QCOMPARE(ui.pnVRT->text(), QStringLiteral("VRT..."));
        QCOMPARE(ui.pnVRT->toolTip(), QStringLiteral("Virtual Reality Time"));
        QCOMPARE(ui.PageControl1->tabText(0), QStringLiteral("Contacts"));
        QCOMPARE(ui.PageControl1->tabText(1), QStringLiteral("Channels"));
        QCOMPARE(ui.Timer1->interval(), 1000);
        QVERIFY(!ui.Timer1->isActive());
    }

    void growingWindowGivesTheRoomToLogPanesAndInputs() {
        QMainWindow window;
        const TFormQuorMainControls grown = BuildMainWindowControls(window);
        window.show();
        QWidget *client = window.centralWidget();
        QCOMPARE(client->minimumSize(), QSize(540, 368));
        QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        const QSize extra(200, 100);
        window.resize(window.size() + extra);
        QTRY_COMPARE(client->size(), QSize(540, 368) + extra);

        const QList<QRect> expected{
            QRect(8, 64, 121, 397),    // the panes take the height
            QRect(136, 8, 593, 405),   // the log both
            QRect(624, 412, 105, 17),  // the scroll toggle stays bottom right
            QRect(224, 420, 313, 17),  // the target takes the width
            QRect(552, 420, 57, 17),   // the clock stays right of it
            QRect(160, 444, 569, 17)}; // the say input takes the width
        const QList<QPair<QWidget *, QRect>> controls = GrowingControls(grown);
        for (qsizetype i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i].first->geometry(), expected[i]);
        QCOMPARE(grown.Label1->pos(), QPoint(136, 420));
        QCOMPARE(grown.Label4->pos(), QPoint(136, 444));
        QCOMPARE(grown.pnLoginData->geometry(), QRect(48, 3, 81, 57));
        QCOMPARE(grown.spbLogoff->geometry(), QRect(8, 32, 41, 22));

        // Back at the designed size everything is where it was designed.
        window.resize(window.size() - extra);
        QTRY_COMPARE(client->size(), QSize(540, 368));
        for (const auto &[control, place] : GrowingControls(grown))
            QCOMPARE(control->geometry(), place);
    }

    void tabFollowsTheDescribedOrderThenTheButtons() {
        QVERIFY(ShowActive(FWindow));
        const QList<QWidget *> expected{
            ui.inpPassword, ui.inpTarget,  ui.inpSayThis,   ui.PageControl1->tabBar(),
            ui.ListView1,   ui.RichEdit1,  ui.spbScrolling, ui.spbLogon,
            ui.spbLogoff,   ui.inpUserName};
        QCOMPARE(TabChain(ui.inpUserName, int(expected.size())), expected);
        // On the channels page its pane takes the contacts pane's turn.
        ui.PageControl1->setCurrentWidget(ui.Channels);
        const QList<QWidget *> channels = TabChain(ui.PageControl1->tabBar(), 2);
        ui.PageControl1->setCurrentWidget(ui.TabSheet1);
        QCOMPARE(channels, (QList<QWidget *>{ui.ListView2, ui.RichEdit1}));
    }

    void everyMenuItemIsReachedByItsAccessKeys() {
        QVERIFY(ShowActive(FWindow));
        const QList<QAction *> menus = FWindow.menuBar()->actions();
        QCOMPARE(QString(AccessKey(menus[0]->text())) + AccessKey(menus[1]->text()) +
                     AccessKey(menus[2]->text()),
                 QStringLiteral("FCH"));
        for (QAction *menu : menus) {
            QVERIFY2(AccessKeysUniqueAndComplete(menu->menu()), qPrintable(menu->text()));
            for (QAction *item : MenuItems(menu->menu())) {
                QSignalSpy triggered(item, &QAction::triggered);
                QTest::keyClick(&FWindow, AccessKey(menu->text()).toLatin1(), Qt::AltModifier);
                QTRY_VERIFY(menu->menu()->isVisible());
                QTest::keyClick(menu->menu(), AccessKey(item->text()).toLatin1());
                QVERIFY2(triggered.count() == 1, qPrintable(item->text()));
                QTRY_VERIFY(!menu->menu()->isVisible());
            }
        }
        for (const QMenu *popup : {ui.PopupMenu1, ui.PopupMenu2})
            QVERIFY(AccessKeysUniqueAndComplete(popup));
    }

    void ctrlQAsksForExitFromAnyWindowOfTheProgram() {
        QCOMPARE(ui.mnuExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        QSignalSpy triggered(ui.mnuExit, &QAction::triggered);
        QVERIFY(ShowActive(FWindow));
        QTest::keyClick(ui.RichEdit1, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QWidget other;
        QVERIFY(ShowActive(other));
        QTest::keyClick(&other, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 2);
    }

    void menuKeyOpensThePaneMenus() {
        QVERIFY(ShowActive(FWindow));
        for (const auto &[pane, menu] :
             {qMakePair(ui.ListView1, ui.PopupMenu1), qMakePair(ui.ListView2, ui.PopupMenu2)}) {
            QTest::keyClick(pane, Qt::Key_F10, Qt::ShiftModifier);
            QTRY_VERIFY(menu->isVisible());
            menu->close();
        }
    }

    void menusInOrderWithSeparators() {
        const QList<QAction *> menus = FWindow.menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(VisibleCaption(menus[0]->text()), QStringLiteral("File"));
        QCOMPARE(VisibleCaption(menus[1]->text()), QStringLiteral("Communicate"));
        QCOMPARE(VisibleCaption(menus[2]->text()), QStringLiteral("Help"));
        QCOMPARE(VisibleCaptions(menus[0]->menu()),
                 (QStringList{"Create a Quor account ...", "Forgot Password ...", "Log Chat",
                              "Settings ...", "-", "Exit"}));
        QCOMPARE(VisibleCaptions(menus[1]->menu()),
                 (QStringList{"Join Channel ...", "Invite User to Channel ...", "List Channels",
                              "-", "Ping User ...", "User Status ...", "-", "User Profile ...", "-",
                              "Search history ..."}));
        QCOMPARE(VisibleCaptions(menus[2]->menu()),
                 (QStringList{"Quor SDK", "Quor Delphi", "Contact Author", "-", "About"}));
        QCOMPARE(VisibleCaptions(ui.PopupMenu1),
                 (QStringList{"Open Chat ...", "Ping User ...", "User Status ...", "-",
                              "Invite User to Channel ...", "-", "Add Contact ...",
                              "Delete Contact ..."}));
        QCOMPARE(VisibleCaptions(ui.PopupMenu2),
                 (QStringList{"Join Channel ...", "Invite User to Channel ..."}));
        QVERIFY(ui.mnuLogChat->isCheckable());
        QCOMPARE(ui.mnuSettings->shortcut(), QKeySequence(QStringLiteral("Ctrl+,")));
    }

    void sessionCommandsSwitchTogether() {
        EnableSessionCommands(ui, false);
        for (QAction *item : {ui.mnuJoinChannel, ui.mnuJoinChannel2, ui.mnuListChannels,
                              ui.mnuUserStatus, ui.mnuUserStatus1, ui.mnuPingUser, ui.mnuPingUser1,
                              ui.mnuInviteUser1, ui.mnuOpenChat, ui.mnuSearchHistory})
            QVERIFY2(!item->isEnabled(), qPrintable(item->text()));
        for (QAction *item : {ui.mnuInviteUser2, ui.mnuInviteUser3, ui.mnuAddContact1,
                              ui.mnuUserProfile, ui.mnuExit})
            QVERIFY2(item->isEnabled(), qPrintable(item->text()));
        EnableSessionCommands(ui, true);
        QVERIFY(ui.mnuOpenChat->isEnabled());
    }
};

QTEST_MAIN(MainWindowControlsTest)
#include "MainWindowControlsTest.moc"
