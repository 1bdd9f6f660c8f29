// SPDX-License-Identifier: MIT
#include "UnitCreateUser.h"

#include "AccountText.h"
#include "FormFont.h"
#include "NameText.h"
#include "PasswordMask.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hbquor::account {

namespace {

constexpr int NameLength = 32;
constexpr int EmailLength = 64;
constexpr int PasswordLength = 32;

// The texts of the modes, translated where they are shown.
const char *const CreateAccountWarning = QT_TRANSLATE_NOOP(
    "hbquor::account::TFormCreateUser",
    "WARNING: Creating a Quor account is carefully monitored. "
    "Using someone else's email address or creating a large number of accounts is "
    "strictly prohibited. "
    "If either of these occurs, the user will be banned from ever using Quor again "
    "and his or her ISP will be contacted. ");
const char *const RequestPasswordWarning = QT_TRANSLATE_NOOP(
    "hbquor::account::TFormCreateUser",
    "Your password will be sent to you by email. Please input the email address you "
    "registered with.");
const char *const AdminEmailWarning = QT_TRANSLATE_NOOP(
    "hbquor::account::TFormCreateUser", "Administrator, please input the new email address. ");
const char *const UserEmailWarning = QT_TRANSLATE_NOOP(
    "hbquor::account::TFormCreateUser",
    "Input the new email address and confirm it, make sure it is a valid address."
    "\r\rPROCEED WITH CARE: You will be disconnected after changing your email address, and a "
    "new password will be issued and sent to this new address. If you do not receive it, you "
    "will not be able to log in!");
const char *const AdminPasswordWarning = QT_TRANSLATE_NOOP(
    "hbquor::account::TFormCreateUser", "Administrator, please input the new password. ");
// The two texts of an ordinary user's password change stand on two lines.
const char *const UserPasswordWarning =
    QT_TRANSLATE_NOOP("hbquor::account::TFormCreateUser",
                      "Input the new password and confirm it"
                      "\r"
                      "Changing someone else's password is strictly prohibited. ");

QLabel *MakeLabel(QWidget *parent, int left, int top, int width, int height) {
    auto *label = new QLabel(parent);
    label->setGeometry(left, top, width, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

/// An input named by the label beside it.
QLineEdit *MakeInput(QLabel *label, int top) {
    auto *input = new QLineEdit(label->parentWidget());
    input->setGeometry(136, top, 169, 21);
    label->setBuddy(input);
    return input;
}

QPushButton *MakeButton(QWidget *parent, const QString &caption, int left, int width) {
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(left, 232, width, 21);
    return button;
}

} // namespace

TFormCreateUser::TFormCreateUser(QWidget *parent, MessageHook showMessage)
    : QDialog(parent), FShowMessage(std::move(showMessage)) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(323, 264);
    setFont(FormFont(QStringLiteral("MS Sans Serif")));

    lbWarning = MakeLabel(this, 8, 8, 305, 105);
    lbWarning->setWordWrap(true);
    QFont bold = lbWarning->font();
    bold.setBold(true);
    lbWarning->setFont(bold);
    lbUser = MakeLabel(this, 8, 125, 124, 16);
    lbEmail = MakeLabel(this, 8, 152, 103, 39);
    lbEmail->setWordWrap(true);
    lbEmail2 = MakeLabel(this, 8, 198, 124, 16);

    // Created in tab order.
    inpUser = MakeInput(lbUser, 120);
    inpEmail = MakeInput(lbEmail, 160);
    inpEmail2 = MakeInput(lbEmail2, 192);
    btnSendRequest = MakeButton(this, tr("Send Request"), 32, 105);
    btnSendRequest->setDefault(true);
    Button2 = MakeButton(this, tr("Cancel"), 220, 75);
    Button2->setAutoDefault(false);

    connect(btnSendRequest, &QPushButton::clicked, this, &TFormCreateUser::btnSendRequestClick);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    SetupCreateAccount();
}

void TFormCreateUser::SetupCreateAccount() {
    ApplyMode({CreateAccount, tr("Create a Quor Account"), tr(CreateAccountWarning),
               tr("New Quor user name"), tr("User's email address (password will be sent there)"),
               tr("Confirm email"), QString(), true, false, EmailLength, false});
}

void TFormCreateUser::SetupRequestPassword(const QString &userName) {
    ApplyMode({RequestPassword, tr("Request Forgotton Password"), tr(RequestPasswordWarning),
               tr("Quor user name"), tr("Registered email address (password will be sent there)"),
               QString(), userName, true, false, PasswordLength, false});
}

void TFormCreateUser::SetupChangeEmail(const QString &userName, bool administrator) {
    ApplyMode({ChangeEmail, tr("Change Email"),
               tr(administrator ? AdminEmailWarning : UserEmailWarning), tr("Quor user name"),
               tr("New email address (password will be sent there)"), tr("Confirm email"), userName,
               false, false, EmailLength, administrator});
}

void TFormCreateUser::SetupChangePassword(const QString &userName, bool administrator,
                                          bool showPlain) {
    ApplyMode({ChangePassword, tr("Change Password"),
               tr(administrator ? AdminPasswordWarning : UserPasswordWarning), tr("Quor user name"),
               QLatin1Char('\r') + tr("New password"), tr("Confirm password"), userName, false,
               !(administrator && showPlain), PasswordLength, administrator});
}

void TFormCreateUser::ApplyMode(const ModeLayout &layout) {
    RequestMode = layout.mode;
    setWindowTitle(layout.title);
    lbWarning->setText(ShownText(layout.warning));
    lbUser->setText(layout.userLabel);
    lbEmail->setText(ShownText(layout.entryLabel));
    lbEmail2->setText(layout.confirmLabel);
    const bool confirmed = !layout.confirmLabel.isEmpty();
    lbEmail2->setVisible(confirmed);
    inpEmail2->setVisible(confirmed);

    inpUser->setMaxLength(NameLength);
    inpUser->setEnabled(layout.userEditable);
    inpUser->setText(layout.userName);
    for (QLineEdit *entry : {inpEmail, inpEmail2}) {
        entry->clear();
        entry->setMaxLength(layout.entryLength);
        SetMasked(entry, layout.masked);
    }
    btnSendRequest->setText(layout.administrator ? tr("Accept") : tr("Send Request"));
}

QString TFormCreateUser::UserName() const {
    return TrimBlanks(inpUser->text());
}

QString TFormCreateUser::FirstEntry() const {
    return TrimBlanks(inpEmail->text());
}

QString TFormCreateUser::FirstFailedCheck() const {
    const bool missing = inpUser->text().isEmpty() || inpEmail->text().isEmpty();
    // Letter case counts: the entries must match exactly.
    const bool differ = inpEmail->text() != inpEmail2->text();
    switch (RequestMode) {
    case CreateAccount:
        if (missing)
            return tr("Please input user name and email!");
        return differ ? tr("Both email entries must be identical!") : QString();
    case RequestPassword:
        return missing ? tr("Please input user name and email!") : QString();
    case ChangeEmail:
        if (missing)
            return tr("Please input user name and new email!");
        return differ ? tr("Both email entries must be identical!") : QString();
    case ChangePassword:
        if (missing)
            return tr("Please input user name and new password!");
        return differ ? tr("Both password entries must be identical!") : QString();
    default:
        return QString();
    }
}

void TFormCreateUser::btnSendRequestClick() {
    for (QLineEdit *input : {inpUser, inpEmail, inpEmail2})
        input->setText(TrimBlanks(input->text()));
    if (RequestMode < CreateAccount || RequestMode > ChangePassword)
        return;
    const QString failure = FirstFailedCheck();
    if (failure.isEmpty()) {
        accept();
        return;
    }
    if (FShowMessage)
        FShowMessage(this, failure);
}

} // namespace hbquor::account
