// SPDX-License-Identifier: MIT
#include "MainWindowControls.h"

#include "AnchoredControls.h"
#include "ContactIcons.h"
#include "FormFont.h"
#include "LinePane.h"
#include "PaneKeys.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

/// The translation context of the main window's controls.
struct MainWindowControls {
    Q_DECLARE_TR_FUNCTIONS(MainWindowControls)
};

namespace {

constexpr int MaxInputLength = 32;
constexpr int ClientWidth = 540;
constexpr int ClientHeight = 368;

QToolButton *FlatButton(QWidget *parent, const QString &caption, const QRect &geometry) {
    auto *button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    return button;
}

QLineEdit *LimitedEdit(QWidget *parent, const QRect &geometry, const QString &hint) {
    auto *edit = new QLineEdit(parent);
    edit->setGeometry(geometry);
    edit->setToolTip(hint);
    edit->setMaxLength(MaxInputLength);
    return edit;
}

QLabel *Label(QWidget *parent, const QString &caption, int left, int top) {
    auto *label = new QLabel(caption, parent);
    label->move(left, top);
    return label;
}

/// A report-style list filling its tab page, with one column.
QTreeWidget *ReportView(QWidget *page, const QString &column) {
    auto *view = new QTreeWidget(page);
    view->setColumnCount(1);
    view->setHeaderLabels({column});
    view->header()->resizeSection(0, 200);
    view->setRootIsDecorated(false);
    view->setIconSize(QSize(ContactIconSize, ContactIconSize));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setDragEnabled(true);
    view->setDragDropMode(QAbstractItemView::DragOnly);
    auto *fill = new QGridLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(view);
    return view;
}

void BuildLogin(TFormQuorMainControls &ui, QWidget *client) {
    ui.spbLogon = FlatButton(client, MainWindowControls::tr("Logon"), QRect(8, 8, 41, 22));
    ui.spbLogoff = FlatButton(client, MainWindowControls::tr("Logoff"), QRect(8, 32, 41, 22));
    ui.pnLoginData = new QWidget(client);
    ui.pnLoginData->setGeometry(48, 3, 81, 57);
    ui.Label2 = Label(ui.pnLoginData, MainWindowControls::tr("user name"), 3, -1);
    ui.inpUserName =
        LimitedEdit(ui.pnLoginData, QRect(3, 12, 74, 14), MainWindowControls::tr("Login name"));
    ui.inpUserName->setFrame(false);
    ui.Label3 = Label(ui.pnLoginData, MainWindowControls::tr("password"), 3, 23);
    ui.inpPassword =
        LimitedEdit(ui.pnLoginData, QRect(3, 36, 74, 14), MainWindowControls::tr("Password"));
    ui.inpPassword->setFrame(false);
    ui.inpPassword->setEchoMode(QLineEdit::Password);
}

void BuildPanes(TFormQuorMainControls &ui, QWidget *client) {
    ui.PageControl1 = new QTabWidget(client);
    ui.PageControl1->setGeometry(8, 64, 121, 297);
    // Both tabs must show in the narrow pane: no scroll arrows, and tabs only
    // as wide as their captions need.
    ui.PageControl1->setUsesScrollButtons(false);
    ui.PageControl1->tabBar()->setExpanding(false);
    ui.PageControl1->tabBar()->setFont(FormFont(QStringLiteral("Arial"), 7));
    ui.TabSheet1 = new QWidget;
    ui.ListView1 = ReportView(ui.TabSheet1, MainWindowControls::tr("Name"));
    ui.PageControl1->addTab(ui.TabSheet1, MainWindowControls::tr("Contacts"));
    ui.Channels = new QWidget;
    ui.ListView2 = ReportView(ui.Channels, MainWindowControls::tr("In Use"));
    ui.PageControl1->addTab(ui.Channels, MainWindowControls::tr("Channels"));

    ui.RichEdit1 = new QTextEdit(client);
    ui.RichEdit1->setGeometry(136, 8, 393, 305);
    ui.RichEdit1->setReadOnly(true);
    ui.RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui.RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui.spbScrolling = FlatButton(client, LinePane::ModeCaption(false), QRect(424, 312, 105, 17));
}

void BuildSayLine(TFormQuorMainControls &ui, QWidget *client) {
    ui.Label1 = Label(client, MainWindowControls::tr("Talk / telegram to"), 136, 320);
    ui.inpTarget = LimitedEdit(
        client, QRect(224, 320, 113, 17),
        MainWindowControls::tr("type in the name of a user or drag one of your contacts"));
    ui.pnVRT = new QLabel(QStringLiteral("VRT..."), client);
    ui.pnVRT->setGeometry(352, 320, 57, 17);
    ui.pnVRT->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.pnVRT->setAlignment(Qt::AlignCenter);
    ui.pnVRT->setToolTip(MainWindowControls::tr("Virtual Reality Time"));
    ui.Label4 = Label(client, MainWindowControls::tr("say"), 136, 344);
    ui.inpSayThis = new QLineEdit(client);
    ui.inpSayThis->setGeometry(160, 344, 369, 17);
}

// Every menu and item has an access key (the letter after "&", shown
// underlined), none used twice within one menu.
void BuildMenus(TFormQuorMainControls &ui, QMainWindow &window) {
    QMenu *file = window.menuBar()->addMenu(MainWindowControls::tr("&File"));
    ui.mnuCreateaQuoraccount =
        file->addAction(MainWindowControls::tr("&Create a Quor account ..."));
    ui.mnuReqPassword = file->addAction(MainWindowControls::tr("&Forgot Password ..."));
    ui.mnuLogChat = file->addAction(MainWindowControls::tr("&Log Chat"));
    ui.mnuLogChat->setCheckable(true);
    ui.mnuSettings = file->addAction(MainWindowControls::tr("&Settings ..."));
    ui.mnuSettings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    file->addSeparator();
    ui.mnuExit = file->addAction(MainWindowControls::tr("E&xit"));
    // From any of the program's windows; closing asks the exit question.
    ui.mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui.mnuExit->setShortcutContext(Qt::ApplicationShortcut);

    QMenu *communicate = window.menuBar()->addMenu(MainWindowControls::tr("&Communicate"));
    ui.mnuJoinChannel = communicate->addAction(MainWindowControls::tr("&Join Channel ..."));
    ui.mnuInviteUser1 =
        communicate->addAction(MainWindowControls::tr("&Invite User to Channel ..."));
    ui.mnuListChannels = communicate->addAction(MainWindowControls::tr("&List Channels"));
    communicate->addSeparator();
    ui.mnuPingUser = communicate->addAction(MainWindowControls::tr("&Ping User ..."));
    ui.mnuUserStatus = communicate->addAction(MainWindowControls::tr("User &Status ..."));
    communicate->addSeparator();
    ui.mnuUserProfile = communicate->addAction(MainWindowControls::tr("&User Profile ..."));
    communicate->addSeparator();
    ui.mnuSearchHistory = communicate->addAction(MainWindowControls::tr("Search &history ..."));

    QMenu *help = window.menuBar()->addMenu(MainWindowControls::tr("&Help"));
    ui.mnuQuorSDK = help->addAction(MainWindowControls::tr("Quor &SDK"));
    ui.mnuQuorDelphi = help->addAction(MainWindowControls::tr("Quor &Delphi"));
    ui.mnuContactAuthor = help->addAction(MainWindowControls::tr("&Contact Author"));
    help->addSeparator();
    ui.mnuAbout = help->addAction(MainWindowControls::tr("&About"));

    ui.PopupMenu1 = new QMenu(&window);
    ui.mnuOpenChat = ui.PopupMenu1->addAction(MainWindowControls::tr("&Open Chat ..."));
    ui.mnuPingUser1 = ui.PopupMenu1->addAction(MainWindowControls::tr("&Ping User ..."));
    ui.mnuUserStatus1 = ui.PopupMenu1->addAction(MainWindowControls::tr("User &Status ..."));
    ui.PopupMenu1->addSeparator();
    ui.mnuInviteUser3 =
        ui.PopupMenu1->addAction(MainWindowControls::tr("&Invite User to Channel ..."));
    ui.PopupMenu1->addSeparator();
    ui.mnuAddContact1 = ui.PopupMenu1->addAction(MainWindowControls::tr("&Add Contact ..."));
    ui.mnuDeleteContact1 = ui.PopupMenu1->addAction(MainWindowControls::tr("&Delete Contact ..."));
    AttachPaneKeys(ui.ListView1, ui.PopupMenu1);

    ui.PopupMenu2 = new QMenu(&window);
    ui.mnuJoinChannel2 = ui.PopupMenu2->addAction(MainWindowControls::tr("&Join Channel ..."));
    ui.mnuInviteUser2 =
        ui.PopupMenu2->addAction(MainWindowControls::tr("&Invite User to Channel ..."));
    AttachPaneKeys(ui.ListView2, ui.PopupMenu2);
}

/// Beyond the designed size the log pane takes the extra width and height,
/// the panes the extra height and the two inputs the extra width; the
/// controls under the log stay at the bottom, the clock and the scroll
/// toggle at the right. The login controls keep their corner.
void AnchorControls(const TFormQuorMainControls &ui, QWidget *client) {
    auto *anchors = new AnchoredControls(client, QSize(ClientWidth, ClientHeight));
    const Qt::Edges all = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;
    const Qt::Edges bottomLeft = Qt::LeftEdge | Qt::BottomEdge;
    const Qt::Edges bottomRight = Qt::RightEdge | Qt::BottomEdge;
    const Qt::Edges bottomWide = Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge;
    const QList<QPair<QWidget *, Qt::Edges>> controls{
        {ui.PageControl1, Qt::LeftEdge | Qt::TopEdge | Qt::BottomEdge},
        {ui.RichEdit1, all},
        {ui.spbScrolling, bottomRight},
        {ui.Label1, bottomLeft},
        {ui.inpTarget, bottomWide},
        {ui.pnVRT, bottomRight},
        {ui.Label4, bottomLeft},
        {ui.inpSayThis, bottomWide},
    };
    for (const auto &[control, edges] : controls)
        anchors->Add(control, edges);
}

/// What a screen reader says of each control: the inputs are named by the
/// labels beside them; the rest get names, and descriptions where the name
/// alone does not tell what the control does.
void NameControls(const TFormQuorMainControls &ui) {
    ui.Label2->setBuddy(ui.inpUserName);
    ui.Label3->setBuddy(ui.inpPassword);
    ui.Label1->setBuddy(ui.inpTarget);
    ui.Label4->setBuddy(ui.inpSayThis);
    ui.inpSayThis->setAccessibleDescription(
        MainWindowControls::tr("The text to send to the user or channel named above"));
    ui.spbLogon->setAccessibleDescription(
        MainWindowControls::tr("Log on to the Quor server with the user name and password"));
    ui.spbLogoff->setAccessibleDescription(MainWindowControls::tr("Log off from the Quor server"));
    ui.PageControl1->tabBar()->setAccessibleName(MainWindowControls::tr("Contacts and channels"));
    ui.ListView1->setAccessibleName(MainWindowControls::tr("Contacts"));
    ui.ListView1->setAccessibleDescription(
        MainWindowControls::tr("Your contacts with their status; open a chat from the menu"));
    ui.ListView2->setAccessibleName(MainWindowControls::tr("Channels"));
    ui.ListView2->setAccessibleDescription(MainWindowControls::tr("The channels you are in"));
    ui.RichEdit1->setAccessibleName(MainWindowControls::tr("Event log"));
    ui.RichEdit1->setAccessibleDescription(
        MainWindowControls::tr("Connections, channels and texts, the newest last"));
    ui.spbScrolling->setAccessibleName(MainWindowControls::tr("Scroll mode"));
}

/// Tab follows the described order: the login inputs, the target, the say
/// input, the tabs and the pane on the shown page, the log; then the
/// buttons, which have no place in it, so that they are reached too.
/// Hidden and disabled controls are passed over.
void SetFocusOrder(const TFormQuorMainControls &ui) {
    // The tab widget's tab bar is the stop that stands for it; the tab
    // widget itself, which would hand the focus to its tab bar a second
    // time, is no stop (its policy passes on to the tab bar, whose own is
    // set again after it).
    ui.PageControl1->setFocusPolicy(Qt::NoFocus);
    ui.PageControl1->tabBar()->setFocusPolicy(Qt::TabFocus);
    const QList<QWidget *> order{
        ui.inpUserName, ui.inpPassword, ui.inpTarget, ui.inpSayThis,   ui.PageControl1->tabBar(),
        ui.ListView1,   ui.ListView2,   ui.RichEdit1, ui.spbScrolling, ui.spbLogon,
        ui.spbLogoff};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

} // namespace

TFormQuorMainControls BuildMainWindowControls(QMainWindow &window) {
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    window.setFont(FormFont(QStringLiteral("Arial")));
    auto *client = new QWidget(&window);
    client->resize(ClientWidth, ClientHeight);
    client->setBackgroundRole(QPalette::Button);
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);

    TFormQuorMainControls ui;
    BuildLogin(ui, client);
    BuildPanes(ui, client);
    BuildSayLine(ui, client);
    AnchorControls(ui, client);
    NameControls(ui);
    SetFocusOrder(ui);
    ui.Timer1 = new QTimer(&window);
    ui.Timer1->setInterval(1000);
    BuildMenus(ui, window);
    return ui;
}

void EnableSessionCommands(const TFormQuorMainControls &ui, bool enabled) {
    for (QAction *item : {ui.mnuJoinChannel, ui.mnuJoinChannel2, ui.mnuListChannels,
                          ui.mnuUserStatus, ui.mnuUserStatus1, ui.mnuPingUser, ui.mnuPingUser1,
                          ui.mnuInviteUser1, ui.mnuOpenChat, ui.mnuSearchHistory})
        item->setEnabled(enabled);
}

void SetPaneColour(const TFormQuorMainControls &ui, const QColor &colour) {
    for (QWidget *pane :
         {static_cast<QWidget *>(ui.RichEdit1), static_cast<QWidget *>(ui.ListView1)}) {
        QPalette palette = pane->palette();
        palette.setColor(QPalette::Base, colour);
        pane->setPalette(palette);
    }
}

QString SelectedCaption(const QTreeWidget *pane) {
    const QList<QTreeWidgetItem *> selected = pane->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}
