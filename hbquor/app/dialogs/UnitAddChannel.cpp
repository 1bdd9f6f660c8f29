// SPDX-License-Identifier: MIT
#include "UnitAddChannel.h"

#include "FormGeometry.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int PasswordedType = 2;
}

TFormAddChannel::TFormAddChannel(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Create or Join Channel"));
    SetFixedDialogFrame(this, 274, 253, QStringLiteral("MS Sans Serif"));

    PlaceLabel(this, QStringLiteral("Quor channel"), 16, 19);
    inpQuorChannel = new QLineEdit(this);
    inpQuorChannel->setGeometry(88, 16, 169, 21);

    rgChannelType = new QGroupBox(QStringLiteral("Channel type:"), this);
    rgChannelType->setGeometry(16, 48, 241, 113);
    rgChannelTypeItems = new QButtonGroup(this);
    const QStringList items = {QStringLiteral("&Standard"), QStringLiteral("&Invite only"),
                               QStringLiteral("&Passworded"), QStringLiteral("&Unknown")};
    for (int i = 0; i < items.size(); ++i) {
        auto *item = new QRadioButton(items[i], rgChannelType);
        item->setGeometry(8, 18 + i * 22, 225, 20);
        rgChannelTypeItems->addButton(item, i);
    }

    PlaceLabel(this, QStringLiteral("Password"), 16, 187);
    inpPassword = new QLineEdit(this);
    inpPassword->setGeometry(88, 184, 169, 21);
    inpPassword->setEchoMode(QLineEdit::Password);

    btnJoin = new QPushButton(QStringLiteral("Join"), this);
    btnJoin->setGeometry(16, 224, 75, 21);
    btnJoin->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
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
