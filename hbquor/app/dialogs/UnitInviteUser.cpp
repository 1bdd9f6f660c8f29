// SPDX-License-Identifier: MIT
#include "UnitInviteUser.h"

#include "FormGeometry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int MaxNameLength = 32;
}

TFormInviteUser::TFormInviteUser(QWidget *parent) : QDialog(parent) {
    setWindowTitle(tr("Authorise User to Channel"));
    SetFixedDialogFrame(this, 262, 139, QStringLiteral("MS Sans Serif"));

    QLabel *userLabel = PlaceLabel(this, tr("User name"), 24, 20);
    inpUser = new QLineEdit(this);
    userLabel->setBuddy(inpUser);
    inpUser->setGeometry(88, 16, 145, 21);
    inpUser->setMaxLength(MaxNameLength);
    QLabel *channelLabel = PlaceLabel(this, tr("Channel"), 24, 44);
    inpChannel = new QLineEdit(this);
    channelLabel->setBuddy(inpChannel);
    inpChannel->setGeometry(88, 40, 145, 21);
    inpChannel->setMaxLength(MaxNameLength);

    Button1 = new QPushButton(tr("Request Authorisation"), this);
    Button1->setGeometry(16, 104, 121, 25);
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("Cancel"), this);
    Button2->setGeometry(168, 104, 75, 25);

    ShowMessage = [this](const QString &text) { ShowMessageBox(this, text); };
    connect(Button1, &QPushButton::clicked, this, &TFormInviteUser::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormInviteUser::Button1Click() {
    inpUser->setText(inpUser->text().trimmed());
    inpChannel->setText(inpChannel->text().trimmed());
    if (inpUser->text().isEmpty() || inpChannel->text().isEmpty()) {
        ShowMessage(tr("Please input a Username and a Channel!"));
        return;
    }
    accept();
}
