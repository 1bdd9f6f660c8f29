// SPDX-License-Identifier: MIT
#include "TalkWindow.h"

#include "AnchoredControls.h"
#include "DisplayText.h"
#include "FormFont.h"
#include "LineInputKeys.h"
#include "LongTextGuard.h"
#include "PaneZoom.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

/// The pane shows its selection in the same colours with or without focus.
void KeepSelectionVisible(QPlainTextEdit *pane) {
    QPalette palette = pane->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    pane->setPalette(palette);
}

} // namespace

TQuorTalkWindow::TQuorTalkWindow(const TalkWindowLayout &layout, const QString &lineStartSuffix)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowCloseButtonHint),
      Edit1(new QLineEdit(this)), Memo1(new QPlainTextEdit(this)),
      SpeedButton1(new QToolButton(this)), FPane(Memo1),
      FAnchors(new AnchoredControls(this, layout.ClientSize)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window, whatever talk windows are open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(layout.ClientSize);
    setFont(FormFont(layout.WindowFont));

    Edit1->setGeometry(layout.Edit1);
    Edit1->setAccessibleName(tr("Your text"));
    Edit1->setAccessibleDescription(
        tr("Enter sends the text; Up and Down bring back the texts sent before"));
    Edit1->setFont(FormFont(QStringLiteral("Arial")));
    Edit1->installEventFilter(this);
    // Installed after the window's own filter, so it sees the keys first.
    new LineInputKeys(
        Edit1, [this] { return CompletionNames(); }, lineStartSuffix);
    new LongTextGuard(
        Edit1, [this] { return SendTarget(); },
        [this](const QString &line) { return SendLine(line); });

    Memo1->setGeometry(layout.Memo1);
    Memo1->setFont(FormFont(QStringLiteral("Arial")));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Text can be selected and copied from the keyboard too.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    KeepSelectionVisible(Memo1);

    SpeedButton1->setGeometry(layout.SpeedButton1);
    SpeedButton1->setAccessibleName(tr("Scrolling or frozen"));
    SpeedButton1->setAutoRaise(true);
    // Reached with Tab (Space toggles it); a click leaves the focus in the input.
    SpeedButton1->setFocusPolicy(Qt::TabFocus);
    QFont tiny = font();
    tiny.setPixelSize(8);
    SpeedButton1->setFont(tiny);
    connect(SpeedButton1, &QToolButton::clicked, this, &TQuorTalkWindow::SpeedButton1Click);

    Anchor(Memo1, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    Anchor(SpeedButton1, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    Anchor(Edit1, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);

    auto *closeWindow = new QAction(this);
    closeWindow->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeWindow, &QAction::triggered, this, &QWidget::close);
    addAction(closeWindow);

    setTabOrder(Edit1, Memo1);
    setTabOrder(Memo1, SpeedButton1);
    setFocusProxy(Edit1);
    FormCreate();
}

void TQuorTalkWindow::Anchor(QWidget *control, Qt::Edges edges) {
    FAnchors->Add(control, edges);
}

void TQuorTalkWindow::FormCreate() {
    Memo1->clear();
    Edit1->clear();
    Edit1->setMaxLength(MaxInputLength);
    SetFrozen(false);
}

void TQuorTalkWindow::SetOwnName(const QString &name) {
    OwnName = name;
    UpdateCaption();
}

void TQuorTalkWindow::SetUnreadCount(int count) {
    FUnreadCount = count;
    UpdateCaption();
}

void TQuorTalkWindow::NamePane(const QString &name) {
    Memo1->setAccessibleName(name);
}

void TQuorTalkWindow::ShowTitle(const QString &title) {
    setWindowTitle(FUnreadCount > 0 ? QStringLiteral("(%1) %2").arg(FUnreadCount).arg(title)
                                    : title);
}

void TQuorTalkWindow::AddLine(const QString &text) {
    FPane.AddLine(text);
}

void TQuorTalkWindow::FollowZoom(PaneZoom &zoom) {
    zoom.Attach(this, FPane);
}

void TQuorTalkWindow::SetFrozen(bool frozen) {
    FPane.SetFrozen(frozen);
    SpeedButton1->setText(LinePane::ModeCaption(frozen));
    SpeedButton1->setAccessibleDescription(
        frozen ? tr("Frozen: the texts stay still when lines arrive; Space lets them scroll")
               : tr("Scrolling: the texts follow the newest line; Space freezes them"));
}

void TQuorTalkWindow::SpeedButton1Click() {
    SetFrozen(!IsFrozen());
}

bool TQuorTalkWindow::Edit1KeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // The text goes out as typed, blanks included.
    const QString text = Edit1->text();
    if (text.isEmpty() || !OnSendText)
        return true;
    if (SendLine(text))
        Edit1->clear();
    return true;
}

bool TQuorTalkWindow::SendLine(const QString &text) {
    if (!OnSendText)
        return false;
    if (!CanSend()) {
        if (OnCannotSend)
            OnCannotSend(SendTarget());
        return false;
    }
    if (!OnSendText(OwnName, SendTarget(), text))
        return false;
    const QString line = hbquor::SaidLine(OwnName, text);
    AddLine(FSaidLineForm ? FSaidLineForm(line) : line);
    return true;
}

void TQuorTalkWindow::ShowInFront(bool restoreIfMinimised) {
    if (restoreIfMinimised && isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

bool TQuorTalkWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        return Edit1KeyDown(static_cast<QKeyEvent *>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void TQuorTalkWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit Activated();
}

void TQuorTalkWindow::closeEvent(QCloseEvent *event) {
    NotifyClosed();
    event->accept();
}
