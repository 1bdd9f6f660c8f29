// SPDX-License-Identifier: MIT
#include "UnitQuorChannel.h"

#include "FillFields.h"
#include "InviteDialogEvent.h"
#include "NameText.h"
#include "PaneKeys.h"
#include "UnitQuorChat.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include <iterator>

namespace {

const TalkWindowLayout ChannelLayout{
    .ClientSize = QSize(474, 249),
    .Edit1 = QRect(8, 224, 457, 22),
    .Memo1 = QRect(120, 8, 345, 209),
    .SpeedButton1 = QRect(8, 216, 457, 9),
    .WindowFont = QStringLiteral("Arial"),
};

constexpr int MemberColumnWidth = 200;

/// The channel types' names, indexed by type; the last one stands for any
/// other number.
const char *const ChannelTypeWords[] = {
    QT_TRANSLATE_NOOP("TFormQuorChannel", "Standard"),
    QT_TRANSLATE_NOOP("TFormQuorChannel", "Invite-only"),
    QT_TRANSLATE_NOOP("TFormQuorChannel", "Passworded"),
    QT_TRANSLATE_NOOP("TFormQuorChannel", "Unknown"),
};

const char *ChannelTypeWord(int type) {
    constexpr int unknown = std::size(ChannelTypeWords) - 1;
    return ChannelTypeWords[type >= 0 && type < unknown ? type : unknown];
}

/// Runs an "open conversation" action; whatever goes wrong opens nothing and
/// is not reported, as the member list offers it only as a convenience.
template <typename Action> void IgnoringErrors(Action action) {
    try {
        action();
    } catch (...) {
    }
}

} // namespace

TFormQuorChannel::TFormQuorChannel()
    : TQuorTalkWindow(ChannelLayout, QStringLiteral(": ")), ListView1(new QTreeWidget(this)),
      PopupMenu1(new QMenu(this)), mnuOpenChat(PopupMenu1->addAction(tr("&Open Chat"))),
      InviteUsertoChannel1(PopupMenu1->addAction(tr("&Invite User to Channel ..."))) {
    ListView1->setGeometry(8, 8, 105, 209);
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({tr("Joined")});
    ListView1->setAccessibleName(tr("Members"));
    ListView1->setAccessibleDescription(
        tr("Enter opens a conversation with the member; the Menu key shows more"));
    ListView1->header()->setStretchLastSection(false);
    ListView1->setColumnWidth(0, MemberColumnWidth);
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setDragEnabled(true);
    ListView1->setDragDropMode(QAbstractItemView::DragOnly);
    AttachPaneKeys(ListView1, PopupMenu1);
    // The member list takes the extra height beside the pane.
    Anchor(ListView1, Qt::LeftEdge | Qt::TopEdge | Qt::BottomEdge);
    setTabOrder(Memo1, ListView1);

    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &TFormQuorChannel::ListView1DblClick);
    connect(mnuOpenChat, &QAction::triggered, this, &TFormQuorChannel::mnuOpenChatClick);
    connect(InviteUsertoChannel1, &QAction::triggered, this,
            &TFormQuorChannel::InviteUsertoChannel1Click);
    UpdateCaption();
}

QStringList TFormQuorChannel::CompletionNames() const {
    QStringList names = MemberNames();
    names.removeIf(
        [this](const QString &name) { return hbquor::SameNameIgnoringCase(name, OwnName); });
    return names + KnownNames();
}

QSize TFormQuorChannel::StartingSize() {
    return ChannelLayout.ClientSize;
}

QString TFormQuorChannel::ChannelTypeName(int type) {
    return QString::fromLatin1(ChannelTypeWord(type));
}

QString TFormQuorChannel::ShownChannelTypeName(int type) {
    return tr(ChannelTypeWord(type));
}

void TFormQuorChannel::SetChannelName(const QString &name) {
    ChannelName = name;
    UpdateCaption();
}

void TFormQuorChannel::SetChannelType(int type) {
    ChannelType = type;
    UpdateCaption();
}

void TFormQuorChannel::SetChannelInfo(const QString &info) {
    ChannelInfo = info;
    UpdateCaption();
}

void TFormQuorChannel::SetChannelInfoExtra(const QString &info) {
    ChannelInfoExtra = info;
    UpdateCaption();
}

void TFormQuorChannel::UpdateCaption() {
    const QString info = ChannelInfo.isEmpty() ? QString() : FillFields("(%s) ", {ChannelInfo});
    ShowTitle(FillFields(tr("%s channel %s %s- %s"),
                         {ShownChannelTypeName(ChannelType), ChannelName, info, OwnName}));
    NamePane(FillFields(tr("Texts in %s"), {ChannelName}));
}

int TFormQuorChannel::FindMember(const QString &name) const {
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        if (hbquor::SameNameIgnoringCase(ListView1->topLevelItem(i)->text(0), name))
            return i;
    }
    return -1;
}

void TFormQuorChannel::MemberJoined(const QString &user) {
    AddLine(FillFields(tr("* %s joined"), {user}));
    if (FindMember(user) >= 0)
        return;
    // Inserting at the sorted place keeps the whole list sorted.
    int at = 0;
    while (at < ListView1->topLevelItemCount() &&
           !hbquor::NameSortsBefore(user, ListView1->topLevelItem(at)->text(0)))
        ++at;
    ListView1->setUpdatesEnabled(false);
    ListView1->insertTopLevelItem(at, new QTreeWidgetItem(QStringList{user}));
    ListView1->setUpdatesEnabled(true);
}

void TFormQuorChannel::MemberLeft(const QString &user) {
    AddLine(FillFields(tr("* %s left"), {user}));
    const int at = FindMember(user);
    if (at < 0)
        return;
    ListView1->setUpdatesEnabled(false);
    delete ListView1->takeTopLevelItem(at);
    ListView1->setUpdatesEnabled(true);
}

QStringList TFormQuorChannel::MemberNames() const {
    QStringList names;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        names << ListView1->topLevelItem(i)->text(0);
    return names;
}

int TFormQuorChannel::MemberCount() const {
    return ListView1->topLevelItemCount();
}

void TFormQuorChannel::SetChatWindowHooks(ChatWindowLookup findChatWindow,
                                          ChatWindowLookup createChatWindow) {
    FFindChatWindow = std::move(findChatWindow);
    FCreateChatWindow = std::move(createChatWindow);
}

QString TFormQuorChannel::SelectedMember() const {
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(0);
}

void TFormQuorChannel::ListView1DblClick() {
    if (ListView1->selectedItems().isEmpty())
        return;
    const QString name = SelectedMember();
    IgnoringErrors([&] {
        if (TFormQuorChat *existing = FFindChatWindow ? FFindChatWindow(name) : nullptr) {
            existing->ShowInFront(true);
            return;
        }
        if (name.isEmpty() || !FCreateChatWindow)
            return;
        if (TFormQuorChat *created = FCreateChatWindow(name))
            created->ShowInFront(false);
    });
}

void TFormQuorChannel::mnuOpenChatClick() {
    const QString name = SelectedMember();
    if (name.isEmpty() || !FCreateChatWindow)
        return;
    IgnoringErrors([&] {
        if (TFormQuorChat *window = FCreateChatWindow(name))
            window->ShowInFront(false);
    });
}

void TFormQuorChannel::InviteUsertoChannel1Click() {
    // Posted, not sent: the dialog opens after this menu command has ended.
    if (FInviteDialogTarget)
        QCoreApplication::postEvent(FInviteDialogTarget,
                                    new TInviteDialogEvent(QString(), ChannelName));
}

void TFormQuorChannel::NotifyClosed() {
    if (OnClose)
        OnClose(*this);
}
