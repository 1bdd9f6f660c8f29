// SPDX-License-Identifier: MIT
#include "UnitAddUser.h"

#include "FormGeometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormAddUser::TFormAddUser(QWidget *parent) : QDialog(parent) {
    SetFixedDialogFrame(this, 272, 78, QStringLiteral("Arial"));
    lbAddUser = PlaceLabel(this, tr("Quor user:"), 16, 19);
    inpAddUser = new QLineEdit(this);
    inpAddUser->setGeometry(88, 16, 169, 22);
    lbAddUser->setBuddy(inpAddUser);
    // The caller puts its own caption in: the label takes the room up to the input.
    lbAddUser->resize(inpAddUser->x() - lbAddUser->x() - 4, lbAddUser->height());
    btnAddDelete = new QPushButton(this);
    btnAddDelete->setGeometry(8, 48, 75, 21);
    btnAddDelete->setDefault(true);
    Button2 = new QPushButton(tr("Cancel"), this);
    Button2->setGeometry(188, 48, 75, 21);
    connect(btnAddDelete, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}
