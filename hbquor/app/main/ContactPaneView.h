// SPDX-License-Identifier: MIT
// ContactPaneView: shows a ContactListModel in the contacts pane, one item
// per contact in the model's order with its state icon (the image number
// is kept under ContactImageRole). The pane holds nothing of its own: it is
// rebuilt when the names change, keeping the selected name selected, and
// its icons are redrawn when the states change.
#pragma once

class ContactListModel;
class QTreeWidget;

class ContactPaneView {
public:
    /// Shows the model in the pane from now on; both must outlive the view.
    ContactPaneView(QTreeWidget *pane, ContactListModel &model);

private:
    void ShowNames();
    void ShowStates();

    QTreeWidget *FPane;
    ContactListModel &FModel;
};
