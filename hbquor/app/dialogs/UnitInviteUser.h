// SPDX-License-Identifier: MIT
// TFormInviteUser: the invite dialog ("Authorise User to Channel"): a user
// name and a channel. It closes with OK only when both, trimmed, are filled.
#pragma once

#include "MessageBoxes.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class TFormInviteUser : public QDialog {
    Q_OBJECT
public:
    explicit TFormInviteUser(QWidget *parent = nullptr);

    QLineEdit *inpUser;
    QLineEdit *inpChannel;
    QPushButton *Button1;
    QPushButton *Button2;

    /// How the refusal is shown; a message box unless replaced.
    ShowMessageFunction ShowMessage;

public slots:
    /// Trims both inputs (putting the trimmed texts back); refuses empty ones
    /// with "Please input a Username and a Channel!", else closes with OK.
    void Button1Click();
};
