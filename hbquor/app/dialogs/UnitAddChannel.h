// SPDX-License-Identifier: MIT
// TFormAddChannel: the join-channel dialog ("Create or Join Channel"): a
// channel name, a channel type and, for passworded channels, a password.
// It checks nothing; the main window's command reads it after "Join".
#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TFormAddChannel : public QDialog {
    Q_OBJECT
public:
    explicit TFormAddChannel(QWidget *parent = nullptr);

    /// Index of the selected channel type: 0 standard, 1 invite-only,
    /// 2 passworded, 3 unknown.
    int ChannelTypeIndex() const;
    void SetChannelTypeIndex(int index);

    QLineEdit *inpQuorChannel;
    QGroupBox *rgChannelType;
    QButtonGroup *rgChannelTypeItems;
    QLineEdit *inpPassword;
    QPushButton *btnJoin;
    QPushButton *btnCancel;

public slots:
    /// The password input is enabled exactly for "&Passworded".
    void rgChannelTypeClick();
};
