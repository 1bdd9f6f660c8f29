// SPDX-License-Identifier: MIT
#include "UnitUserProfile.h"

#include "AccountText.h"
#include "CentralAccountSessions.h"
#include "FillFields.h"
#include "NameText.h"
#include "PasswordMask.h"
#include "UnitCreateUser.h"

#include "hbQuorTime.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

#include <algorithm>

namespace hbquor::account {

namespace {

constexpr int AdministratorType = 1;
constexpr int NameLength = 32;

// Translated where they are shown.
const char *const Unknown = QT_TRANSLATE_NOOP("hbquor::account::TFormUserProfile", "unknown");
const char *const GoOnline =
    QT_TRANSLATE_NOOP("hbquor::account::TFormUserProfile", "You must go online!");
const char *const ConnectionChanged =
    QT_TRANSLATE_NOOP("hbquor::account::TFormUserProfile", "Error: connection state changed!");
const char *const OwnAccountOnly =
    QT_TRANSLATE_NOOP("hbquor::account::TFormUserProfile", "You may only change your own account!");

QString Reason(const QString &failure, int code, const QString &errText) {
    return failure + TFormUserProfile::tr("Reason %1: %2").arg(QString::number(code), errText);
}

} // namespace

TFormUserProfile::TFormUserProfile(const QStringList &userTypes, QWidget *parent,
                                   MessageHook showMessage)
    : QDialog(parent), FUserTypes(userTypes), FShowMessage(std::move(showMessage)) {
    BuildControls();
    FormCreate();
}

TFormUserProfile::~TFormUserProfile() = default;

void TFormUserProfile::FormCreate() {
    RestoreUserTypeRange();
    inpUserName->setMaxLength(NameLength);
    SetMasked(inpPassword, true);
}

void TFormUserProfile::OpenForSession(ThbQuorCentral &central, const QString &loginName) {
    FOwnedSessions = std::make_unique<TCentralAccountSessions>(central);
    OpenForSession(*FOwnedSessions, loginName);
}

void TFormUserProfile::OpenForSession(TAccountSessions &sessions, const QString &loginName) {
    FSessions = &sessions;
    SessionUserName = loginName;
    inpUserName->setText(loginName);
    ClearProfile();
}

void TFormUserProfile::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormUserProfile::FormShow() {
    if (!SessionConnected()) {
        SetAdministrator(false);
        return;
    }
    const TStoredProfile profile = FSessions->StoredProfile(SessionUserName);
    SetAdministrator(profile.UserType == AdministratorType);
    inpUserName->setText(profile.Name);
    ShowPassword(profile.Password);
    ShowEmail(profile.Email, profile.Email.isEmpty());
    ShowUserType(profile.UserType);
    inpCreated->setText(profile.Created != 0 ? FTimes.DateAndTime(UnixToVrt(profile.Created))
                                             : tr(Unknown));
    inpLastLogin->setText(profile.LastLogin != 0 ? FTimes.DateAndTime(UnixToVrt(profile.LastLogin))
                                                 : tr(Unknown));
    inpSelfCreated->setText(QString::number(profile.SelfCreated));
    SetProfileLoaded(profile.Created != 0 && profile.LastLogin != 0);
}

void TFormUserProfile::ClearProfile() {
    inpPassword->clear();
    FPasswordWithheld = false;
    ShowEmail(QString(), false);
    RestoreUserTypeRange();
    spUserType->clear();
    inpCreated->clear();
    inpLastLogin->clear();
    inpSelfCreated->clear();
    ShowUserTypeName(tr(Unknown));
    SetProfileLoaded(false);
    cbDisabled->setChecked(false);
    if (IsAdministrator) {
        cbDisabled->setEnabled(true);
    } else {
        btChangePassword->setEnabled(false);
        btChangeEmail->setEnabled(false);
        cbDisabled->setEnabled(false);
    }
}

void TFormUserProfile::SetProfileLoaded(bool value) {
    ProfileLoaded = value;
    if (value) {
        btChangePassword->setEnabled(true);
        btChangeEmail->setEnabled(true);
    }
    UpdateChangeProfileButton();
}

void TFormUserProfile::SetAdministrator(bool value) {
    IsAdministrator = value;
    spUserType->setReadOnly(!value);
    UpdateChangeProfileButton();
}

void TFormUserProfile::UpdateChangeProfileButton() {
    btChangeProfile->setVisible(IsAdministrator && ProfileLoaded);
}

void TFormUserProfile::RestoreUserTypeRange() {
    spUserType->setRange(0, std::max<int>(0, FUserTypes.size() - 1));
}

void TFormUserProfile::ShowUserType(int userType) {
    const int highest = std::max<int>(0, FUserTypes.size() - 1);
    spUserType->setRange(std::min(0, userType), std::max(highest, userType));
    spUserType->setValue(userType);
    spUserTypeChange();
}

void TFormUserProfile::inpUserNameChange() {
    if (btRequestProfile->isHidden())
        btRequestProfile->show();
}

void TFormUserProfile::spUserTypeChange() {
    const int userType = spUserType->value();
    ShowUserTypeName(userType >= 0 && userType < FUserTypes.size() ? FUserTypes[userType]
                                                                   : tr(Unknown));
}

void TFormUserProfile::ShowUserTypeName(const QString &name) {
    lbUserType->setText(name);
    // The name stands beside the number box, so a screen reader says it with the box.
    spUserType->setAccessibleDescription(name);
}

bool TFormUserProfile::SessionConnected() {
    return FSessions != nullptr && FSessions->IsConnected(SessionUserName);
}

void TFormUserProfile::GoOnlineAndClose() {
    FShowMessage(this, tr(GoOnline));
    reject();
}

int TFormUserProfile::DisabledFlag() const {
    return cbDisabled->isChecked() ? 1 : 0;
}

void TFormUserProfile::ShowPassword(const QString &password) {
    inpPassword->setText(password);
    // A failed change restores the password the server last confirmed.
    OldPassword = password;
    FPasswordWithheld = password.isEmpty();
}

void TFormUserProfile::ShowEmail(const QString &email, bool unknown) {
    FEmailUnknown = unknown;
    inpEmail->setText(unknown ? tr(Unknown) : email);
}

QString TFormUserProfile::EmailToSend() const {
    return FEmailUnknown ? QString() : TrimBlanks(inpEmail->text());
}

void TFormUserProfile::btRequestProfileClick() {
    QString name = TrimBlanks(inpUserName->text());
    ClearProfile();
    if (!SessionConnected()) {
        GoOnlineAndClose();
        return;
    }
    if (!IsAdministrator) {
        if (!SameNameIgnoringCase(name, SessionUserName)) {
            FShowMessage(this, tr("You may only request your own profile!"));
            return;
        }
        name = FSessions->LoginName(SessionUserName);
        btRequestProfile->hide();
    }
    const int result = FSessions->RequestUserProfile(SessionUserName, name);
    if (result != 0)
        FShowMessage(this, Reason(tr("Failed to request this profile:\r"), result,
                                  FSessions->ErrorText(result)));
}

void TFormUserProfile::ShowProfileResult(const client::UserProfile &profile) {
    if (profile.Code != 0) {
        PostMessage(this, FShowMessage,
                    Reason(tr("Failed to request this profile:\r"), profile.Code, profile.ErrText));
        return;
    }
    if (SameNameIgnoringCase(profile.Name, SessionUserName))
        SetAdministrator(profile.UserType == AdministratorType);
    inpUserName->setText(profile.Name);
    btRequestProfile->hide();
    ShowPassword(profile.Password);
    ShowEmail(profile.Email, false);
    ShowUserType(profile.UserType);
    inpCreated->setText(FTimes.DateAndTime(profile.Created));
    inpLastLogin->setText(FTimes.DateAndTime(profile.LastLogin));
    inpSelfCreated->setText(QString::number(profile.SelfCreated));
    cbDisabled->setChecked(profile.Disabled != 0);
    SetProfileLoaded(true);
}

void TFormUserProfile::ShowModifyResult(const client::ProfileChange &change) {
    if (change.Code != 0) {
        PostMessage(this, FShowMessage,
                    Reason(tr("Failed to modify this profile:\r"), change.Code, change.ErrText));
        inpPassword->setText(OldPassword);
        return;
    }
    // What the field shows is now the server's password.
    OldPassword = TrimBlanks(inpPassword->text());
    PostMessage(this, FShowMessage,
                FillFields(tr("Profile of %s successfully modified!"), {change.Name}));
}

void TFormUserProfile::ShowEmailChangeResult(const client::RequestResult &result) {
    if (result.Code != 0) {
        PostMessage(this, FShowMessage,
                    Reason(tr("Failed to change email to %1\r").arg(NewEmail), result.Code,
                           result.ErrText));
        ShowEmail(OldEmail, FOldEmailUnknown);
        return;
    }
    PostMessage(this, FShowMessage,
                tr("Email address modified to %1\rYou will be disconnected.\rA new "
                   "password has been sent that address")
                    .arg(NewEmail),
                [this] { reject(); });
}

bool TFormUserProfile::MayViewPassword() {
    return FSessions != nullptr && FSessions->HasSession(SessionUserName) && IsAdministrator;
}

void TFormUserProfile::pumPasswordPopup() {
    const bool allowed = MayViewPassword();
    mnuViewPassword->setEnabled(allowed);
    mnuViewPassword->setChecked(allowed && !IsMasked(inpPassword));
}

void TFormUserProfile::mnuViewPasswordClick() {
    if (MayViewPassword())
        SetMasked(inpPassword, !IsMasked(inpPassword));
    mnuViewPassword->setChecked(!IsMasked(inpPassword));
}

std::unique_ptr<TFormCreateUser>
TFormUserProfile::ConfirmedRequest(const std::function<void(TFormCreateUser &)> &setup) {
    auto request = std::make_unique<TFormCreateUser>(this, FShowMessage);
    setup(*request);
    if (request->exec() != QDialog::Accepted)
        return nullptr;
    if (!SessionConnected()) {
        FShowMessage(this, tr(ConnectionChanged));
        request.reset();
        reject();
        return nullptr;
    }
    return request;
}

void TFormUserProfile::btChangePasswordClick() {
    const int disabled = DisabledFlag();
    if (!ProfileLoaded)
        return;
    if (!SessionConnected()) {
        GoOnlineAndClose();
        return;
    }
    const auto request = ConfirmedRequest([this](TFormCreateUser &window) {
        window.SetupChangePassword(inpUserName->text(), IsAdministrator, !IsMasked(inpPassword));
    });
    if (!request)
        return;
    if (IsAdministrator) {
        inpPassword->setText(request->FirstEntry());
        return;
    }
    if (!SameNameIgnoringCase(TrimBlanks(inpUserName->text()), SessionUserName)) {
        FShowMessage(this, tr(OwnAccountOnly));
        return;
    }
    OldPassword = TrimBlanks(inpPassword->text());
    NewPassword = request->FirstEntry();
    inpPassword->setText(NewPassword);
    // The outcome arrives through ShowModifyResult.
    FSessions->ModifyUserProfile(SessionUserName, FSessions->LoginName(SessionUserName),
                                 TrimBlanks(inpPassword->text()), EmailToSend(),
                                 spUserType->value(), disabled);
}

void TFormUserProfile::btChangeEmailClick() {
    if (!ProfileLoaded)
        return;
    if (!SessionConnected()) {
        FShowMessage(this, tr(GoOnline));
        return;
    }
    const auto request = ConfirmedRequest([this](TFormCreateUser &window) {
        window.SetupChangeEmail(inpUserName->text(), IsAdministrator);
    });
    if (!request)
        return;
    if (IsAdministrator) {
        ShowEmail(request->FirstEntry(), false);
        return;
    }
    if (!SameNameIgnoringCase(request->UserName(), SessionUserName)) {
        FShowMessage(this, tr(OwnAccountOnly));
        return;
    }
    OldEmail = EmailToSend();
    FOldEmailUnknown = FEmailUnknown;
    NewEmail = request->FirstEntry();
    ShowEmail(NewEmail, false);
    // The outcome arrives through ShowEmailChangeResult.
    FSessions->ChangeEmail(SessionUserName, NewEmail);
}

void TFormUserProfile::btChangeProfileClick() {
    const int disabled = DisabledFlag();
    if (!SessionConnected()) {
        GoOnlineAndClose();
        return;
    }
    if (!IsAdministrator) {
        FShowMessage(this, tr("Not an admin?"));
        return;
    }
    const QString name = TrimBlanks(inpUserName->text());
    const QString password = TrimBlanks(inpPassword->text());
    const QString email = EmailToSend();
    if (name.isEmpty() || (password.isEmpty() && !FPasswordWithheld) || email.isEmpty()) {
        FShowMessage(this, tr("Check the input values,\rempty fields are not allowed!"));
        return;
    }
    // The outcome arrives through ShowModifyResult.
    FSessions->ModifyUserProfile(SessionUserName, name, password, email, spUserType->value(),
                                 disabled);
}

} // namespace hbquor::account
