// SPDX-License-Identifier: MIT
#include "ContactPaneView.h"

#include "ContactIcons.h"
#include "ContactItemText.h"
#include "ContactListModel.h"

#include <QTreeWidget>

ContactPaneView::ContactPaneView(QTreeWidget *pane, ContactListModel &model)
    : FPane(pane), FModel(model) {
    FModel.SetOnNamesChanged([this] { ShowNames(); });
    FModel.SetOnStatesChanged([this] { ShowStates(); });
    ShowNames();
}

void ContactPaneView::ShowNames() {
    const QList<QTreeWidgetItem *> selected = FPane->selectedItems();
    const QString selectedName = selected.isEmpty() ? QString() : selected.first()->text(0);
    FPane->clear();
    for (const ContactListModel::Contact &contact : FModel.Contacts()) {
        auto *item = new QTreeWidgetItem(FPane, {contact.Name});
        item->setSelected(!selectedName.isNull() && contact.Name == selectedName);
    }
    ShowStates();
}

void ContactPaneView::ShowStates() {
    FPane->setUpdatesEnabled(false);
    const QList<ContactListModel::Contact> &contacts = FModel.Contacts();
    for (int row = 0; row < FPane->topLevelItemCount() && row < contacts.size(); ++row) {
        QTreeWidgetItem *item = FPane->topLevelItem(row);
        const int image = contacts[row].State;
        if (item->data(0, ContactImageRole) != image) {
            item->setIcon(0, ContactStateIcon(image));
            item->setData(0, ContactImageRole, image);
            DescribeContactItem(item);
        }
    }
    FPane->setUpdatesEnabled(true);
}
