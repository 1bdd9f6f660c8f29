// The main window's controls as the builder lays them out in a bare window:
// places, captions and hints, input limits, focus order and the menus.
#include "MainWindowControls.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

/// The captions of a menu's items in order, a separator as "-".
QStringList Captions(const QMenu *menu) {
    QStringList captions;
    for (const QAction *item : menu->actions())
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

/// The next widget that the Tab key moves to after widget.
QWidget *NextTabStop(QWidget *widget) {
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
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

    void focusGoesFromTheLoginInputsToTheLog() {
        const QList<QWidget *> order{ui.inpUserName, ui.inpPassword, ui.inpTarget, ui.inpSayThis,
                                     ui.PageControl1};
        for (qsizetype i = 0; i + 1 < order.size(); ++i)
            QCOMPARE(NextTabStop(order[i]), order[i + 1]);
    }

    void menusInOrderWithSeparators() {
        const QList<QAction *> menus = FWindow.menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(Captions(menus[0]->menu()),
                 (QStringList{"Create a Quor account ...", "Forgot Password ...", "Log Chat", "-",
                              "Exit"}));
        QCOMPARE(Captions(menus[1]->menu()),
                 (QStringList{"Join Channel ...", "Invite User to Channel ...", "List Channels",
                              "-", "Ping User ...", "User Status ...", "-", "User Profile ..."}));
        QCOMPARE(Captions(menus[2]->menu()),
                 (QStringList{"Quor SDK", "Quor Delphi", "Contact Author", "-", "About"}));
        QCOMPARE(Captions(ui.PopupMenu1),
                 (QStringList{"Open Chat ...", "Ping User ...", "User Status ...", "-",
                              "Invite User to Channel ...", "-", "Add Contact ...",
                              "Delete Contact ..."}));
        QCOMPARE(Captions(ui.PopupMenu2),
                 (QStringList{"Join Channel ...", "Invite User to Channel ..."}));
        QVERIFY(ui.mnuLogChat->isCheckable());
    }

    void sessionCommandsSwitchTogether() {
        EnableSessionCommands(ui, false);
        for (QAction *item : {ui.mnuJoinChannel, ui.mnuJoinChannel2, ui.mnuListChannels,
                              ui.mnuUserStatus, ui.mnuUserStatus1, ui.mnuPingUser, ui.mnuPingUser1,
                              ui.mnuInviteUser1, ui.mnuOpenChat})
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
