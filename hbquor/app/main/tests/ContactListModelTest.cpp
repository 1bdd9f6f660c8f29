// SPDX-License-Identifier: MIT
// The contact list without its pane: order, case rules, state images,
// saving only what changed; and the pane that shows it.
#include "ContactListModel.h"
#include "ContactIcons.h"
#include "ContactItemText.h"
#include "ContactPaneView.h"
#include "FileBytes.h"

#include "hbQuorUnit.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using hbquor::QuorUserStatus;

class ContactListModelTest : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    QString FFile = FDir.filePath(QStringLiteral("Contacts.txt"));

private slots:
    void loadSortsCaseVariantsTogetherAndKeepsDuplicates() {
        WriteFileBytes(FFile, "zoe\r\nBob\r\nalice\r\nbob\r\nBob\r\n");
        ContactListModel model;
        model.Load(FFile);
        QCOMPARE(model.Names(), (QStringList{"alice", "Bob", "Bob", "bob", "zoe"}));
        QVERIFY(model.IsDirty()); // the file is not in list order
        WriteFileBytes(FFile, "alice\r\nBob\r\n");
        model.Load(FFile);
        QVERIFY(!model.IsDirty());
        model.Load(FDir.filePath(QStringLiteral("missing.txt")));
        QVERIFY(model.Names().isEmpty());
        QVERIFY(model.IsDirty()); // written at the next save
    }

    void namesAreAddedAndRemovedIgnoringCase() {
        ContactListModel model;
        int changes = 0;
        model.SetOnNamesChanged([&changes] { ++changes; });
        QVERIFY(model.Add(QStringLiteral("carol")));
        QVERIFY(model.Add(QStringLiteral("Anna")));
        QVERIFY(!model.Add(QStringLiteral("CAROL")));
        QCOMPARE(model.Names(), (QStringList{"Anna", "carol"}));
        QCOMPARE(model.Find(QStringLiteral("ANNA")), 0);
        QVERIFY(model.Remove(QStringLiteral("Carol")));
        QVERIFY(!model.Remove(QStringLiteral("zed")));
        QCOMPARE(model.Names(), QStringList{"Anna"});
        QCOMPARE(changes, 3);
        QVERIFY(model.IsDirty());
    }

    void statesFollowTheUserStatus() {
        ContactListModel model;
        model.Add(QStringLiteral("bob"));
        const QList<QPair<QuorUserStatus, ContactListModel::Image>> table{
            {QuorUserStatus::OnlineUser, ContactListModel::Tick},
            {QuorUserStatus::OnlineAdmin, ContactListModel::DoubleTick},
            {QuorUserStatus::Offline, ContactListModel::Blank},
            {QuorUserStatus::NotRegistered, ContactListModel::Cross},
            {QuorUserStatus::Pending, ContactListModel::Cross},
        };
        for (const auto &[status, image] : table) {
            model.SetState(QStringLiteral("BOB"), status);
            QCOMPARE(model.Contacts()[0].State, image);
        }
        model.ClearStates();
        QCOMPARE(model.Contacts()[0].State, ContactListModel::Blank);
        QVERIFY(model.IsDirty()); // added, not states
    }

    void savingWritesOnlyAChangedList() {
        WriteFileBytes(FFile, "alice\r\n");
        ContactListModel model;
        model.Load(FFile);
        WriteFileBytes(FFile, "alice\r\nedited elsewhere\r\n");
        QVERIFY(model.Save(FFile));
        QCOMPARE(ReadFileBytes(FFile), QByteArray("alice\r\nedited elsewhere\r\n"));
        model.Add(QStringLiteral("bob"));
        QVERIFY(model.Save(FFile));
        QCOMPARE(ReadFileBytes(FFile), QByteArray("alice\r\nbob\r\n"));
        QVERIFY(!model.IsDirty());
        model.Remove(QStringLiteral("bob"));
        QVERIFY(!model.Save(FDir.filePath(QStringLiteral("no/such/folder/Contacts.txt"))));
        QVERIFY(model.IsDirty()); // a failed write is tried again at the next save
    }

    void paneShowsTheModelAndKeepsTheSelection() {
        ContactListModel model;
        model.Add(QStringLiteral("bob"));
        QTreeWidget pane;
        ContactPaneView view(&pane, model);
        model.Add(QStringLiteral("carol"));
        pane.topLevelItem(1)->setSelected(true);
        model.Add(QStringLiteral("alice"));
        QCOMPARE(pane.topLevelItemCount(), 3);
        QCOMPARE(pane.topLevelItem(0)->text(0), QStringLiteral("alice"));
        QCOMPARE(pane.selectedItems().value(0)->text(0), QStringLiteral("carol"));
        model.SetState(QStringLiteral("carol"), QuorUserStatus::OnlineAdmin);
        QCOMPARE(pane.topLevelItem(2)->data(0, ContactImageRole).toInt(),
                 int(ContactListModel::DoubleTick));
        QCOMPARE(pane.topLevelItem(0)->data(0, ContactImageRole).toInt(),
                 int(ContactListModel::Blank));
    }

    void paneItemsTellTheirStateInWords() {
        ContactListModel model;
        model.Add(QStringLiteral("bob"));
        QTreeWidget pane;
        ContactPaneView view(&pane, model);
        const auto spoken = [&pane] {
            return pane.topLevelItem(0)->data(0, Qt::AccessibleTextRole).toString();
        };
        QCOMPARE(spoken(), QStringLiteral("bob, offline"));
        model.SetState(QStringLiteral("bob"), QuorUserStatus::OnlineUser);
        QCOMPARE(spoken(), QStringLiteral("bob, online"));
        QFont bold = pane.topLevelItem(0)->font(0);
        bold.setBold(true);
        pane.topLevelItem(0)->setFont(0, bold);
        DescribeContactItem(pane.topLevelItem(0));
        QCOMPARE(spoken(), QStringLiteral("bob, online, unread texts"));
    }
};

QTEST_MAIN(ContactListModelTest)
#include "ContactListModelTest.moc"
