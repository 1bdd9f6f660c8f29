// SPDX-License-Identifier: MIT
// The account request window: one modal dialog that collects a user name
// and an entry typed twice (an e-mail address or a password) for four
// requests: creating an account, asking for a forgotten password, changing
// the e-mail address and changing the password. It checks the entries and
// closes with Accepted; it sends nothing itself. The caller reads
// UserName() and FirstEntry() afterwards and sends the request.
#pragma once

#include "MessageHook.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace hbquor::account {

class TFormCreateUser : public QDialog {
    Q_OBJECT

public:
    // The request the dialog is set up for.
    enum Mode { CreateAccount = 0, RequestPassword = 1, ChangeEmail = 2, ChangePassword = 3 };

    explicit TFormCreateUser(QWidget *parent = nullptr, MessageHook showMessage = ::ShowMessageBox);

    void SetupCreateAccount();
    // The given name (possibly empty) is put into the user name input.
    void SetupRequestPassword(const QString &userName);
    // The user name cannot be edited; administrators get "Accept".
    void SetupChangeEmail(const QString &userName, bool administrator);
    // Both password entries are masked unless an administrator has the
    // profile's password in plain view.
    void SetupChangePassword(const QString &userName, bool administrator, bool showPlain);

    // The trimmed user name and first entry, as the caller sends them.
    QString UserName() const;
    QString FirstEntry() const;

    int RequestMode = CreateAccount;

    QLabel *lbWarning;
    QLabel *lbUser;
    QLabel *lbEmail;
    QLabel *lbEmail2;
    QLineEdit *inpUser;
    QLineEdit *inpEmail;
    QLineEdit *inpEmail2;
    QPushButton *btnSendRequest;
    QPushButton *Button2;

public slots:
    // Trims the entries, checks them for the current mode and closes with
    // Accepted when they pass; otherwise shows why and stays open.
    void btnSendRequestClick();

private:
    // What every mode sets: the stored mode, title, warning and labels,
    // which inputs are shown, enabled, masked and how long they may be.
    struct ModeLayout {
        Mode mode;
        QString title;
        QString warning;
        QString userLabel;
        QString entryLabel;
        QString confirmLabel; // empty: the confirmation is hidden
        QString userName;
        bool userEditable;
        bool masked;
        int entryLength;
        bool administrator;
    };
    void ApplyMode(const ModeLayout &layout);
    // The message for the first failed check, or an empty text.
    QString FirstFailedCheck() const;

    MessageHook FShowMessage;
};

} // namespace hbquor::account
