// SPDX-License-Identifier: MIT
#include "UnitAddChannel.h"

#include "FormGeometry.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int PasswordedType = 2;
}

TFormAddChannel::TFormAddChannel(QWidget *parent) : QDialog(parent) {
    setWindowTitle(tr("Create or Join Channel"));
    SetFixedDialogFrame(this, 274, 253, QStringLiteral("MS Sans Serif"));

    QLabel *channelLabel = PlaceLabel(this, tr("Quor channel"), 16, 19);
    inpQuorChannel = new QLineEdit(this);
    inpQuorChannel->setGeometry(88, 16, 169, 21);
    channelLabel->setBuddy(inpQuorChannel);

    rgChannelType = new QGroupBox(tr("Channel type:"), this);
    rgChannelType->setGeometry(16, 48, 241, 113);
    rgChannelTypeItems = new QButtonGroup(this);
    const QStringList items = {tr("&Standard"), tr("&Invite only"), tr("&Passworded"),
                               tr("&Unknown")};
    for (int i = 0; i < items.size(); ++i) {
        auto *item = new QRadioButton(items[i], rgChannelType);
        item->setGeometry(8, 18 + i * 22, 225, 20);
        rgChannelTypeItems->addButton(item, i);
    }

    QLabel *passwordLabel = PlaceLabel(this, tr("Password"), 16, 187);
    inpPassword = new QLineEdit(this);
    inpPassword->setGeometry(88, 184, 169, 21);
    passwordLabel->setBuddy(inpPassword);
    inpPassword->setAccessibleDescription(tr("Only for a passworded channel"));
    inpPassword->setEchoMode(QLineEdit::Password);

    btnJoin = new QPushButton(tr("Join"), this);
    btnJoin->setGeometry(16, 224, 75, 21);
    btnJoin->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setGeometry(180, 224, 75, 21);

    connect(btnJoin, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(rgChannelTypeItems, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            rgChannelTypeClick();
    });

    SetChannelTypeIndex(0);
    setTabOrder(inpQuorChannel, rgChannelType);
    setTabOrder(rgChannelType, inpPassword);
    setTabOrder(inpPassword, btnJoin);
    setTabOrder(btnJoin, btnCancel);
}

int TFormAddChannel::ChannelTypeIndex() const {
    return rgChannelTypeItems->checkedId();
}

void TFormAddChannel::SetChannelTypeIndex(int index) {
    if (QAbstractButton *item = rgChannelTypeItems->button(index))
        item->setChecked(true);
    rgChannelTypeClick();
}

void TFormAddChannel::rgChannelTypeClick() {
    inpPassword->setEnabled(ChannelTypeIndex() == PasswordedType);
}
