// SPDX-License-Identifier: MIT
// The user profile window: shows the account profile of a user (name,
// password, e-mail, user type, creation and last login time, accounts
// created, disabled flag). An ordinary user sees his own profile and may
// change his own password or e-mail address; an administrator (user type
// 1) may request anyone's profile, see passwords in plain text, edit the
// fields and send them with Change Profile.
//
// The main window creates it for one modal showing: OpenForSession, exec,
// destroy. While it exists, the account event router hands it the client
// core's profile, profile change and e-mail change events through
// ShowProfileResult, ShowModifyResult and ShowEmailChangeResult. Those may
// be called inside a library callback: their message boxes are shown
// afterwards.
#pragma once

#include "AccountSessions.h"
#include "ClientEvents.h"
#include "MessageHook.h"
#include "TimeText.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;

namespace hbquor {
class ThbQuorCentral;
}

namespace hbquor::account {

class TFormCreateUser;

class TFormUserProfile : public QDialog {
    Q_OBJECT

public:
    // userTypes: the user-type names indexed by user type (the main
    // window's FUserTypes: "User", "Admin", then those of the settings).
    explicit TFormUserProfile(const QStringList &userTypes, QWidget *parent = nullptr,
                              MessageHook showMessage = ::ShowMessageBox);
    ~TFormUserProfile() override;

    // Binds the window to the program's session manager (not owned) and the
    // login name of the account session whose requests it sends.
    void OpenForSession(ThbQuorCentral &central, const QString &loginName);
    // The same with any provider of the session manager's services.
    void OpenForSession(TAccountSessions &sessions, const QString &loginName);

    // The time base the creation and last login times are shown in (VRT
    // unless set); set before the window shows.
    void SetTimeText(const TimeText &times) { FTimes = times; }

    // Fills the fields from the session's stored own profile.
    void FormShow();

    // Outcome of a profile request; the times are date-time values in VRT
    // (the client core keeps the session manager in VRT), shown in the
    // window's time base.
    void ShowProfileResult(const client::UserProfile &profile);
    // Outcome of a profile change.
    void ShowModifyResult(const client::ProfileChange &change);
    // Outcome of an own e-mail change; on success the window closes.
    void ShowEmailChangeResult(const client::RequestResult &result);

    QString SessionUserName;
    bool IsAdministrator = false;
    bool ProfileLoaded = false;
    QString OldPassword;
    QString NewPassword;
    QString OldEmail;
    QString NewEmail;

    QLineEdit *inpUserName;
    QLineEdit *inpPassword;
    QLineEdit *inpEmail;
    QLineEdit *inpCreated;
    QLineEdit *inpLastLogin;
    QLineEdit *inpSelfCreated;
    QPushButton *btRequestProfile;
    QPushButton *btChangeProfile;
    QPushButton *btClose;
    QSpinBox *spUserType;
    QCheckBox *cbDisabled;
    QPushButton *btChangePassword;
    QPushButton *btChangeEmail;
    QLabel *lbUserType;
    QMenu *pumPassword;
    QAction *mnuViewPassword;

public slots:
    void inpUserNameChange();
    void spUserTypeChange();
    void btRequestProfileClick();
    void btChangeProfileClick();
    void btChangePasswordClick();
    void btChangeEmailClick();
    // Prepares the view-password item as the password's pop-up menu opens.
    void pumPasswordPopup();
    void mnuViewPasswordClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void BuildControls();
    void ClearProfile();
    void SetProfileLoaded(bool value);
    void SetAdministrator(bool value);
    // Change Profile is offered to administrators once a profile is shown.
    void UpdateChangeProfileButton();
    // Shows a user type, widening the box's range when it lies outside the
    // names' range, so that it is shown and sent back as it stands.
    void ShowUserType(int userType);
    // Shows the name of the user type beside its number box.
    void ShowUserTypeName(const QString &name);
    void RestoreUserTypeRange();
    bool SessionConnected();
    bool MayViewPassword();
    // Shows the message, then closes the window with the result Cancel.
    void GoOnlineAndClose();
    void ShowPasswordMenu(const QPoint &position);
    // Shows the account request window, set up by `setup`, modally. Returns
    // it when it was confirmed and the session is still connected; after a
    // lost connection says so and closes this window. Null otherwise.
    std::unique_ptr<TFormCreateUser>
    ConfirmedRequest(const std::function<void(TFormCreateUser &)> &setup);
    int DisabledFlag() const;
    // The trimmed e-mail field, or an empty text while it shows "unknown"
    // for an e-mail address the session does not know.
    QString EmailToSend() const;
    void ShowEmail(const QString &email, bool unknown);
    // Shows a password as the server sent it.
    void ShowPassword(const QString &password);

    QStringList FUserTypes;
    bool FEmailUnknown = false;
    // The server sent the profile without its password (it may keep
    // passwords to itself); an empty password then asks it to keep the
    // current one.
    bool FPasswordWithheld = false;
    bool FOldEmailUnknown = false;
    MessageHook FShowMessage;
    TimeText FTimes;
    TAccountSessions *FSessions = nullptr;
    std::unique_ptr<TAccountSessions> FOwnedSessions;
};

} // namespace hbquor::account
