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

#include <utility>

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

/// A "..." button; hint is its tool tip and, as the button has no words of
/// its own, what a screen reader calls it.
QPushButton *MakeSmallButton(QWidget *parent, int top, const QString &hint) {
    QPushButton *button = MakeButton(parent, QStringLiteral("..."), QRect(258, top, 23, 22));
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    return button;
}

} // namespace

void TFormUserProfile::BuildControls() {
    setWindowTitle(tr("User Profile"));
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
    btRequestProfile = MakeButton(this, tr("Request Profile"), QRect(16, 232, 89, 25));
    btChangeProfile = MakeButton(this, tr("Change Profile"), QRect(104, 232, 89, 25));
    btChangeProfile->hide();
    btClose = MakeButton(this, tr("Close"), QRect(208, 232, 75, 25));
    spUserType = new QSpinBox(this);
    spUserType->setGeometry(80, 104, 41, 22);
    cbDisabled = new QCheckBox(QStringLiteral(" "), this);
    cbDisabled->setGeometry(80, 200, 17, 17);
    btChangePassword = MakeSmallButton(this, 56, tr("change password"));
    btChangeEmail = MakeSmallButton(this, 80, tr("change email"));

    QLabel *caution = PlaceLabel(this, tr("User name may be case sensitive!"), 16, 8);
    QFont bold = caution->font();
    bold.setBold(true);
    caution->setFont(bold);
    caution->adjustSize();
    // Each row's label names the control beside it.
    const std::pair<QString, QWidget *> rows[] = {{tr("User name"), inpUserName},
                                                  {tr("Password"), inpPassword},
                                                  {tr("Email"), inpEmail},
                                                  {tr("User type"), spUserType},
                                                  {tr("Created"), inpCreated},
                                                  {tr("Last login"), inpLastLogin},
                                                  {tr("Self created"), inpSelfCreated},
                                                  {tr("Disabled"), cbDisabled}};
    int top = 36;
    for (const auto &[text, control] : rows) {
        PlaceLabel(this, text, 16, top)->setBuddy(control);
        top += 24;
    }
    // The check box's own caption is blank.
    cbDisabled->setAccessibleName(tr("Disabled"));
    inpPassword->setAccessibleDescription(tr("The Menu key offers to show the password"));
    lbUserType = PlaceLabel(this, tr("unknown"), 128, 108);
    lbUserType->setMinimumWidth(150);

    pumPassword = new QMenu(this);
    mnuViewPassword = pumPassword->addAction(tr("view password (admin only)"));
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
