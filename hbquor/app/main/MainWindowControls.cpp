// SPDX-License-Identifier: MIT
#include "MainWindowControls.h"

#include "AnchoredControls.h"
#include "ContactIcons.h"
#include "FormFont.h"
#include "LinePane.h"
#include "PaneKeys.h"

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
    ui.spbLogon = FlatButton(client, QStringLiteral("Logon"), QRect(8, 8, 41, 22));
    ui.spbLogoff = FlatButton(client, QStringLiteral("Logoff"), QRect(8, 32, 41, 22));
    ui.pnLoginData = new QWidget(client);
    ui.pnLoginData->setGeometry(48, 3, 81, 57);
    ui.Label2 = Label(ui.pnLoginData, QStringLiteral("user name"), 3, -1);
    ui.inpUserName =
        LimitedEdit(ui.pnLoginData, QRect(3, 12, 74, 14), QStringLiteral("Login name"));
    ui.inpUserName->setFrame(false);
    ui.Label3 = Label(ui.pnLoginData, QStringLiteral("password"), 3, 23);
    ui.inpPassword = LimitedEdit(ui.pnLoginData, QRect(3, 36, 74, 14), QStringLiteral("Password"));
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
    ui.ListView1 = ReportView(ui.TabSheet1, QStringLiteral("Name"));
    ui.PageControl1->addTab(ui.TabSheet1, QStringLiteral("Contacts"));
    ui.Channels = new QWidget;
    ui.ListView2 = ReportView(ui.Channels, QStringLiteral("In Use"));
    ui.PageControl1->addTab(ui.Channels, QStringLiteral("Channels"));

    ui.RichEdit1 = new QTextEdit(client);
    ui.RichEdit1->setGeometry(136, 8, 393, 305);
    ui.RichEdit1->setReadOnly(true);
    ui.RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui.RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui.spbScrolling = FlatButton(client, LinePane::ModeCaption(false), QRect(424, 312, 105, 17));
}

void BuildSayLine(TFormQuorMainControls &ui, QWidget *client) {
    ui.Label1 = Label(client, QStringLiteral("Talk / telegram to"), 136, 320);
    ui.inpTarget =
        LimitedEdit(client, QRect(224, 320, 113, 17),
                    QStringLiteral("type in the name of a user or drag one of your contacts"));
    ui.pnVRT = new QLabel(QStringLiteral("VRT..."), client);
    ui.pnVRT->setGeometry(352, 320, 57, 17);
    ui.pnVRT->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.pnVRT->setAlignment(Qt::AlignCenter);
    ui.pnVRT->setToolTip(QStringLiteral("Virtual Reality Time"));
    ui.Label4 = Label(client, QStringLiteral("say"), 136, 344);
    ui.inpSayThis = new QLineEdit(client);
    ui.inpSayThis->setGeometry(160, 344, 369, 17);
}

// Every menu and item has an access key (the letter after "&", shown
// underlined), none used twice within one menu.
void BuildMenus(TFormQuorMainControls &ui, QMainWindow &window) {
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    ui.mnuCreateaQuoraccount = file->addAction(QStringLiteral("&Create a Quor account ..."));
    ui.mnuReqPassword = file->addAction(QStringLiteral("&Forgot Password ..."));
    ui.mnuLogChat = file->addAction(QStringLiteral("&Log Chat"));
    ui.mnuLogChat->setCheckable(true);
    ui.mnuSettings = file->addAction(QStringLiteral("&Settings ..."));
    ui.mnuSettings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    file->addSeparator();
    ui.mnuExit = file->addAction(QStringLiteral("E&xit"));
    // From any of the program's windows; closing asks the exit question.
    ui.mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui.mnuExit->setShortcutContext(Qt::ApplicationShortcut);

    QMenu *communicate = window.menuBar()->addMenu(QStringLiteral("&Communicate"));
    ui.mnuJoinChannel = communicate->addAction(QStringLiteral("&Join Channel ..."));
    ui.mnuInviteUser1 = communicate->addAction(QStringLiteral("&Invite User to Channel ..."));
    ui.mnuListChannels = communicate->addAction(QStringLiteral("&List Channels"));
    communicate->addSeparator();
    ui.mnuPingUser = communicate->addAction(QStringLiteral("&Ping User ..."));
    ui.mnuUserStatus = communicate->addAction(QStringLiteral("User &Status ..."));
    communicate->addSeparator();
    ui.mnuUserProfile = communicate->addAction(QStringLiteral("&User Profile ..."));
    communicate->addSeparator();
    ui.mnuSearchHistory = communicate->addAction(QStringLiteral("Search &history ..."));

    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    ui.mnuQuorSDK = help->addAction(QStringLiteral("Quor &SDK"));
    ui.mnuQuorDelphi = help->addAction(QStringLiteral("Quor &Delphi"));
    ui.mnuContactAuthor = help->addAction(QStringLiteral("&Contact Author"));
    help->addSeparator();
    ui.mnuAbout = help->addAction(QStringLiteral("&About"));

    ui.PopupMenu1 = new QMenu(&window);
    ui.mnuOpenChat = ui.PopupMenu1->addAction(QStringLiteral("&Open Chat ..."));
    ui.mnuPingUser1 = ui.PopupMenu1->addAction(QStringLiteral("&Ping User ..."));
    ui.mnuUserStatus1 = ui.PopupMenu1->addAction(QStringLiteral("User &Status ..."));
    ui.PopupMenu1->addSeparator();
    ui.mnuInviteUser3 = ui.PopupMenu1->addAction(QStringLiteral("&Invite User to Channel ..."));
    ui.PopupMenu1->addSeparator();
    ui.mnuAddContact1 = ui.PopupMenu1->addAction(QStringLiteral("&Add Contact ..."));
    ui.mnuDeleteContact1 = ui.PopupMenu1->addAction(QStringLiteral("&Delete Contact ..."));
    AttachPaneKeys(ui.ListView1, ui.PopupMenu1);

    ui.PopupMenu2 = new QMenu(&window);
    ui.mnuJoinChannel2 = ui.PopupMenu2->addAction(QStringLiteral("&Join Channel ..."));
    ui.mnuInviteUser2 = ui.PopupMenu2->addAction(QStringLiteral("&Invite User to Channel ..."));
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
