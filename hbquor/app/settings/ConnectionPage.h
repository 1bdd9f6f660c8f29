// SPDX-License-Identifier: MIT
// ConnectionPage: the settings page "Connection": the chat server's host
// and port, TLS and the certificate file trusted besides the system's, the
// proxy connections go through, reconnecting by itself, remembering the
// passwords in the secret store and logging on by itself at start. The
// proxy's password is asked here and never written to the file.
#pragma once

#include "SettingsPage.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace hbquor::settings {

class FieldReason;

class ConnectionPage : public SettingsPage {
    Q_OBJECT

public:
    /// Asks for a certificate file, starting at the one given; an empty
    /// answer keeps the field as it is.
    using ChooseFile = std::function<QString(QWidget *parent, const QString &current)>;

    /// rememberProblem says why passwords cannot be remembered (the box is
    /// then disabled); empty when they can.
    explicit ConnectionPage(const QString &rememberProblem = {}, ChooseFile chooseFile = {},
                            QWidget *parent = nullptr);

    QString Title() const override;
    void Load(const MainSettings &settings) override;
    void Store(MainSettings &settings) const override;
    bool IsValid() const override { return FValid; }

    QLineEdit *inpHost;
    QLineEdit *inpPort;
    QCheckBox *cbTls;
    QLineEdit *inpCaFile;
    QPushButton *btCaFile;
    QCheckBox *cbAutoReconnect;
    /// Entries in ProxyType's order: none, SOCKS5, HTTP.
    QComboBox *cbProxyType;
    QLineEdit *inpProxyHost;
    QLineEdit *inpProxyPort;
    QLineEdit *inpProxyUser;
    QLineEdit *inpProxyPassword;
    QCheckBox *cbRememberPassword;
    /// Usable only while the password is remembered.
    QCheckBox *cbAutoLogon;

    /// The reasons beside the checked fields, by field.
    FieldReason *ReasonOf(const QLineEdit *field) const;

private:
    /// A row of the grid: the label, the field and the line for its reason.
    QLineEdit *AddField(QGridLayout *grid, const QString &label);
    void Check();

    ChooseFile FChooseFile;
    QList<QPair<QLineEdit *, FieldReason *>> FReasons;
    bool FValid = true;
};

} // namespace hbquor::settings
