// SPDX-License-Identifier: MIT
// The registry of open conversation and channel windows on its own: lookups
// ignoring case, the channels pane, what new windows get from the hooks,
// closing, and a window that cannot be made.
#include "TalkWindowRegistry.h"

#include "UnitQuorChannel.h"
#include "UnitQuorChat.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>

#include <stdexcept>

namespace {

/// A registry whose hooks record what they are asked.
struct RegistryFixture {
    RegistryFixture() {
        TalkWindowRegistry::Hooks hooks;
        hooks.Place = [this](QWidget *window) {
            if (PlaceFails)
                throw std::runtime_error("no room for the window");
            Placed << window;
        };
        hooks.OwnName = [] { return QStringLiteral("alice"); };
        hooks.SendToUser = [this](QString &own, QString &peer, const QString &text) {
            Sent << own + QStringLiteral(">") + peer + QStringLiteral(":") + text;
            return true;
        };
        hooks.SendToChannel = hooks.SendToUser;
        hooks.ChannelOpened = [this](const QString &own, const QString &channel) {
            Events << QStringLiteral("opened %1 %2").arg(own, channel);
        };
        hooks.ChannelClosed = [this](const QString &channel) {
            Events << QStringLiteral("closed %1, %2 listed")
                          .arg(channel)
                          .arg(Pane.topLevelItemCount());
        };
        hooks.InviteDialogTarget = &InviteTarget;
        hooks.ShowMessage = [this](const QString &text) { Messages << text; };
        Registry = std::make_unique<TalkWindowRegistry>(&Pane, hooks);
    }

    QTreeWidget Pane;
    QObject InviteTarget;
    bool PlaceFails = false;
    QList<QWidget *> Placed;
    QStringList Sent;
    QStringList Events;
    QStringList Messages;
    std::unique_ptr<TalkWindowRegistry> Registry;
};

} // namespace

class TalkWindowRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void conversationsAreFoundIgnoringCaseUntilClosed() {
        RegistryFixture f;
        TFormQuorChat *bob = f.Registry->CreateChatWindow(QStringLiteral("Bob"));
        QVERIFY(bob != nullptr);
        QCOMPARE(f.Registry->CreateChatWindow(QStringLiteral("BOB")), bob);
        QCOMPARE(f.Registry->FindChatWindow(QStringLiteral("bob")), bob);
        QCOMPARE(f.Placed, QList<QWidget *>{bob});
        QCOMPARE(bob->GetOwnName(), QStringLiteral("alice"));
        QCOMPARE(bob->GetPeerName(), QStringLiteral("Bob"));
        bob->Edit1->setText(QStringLiteral("hi"));
        bob->Edit1KeyDown(Qt::Key_Return);
        QCOMPARE(f.Sent, QStringList{QStringLiteral("alice>Bob:hi")});
        bob->close();
        QCOMPARE(f.Registry->FindChatWindow(QStringLiteral("Bob")), nullptr);
    }

    void channelWindowsAreListedInThePaneWhileOpen() {
        RegistryFixture f;
        TFormQuorChannel *lobby =
            f.Registry->CreateChannelWindow(QStringLiteral("alice"), QStringLiteral("#lobby"), 2);
        auto *other = new TFormQuorChannel;
        other->SetChannelName(QStringLiteral("#Other"));
        f.Registry->RegisterChannelWindow(QStringLiteral("#Other"), other);
        QCOMPARE(f.Pane.topLevelItemCount(), 2);
        QCOMPARE(f.Pane.topLevelItem(1)->text(0), QStringLiteral("#Other"));
        QCOMPARE(lobby->GetChannelType(), 2);
        QCOMPARE(f.Registry->FindChannelWindow(QStringLiteral("#LOBBY")), lobby);
        QCOMPARE(f.Events, QStringList{QStringLiteral("opened alice #lobby")});
        other->close();
        QCOMPARE(f.Events.last(), QStringLiteral("closed #Other, 1 listed"));
        QCOMPARE(f.Pane.topLevelItem(0)->text(0), QStringLiteral("#lobby"));
        QCOMPARE(f.Registry->FindChannelWindow(QStringLiteral("#other")), nullptr);
        lobby->close();
    }

    void closingAllChannelWindowsLeavesConversations() {
        RegistryFixture f;
        QPointer<TFormQuorChat> chat = f.Registry->CreateChatWindow(QStringLiteral("bob"));
        f.Registry->CreateChannelWindow(QStringLiteral("alice"), QStringLiteral("#a"), 0);
        f.Registry->CreateChannelWindow(QStringLiteral("alice"), QStringLiteral("#b"), 0);
        f.Registry->CloseAllChannelWindows();
        QCOMPARE(f.Pane.topLevelItemCount(), 0);
        QCOMPARE(f.Events.mid(2), (QStringList{QStringLiteral("closed #a, 1 listed"),
                                               QStringLiteral("closed #b, 0 listed")}));
        QCOMPARE(f.Registry->FindChatWindow(QStringLiteral("bob")), chat.data());
        // At the end every window closes without its close handler.
        QPointer<TFormQuorChannel> last =
            f.Registry->CreateChannelWindow(QStringLiteral("alice"), QStringLiteral("#c"), 0);
        f.Registry.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(chat.isNull());
        QVERIFY(last.isNull());
        QCOMPARE(f.Events.size(), 5); // no "closed #c"
    }

    void aWindowThatCannotBeMadeLeavesNothingBehind() {
        RegistryFixture f;
        f.PlaceFails = true;
        QCOMPARE(f.Registry->CreateChatWindow(QStringLiteral("bob")), nullptr);
        QCOMPARE(f.Registry->CreateChannelWindow(QStringLiteral("alice"), QStringLiteral("#a"), 0),
                 nullptr);
        QCOMPARE(f.Messages, QStringList(2, QStringLiteral("no room for the window")));
        QCOMPARE(f.Registry->FindChatWindow(QStringLiteral("bob")), nullptr);
        QCOMPARE(f.Pane.topLevelItemCount(), 0);
        QVERIFY(f.Events.isEmpty());
    }
};

QTEST_MAIN(TalkWindowRegistryTest)
#include "TalkWindowRegistryTest.moc"
