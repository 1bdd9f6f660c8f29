// SPDX-License-Identifier: MIT
// TFormAddUser: the user-name dialog, one input for a user name. The caller
// sets the title, the label, the input and the confirm button's caption.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TFormAddUser : public QDialog {
    Q_OBJECT
public:
    explicit TFormAddUser(QWidget *parent = nullptr);

    QLabel *lbAddUser;
    QLineEdit *inpAddUser;
    QPushButton *btnAddDelete;
    QPushButton *Button2;
};
