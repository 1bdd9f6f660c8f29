// SPDX-License-Identifier: MIT
// The controls of the user profile window and their places.
#include "UnitUserProfile.h"

#include "ContextMenuKeys.h"
#include "FormFont.h"
#include "FormGeometry.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>

namespace hbquor::account {

namespace {

// An input that keeps the caret where it is when tabbed into, instead of
// selecting all of its text.
class TNoSelectLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override {
        QLineEdit::focusInEvent(event);
        deselect();
    }
};

QLineEdit *MakeInput(QWidget *parent, int top, int width, bool readOnly) {
    auto *input = new QLineEdit(parent);
    input->setGeometry(80, top, width, 21);
    input->setReadOnly(readOnly);
    return input;
}

QPushButton *MakeButton(QWidget *parent, const QString &caption, const QRect &place) {
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(place);
    // Enter presses no button in this window.
    button->setAutoDefault(false);
    return button;
}

QPushButton *MakeSmallButton(QWidget *parent, int top, const QString &hint) {
    QPushButton *button = MakeButton(parent, QStringLiteral("..."), QRect(258, top, 23, 22));
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    button->setToolTip(hint);
    return button;
}

} // namespace

void TFormUserProfile::BuildControls() {
    setWindowTitle(QStringLiteral("User Profile"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(298, 264);
    setFont(FormFont(QStringLiteral("MS Sans Serif")));

    // Created in tab order.
    inpUserName = new TNoSelectLineEdit(this);
    inpUserName->setGeometry(80, 32, 201, 21);
    inpPassword = MakeInput(this, 56, 177, true);
    inpEmail = MakeInput(this, 80, 177, true);
    inpCreated = MakeInput(this, 128, 201, true);
    inpLastLogin = MakeInput(this, 152, 201, true);
    inpSelfCreated = MakeInput(this, 176, 201, true);
    btRequestProfile = MakeButton(this, QStringLiteral("Request Profile"), QRect(16, 232, 89, 25));
    btChangeProfile = MakeButton(this, QStringLiteral("Change Profile"), QRect(104, 232, 89, 25));
    btChangeProfile->hide();
    btClose = MakeButton(this, QStringLiteral("Close"), QRect(208, 232, 75, 25));
    spUserType = new QSpinBox(this);
    spUserType->setGeometry(80, 104, 41, 22);
    cbDisabled = new QCheckBox(QStringLiteral(" "), this);
    cbDisabled->setGeometry(80, 200, 17, 17);
    btChangePassword = MakeSmallButton(this, 56, QStringLiteral("change password"));
    btChangeEmail = MakeSmallButton(this, 80, QStringLiteral("change email"));

    QLabel *caution = PlaceLabel(this, QStringLiteral("User name may be case sensitive!"), 16, 8);
    QFont bold = caution->font();
    bold.setBold(true);
    caution->setFont(bold);
    caution->adjustSize();
    const QStringList rowLabels = {QStringLiteral("User name"),    QStringLiteral("Password"),
                                   QStringLiteral("Email"),        QStringLiteral("User type"),
                                   QStringLiteral("Created"),      QStringLiteral("Last login"),
                                   QStringLiteral("Self created"), QStringLiteral("Disabled")};
    for (int row = 0; row < rowLabels.size(); ++row)
        PlaceLabel(this, rowLabels[row], 16, 36 + 24 * row);
    lbUserType = PlaceLabel(this, QStringLiteral("unknown"), 128, 108);
    lbUserType->setMinimumWidth(150);

    pumPassword = new QMenu(this);
    mnuViewPassword = pumPassword->addAction(QStringLiteral("view password (admin only)"));
    mnuViewPassword->setCheckable(true);
    inpPassword->setContextMenuPolicy(Qt::CustomContextMenu);
    OpenContextMenuFromKeyboard(inpPassword);

    connect(inpUserName, &QLineEdit::textChanged, this, &TFormUserProfile::inpUserNameChange);
    connect(spUserType, &QSpinBox::valueChanged, this, &TFormUserProfile::spUserTypeChange);
    connect(btRequestProfile, &QPushButton::clicked, this,
            &TFormUserProfile::btRequestProfileClick);
    connect(btChangeProfile, &QPushButton::clicked, this, &TFormUserProfile::btChangeProfileClick);
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btChangePassword, &QPushButton::clicked, this,
            &TFormUserProfile::btChangePasswordClick);
    connect(btChangeEmail, &QPushButton::clicked, this, &TFormUserProfile::btChangeEmailClick);
    connect(inpPassword, &QLineEdit::customContextMenuRequested, this,
            &TFormUserProfile::ShowPasswordMenu);
    connect(mnuViewPassword, &QAction::triggered, this, &TFormUserProfile::mnuViewPasswordClick);
}

void TFormUserProfile::ShowPasswordMenu(const QPoint &position) {
    pumPasswordPopup();
    pumPassword->exec(inpPassword->mapToGlobal(position));
}

} // namespace hbquor::account
