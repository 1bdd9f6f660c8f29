// SPDX-License-Identifier: MIT
// The channel window on its own: titles by type and information, the member
// list (sorted, one entry per name whatever its case, joined/left lines),
// sending only with company, opening conversations from the list, the
// invite-dialog request and the close handler.
#include "InviteDialogEvent.h"
#include "KeyboardTestSupport.h"
#include "TalkTestSupport.h"
#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <stdexcept>

namespace {

/// Stands in for the main window: receives the invite-dialog requests.
class InviteRequestRecorder : public QObject {
public:
    QStringList Users;
    QStringList Channels;

protected:
    bool event(QEvent *event) override {
        if (event->type() != TInviteDialogEvent::EventType())
            return QObject::event(event);
        const auto *request = static_cast<TInviteDialogEvent *>(event);
        Users << request->PendingInviteUser();
        Channels << request->PendingInviteChannel();
        return true;
    }
};

/// Stands in for the main window's conversation registry.
struct ChatRegistry {
    QList<TFormQuorChat *> Windows;
    QStringList Found;
    QStringList Created;
    bool FailCreating = false;

    ~ChatRegistry() { qDeleteAll(Windows); }

    TFormQuorChat *Find(const QString &name) {
        Found << name;
        for (TFormQuorChat *window : Windows) {
            if (window->GetPeerName().compare(name, Qt::CaseInsensitive) == 0)
                return window;
        }
        return nullptr;
    }

    TFormQuorChat *Create(const QString &name) {
        Created << name;
        if (FailCreating)
            throw std::runtime_error("cannot make the window");
        if (TFormQuorChat *existing = Find(name))
            return existing;
        auto *window = new TFormQuorChat;
        window->SetPeerName(name);
        Windows << window;
        return window;
    }

    void Install(TFormQuorChannel &channel) {
        channel.SetChatWindowHooks([this](const QString &name) { return Find(name); },
                                   [this](const QString &name) { return Create(name); });
    }
};

void AddMembers(TFormQuorChannel &window, const QStringList &names) {
    for (const QString &name : names)
        window.MemberJoined(name);
}

/// A channel window with members alice and bob whose member list opens
/// conversations through a stand-in registry.
struct MemberListFixture {
    ChatRegistry registry;
    TFormQuorChannel window;

    MemberListFixture() {
        registry.Install(window);
        AddMembers(window, {"alice", "bob"});
    }

    void Show() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

void SelectMember(TFormQuorChannel &window, int row) {
    window.ListView1->setCurrentItem(window.ListView1->topLevelItem(row));
}

void DoubleClickMember(TFormQuorChannel &window, int row) {
    QTreeWidget *list = window.ListView1;
    const QRect rect = list->visualItemRect(list->topLevelItem(row));
    const QPoint at(rect.left() + 10, rect.center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestChannelWindow : public QObject {
    Q_OBJECT

private slots:
    void windowLayoutAndMemberList();
    void titleNamesTypeChannelInfoAndOwner_data();
    void titleNamesTypeChannelInfoAndOwner();
    void infoExtraIsKeptButNotShown();
    void joinedMembersStaySortedWithoutDuplicates();
    void leftMemberIsRemovedIgnoringCase();
    void leftUnlistedMemberOnlyAddsLine();
    void enterNeedsAnotherMember();
    void enterSendsToChannelAndAddsOwnLine();
    void failedSendKeepsText();
    void paneKeepsTheLineRule();
    void doubleClickShowsAndRestoresExistingConversation();
    void doubleClickCreatesMissingConversation();
    void openChatUsesCreateAndIgnoresErrors();
    void openChatWithoutSelectionDoesNothing();
    void keyboardOpensConversationsFromTheMemberList();
    void inviteRequestIsPostedWithChannelName();
    void closeTellsHandlerOnceAndFreesWindow();
};

void TestChannelWindow::windowLayoutAndMemberList() {
    TFormQuorChannel window;
    QCOMPARE(window.size(), QSize(474, 249));
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(window.Edit1->geometry(), QRect(8, 224, 457, 22));
    QCOMPARE(window.Memo1->geometry(), QRect(120, 8, 345, 209));
    QCOMPARE(window.ListView1->geometry(), QRect(8, 8, 105, 209));
    QCOMPARE(window.SpeedButton1->geometry(), QRect(8, 216, 457, 9));
    QCOMPARE(window.font().family(), QStringLiteral("Arial"));
    QCOMPARE(window.Edit1->maxLength(), 400);
    QCOMPARE(window.SpeedButton1->text(), QStringLiteral("scrolling"));
    QCOMPARE(window.ListView1->headerItem()->text(0), QStringLiteral("Joined"));
    QCOMPARE(window.ListView1->columnWidth(0), 200);
    QVERIFY(window.ListView1->dragEnabled());
    QCOMPARE(window.ListView1->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(window.ListView1->contextMenuPolicy(), Qt::CustomContextMenu);
    const QList<QAction *> items = window.PopupMenu1->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0], window.mnuOpenChat);
    QCOMPARE(items[1], window.InviteUsertoChannel1);
    QCOMPARE(VisibleCaptions(window.PopupMenu1),
             (QStringList{"Open Chat", "Invite User to Channel ..."}));
    QVERIFY(AccessKeysUniqueAndComplete(window.PopupMenu1));
}

void TestChannelWindow::titleNamesTypeChannelInfoAndOwner_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("title");
    QTest::newRow("standard") << 0 << QString() << "Standard channel #lobby - alice";
    QTest::newRow("with info") << 0 << "x"
                               << "Standard channel #lobby (x) - alice";
    QTest::newRow("invite-only") << 1 << QString() << "Invite-only channel #lobby - alice";
    QTest::newRow("passworded") << 2 << "topic"
                                << "Passworded channel #lobby (topic) - alice";
    QTest::newRow("type 3") << 3 << QString() << "Unknown channel #lobby - alice";
    QTest::newRow("type 7") << 7 << QString() << "Unknown channel #lobby - alice";
    QTest::newRow("negative") << -1 << QString() << "Unknown channel #lobby - alice";
    QTest::newRow("percent") << 0 << "100%1"
                             << "Standard channel #lobby (100%1) - alice";
}

void TestChannelWindow::titleNamesTypeChannelInfoAndOwner() {
    QFETCH(int, type);
    QFETCH(QString, info);
    QFETCH(QString, title);
    TFormQuorChannel window;
    window.SetOwnName(QStringLiteral("alice"));
    window.SetChannelName(QStringLiteral("#lobby"));
    window.SetChannelType(type);
    window.SetChannelInfo(info);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.GetChannelType(), type);
}

void TestChannelWindow::infoExtraIsKeptButNotShown() {
    TFormQuorChannel window;
    window.SetOwnName(QStringLiteral("alice"));
    window.SetChannelName(QStringLiteral("#lobby"));
    window.SetChannelInfo(QStringLiteral("x"));
    window.SetChannelInfoExtra(QStringLiteral("hidden"));
    QCOMPARE(window.GetChannelInfoExtra(), QStringLiteral("hidden"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Standard channel #lobby (x) - alice"));
    // An empty first text takes the parentheses away again.
    window.SetChannelInfo(QString());
    QCOMPARE(window.windowTitle(), QStringLiteral("Standard channel #lobby - alice"));
}

void TestChannelWindow::joinedMembersStaySortedWithoutDuplicates() {
    TFormQuorChannel window;
    AddMembers(window, {"carol", "Bob", "alice", "dave", "BOB", "Carol"});
    QCOMPARE(window.MemberNames(), (QStringList{"alice", "Bob", "carol", "dave"}));
    QCOMPARE(window.MemberCount(), 4);
    QCOMPARE(window.Memo1->toPlainText(), QStringLiteral("* carol joined\n* Bob joined\n"
                                                         "* alice joined\n* dave joined\n"
                                                         "* BOB joined\n* Carol joined"));
}

void TestChannelWindow::leftMemberIsRemovedIgnoringCase() {
    TFormQuorChannel window;
    AddMembers(window, {"alice", "Bob", "carol"});
    window.MemberLeft(QStringLiteral("BOB"));
    QCOMPARE(window.MemberNames(), (QStringList{"alice", "carol"}));
    QCOMPARE(LastLine(window), QStringLiteral("* BOB left"));
}

void TestChannelWindow::leftUnlistedMemberOnlyAddsLine() {
    TFormQuorChannel window;
    AddMembers(window, {"alice"});
    window.MemberLeft(QStringLiteral("zed"));
    QCOMPARE(window.MemberNames(), QStringList{"alice"});
    QCOMPARE(window.LineCount(), 2);
    QCOMPARE(LastLine(window), QStringLiteral("* zed left"));
}

void TestChannelWindow::enterNeedsAnotherMember() {
    TFormQuorChannel window;
    SendRecorder sender;
    window.SetOnSendText(sender.Handler());
    window.MemberJoined(QStringLiteral("alice"));
    EnterLine(window, QStringLiteral("anyone?"));
    QVERIFY(sender.Calls.isEmpty());
    QCOMPARE(window.Edit1->text(), QStringLiteral("anyone?"));
    QCOMPARE(window.LineCount(), 1);
}

void TestChannelWindow::enterSendsToChannelAndAddsOwnLine() {
    TFormQuorChannel window;
    window.SetChannelName(QStringLiteral("#lobby"));
    SendRecorder sender;
    sender.FillOwnName = QStringLiteral("alice");
    window.SetOnSendText(sender.Handler());
    AddMembers(window, {"alice", "bob"});
    const QString titleBefore = window.windowTitle();
    QTest::keyClicks(window.Edit1, QStringLiteral(" hi all"));
    QTest::keyClick(window.Edit1, Qt::Key_Return);

    QCOMPARE(sender.Calls.size(), 1);
    QCOMPARE(sender.Calls[0].OwnName, QStringLiteral("alice"));
    QCOMPARE(sender.Calls[0].Target, QStringLiteral("#lobby"));
    QCOMPARE(sender.Calls[0].Text, QStringLiteral(" hi all"));
    QCOMPARE(LastLine(window), QStringLiteral("alice: \t hi all"));
    QVERIFY(window.Edit1->text().isEmpty());
    // The filled-in own name does not change the title.
    QCOMPARE(window.windowTitle(), titleBefore);
}

void TestChannelWindow::failedSendKeepsText() {
    TFormQuorChannel window;
    SendRecorder sender;
    sender.Result = false;
    window.SetOnSendText(sender.Handler());
    AddMembers(window, {"alice", "bob"});
    EnterLine(window, QStringLiteral("hello"));
    QCOMPARE(sender.Calls.size(), 1);
    QCOMPARE(window.Edit1->text(), QStringLiteral("hello"));
    QCOMPARE(window.LineCount(), 2);
}

void TestChannelWindow::paneKeepsTheLineRule() {
    TFormQuorChannel window;
    for (int i = 0; i < 601; ++i)
        window.AddLine(QStringLiteral("line %1").arg(i));
    window.MemberJoined(QStringLiteral("late"));
    QCOMPARE(window.LineCount(), 501);
    QCOMPARE(LastLine(window), QStringLiteral("* late joined"));
}

void TestChannelWindow::doubleClickShowsAndRestoresExistingConversation() {
    MemberListFixture f;
    auto *existing = f.registry.Create(QStringLiteral("Bob"));
    f.registry.Created.clear();
    f.registry.Found.clear();
    existing->showMinimized();
    QVERIFY(existing->isMinimized());

    f.Show();
    DoubleClickMember(f.window, 1);

    QCOMPARE(f.registry.Found, QStringList{"bob"});
    QVERIFY(f.registry.Created.isEmpty());
    QVERIFY(existing->isVisible());
    QVERIFY(!existing->isMinimized());
}

void TestChannelWindow::doubleClickCreatesMissingConversation() {
    MemberListFixture f;
    f.Show();
    DoubleClickMember(f.window, 0);
    QCOMPARE(f.registry.Created, QStringList{"alice"});
    QCOMPARE(f.registry.Windows.size(), 1);
    QVERIFY(f.registry.Windows[0]->isVisible());

    // A failure while making the window opens nothing and is not passed on.
    f.registry.FailCreating = true;
    DoubleClickMember(f.window, 1);
    QCOMPARE(f.registry.Created.last(), QStringLiteral("bob"));
    QCOMPARE(f.registry.Windows.size(), 1);
}

void TestChannelWindow::openChatUsesCreateAndIgnoresErrors() {
    MemberListFixture f;
    SelectMember(f.window, 1);
    f.window.mnuOpenChat->trigger();
    // Asking again brings up the same window.
    f.window.mnuOpenChat->trigger();
    QCOMPARE(f.registry.Created, (QStringList{"bob", "bob"}));
    QCOMPARE(f.registry.Windows.size(), 1);
    QVERIFY(f.registry.Windows[0]->isVisible());

    f.registry.FailCreating = true;
    SelectMember(f.window, 0);
    f.window.mnuOpenChat->trigger();
    QCOMPARE(f.registry.Created.last(), QStringLiteral("alice"));
    QCOMPARE(f.registry.Windows.size(), 1);
}

void TestChannelWindow::openChatWithoutSelectionDoesNothing() {
    MemberListFixture f;
    f.window.ListView1->clearSelection();
    f.window.mnuOpenChat->trigger();
    f.window.ListView1DblClick();
    QVERIFY(f.registry.Created.isEmpty());
    QVERIFY(f.registry.Found.isEmpty());
}

void TestChannelWindow::keyboardOpensConversationsFromTheMemberList() {
    MemberListFixture f;
    QVERIFY(ShowActive(f.window));
    f.window.ListView1->setFocus();
    // Enter on the current member does what a double click does.
    f.window.ListView1->setCurrentItem(f.window.ListView1->topLevelItem(0));
    QTest::keyClick(f.window.ListView1, Qt::Key_Return);
    QCOMPARE(f.registry.Created, QStringList{"alice"});
    // The Menu key opens the member menu, whose access key opens the chat.
    QVERIFY(ShowActive(f.window));
    f.window.ListView1->setFocus();
    f.window.ListView1->setCurrentItem(f.window.ListView1->topLevelItem(1));
    QTest::keyClick(f.window.ListView1, Qt::Key_Menu);
    QTRY_VERIFY(f.window.PopupMenu1->isVisible());
    QTest::keyClick(f.window.PopupMenu1, Qt::Key_O);
    QCOMPARE(f.registry.Created, (QStringList{"alice", "bob"}));
}

void TestChannelWindow::inviteRequestIsPostedWithChannelName() {
    InviteRequestRecorder mainWindow;
    TFormQuorChannel window;
    window.SetChannelName(QStringLiteral("#lobby"));
    window.SetInviteDialogTarget(&mainWindow);
    AddMembers(window, {"alice", "bob"});
    SelectMember(window, 1);

    window.InviteUsertoChannel1->trigger();
    // Posted, not sent: nothing arrives until the event loop runs.
    QVERIFY(mainWindow.Channels.isEmpty());
    QCoreApplication::sendPostedEvents(&mainWindow);
    QCOMPARE(mainWindow.Channels, QStringList{"#lobby"});
    // The selected member is not used: the user name stays empty.
    QCOMPARE(mainWindow.Users, QStringList{QString()});
    QCOMPARE(int(TInviteDialogEvent::EventType()), 2049);
}

void TestChannelWindow::closeTellsHandlerOnceAndFreesWindow() {
    QPointer<TFormQuorChannel> window = new TFormQuorChannel;
    window->SetChannelName(QStringLiteral("#lobby"));
    QStringList closed;
    window->SetOnClose([&](TFormQuorChannel &w) { closed << w.GetChannelName(); });
    window->show();
    QVERIFY(window->close());
    window->close();
    QCOMPARE(closed, QStringList{"#lobby"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

QTEST_MAIN(TestChannelWindow)
#include "ChannelWindowTest.moc"
