// SPDX-License-Identifier: MIT
// ChatLogPage: the settings page "Chat log": whether the chat log is kept,
// where its file lies, and a button that opens that folder.
#pragma once

#include "SettingsPage.h"

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QUrl;

namespace hbquor::settings {

class ChatLogPage : public SettingsPage {
    Q_OBJECT

public:
    /// openUrl opens the folder with the desktop's file manager.
    ChatLogPage(const QString &chatLogFile, std::function<void(const QUrl &)> openUrl,
                QWidget *parent = nullptr);

    QString Title() const override;
    void Load(const MainSettings &settings) override;
    void Store(MainSettings &settings) const override;
    bool IsValid() const override { return true; }

    QCheckBox *cbLogChat;
    QLabel *lbLogFile;
    QPushButton *btOpenFolder;
};

} // namespace hbquor::settings
