// SPDX-License-Identifier: MIT
// NotificationsPage: the settings page "Notifications": whether texts that
// arrive while the program is in the background raise desktop notifications.
#pragma once

#include "SettingsPage.h"

class QCheckBox;

namespace hbquor::settings {

class NotificationsPage : public SettingsPage {
    Q_OBJECT

public:
    explicit NotificationsPage(QWidget *parent = nullptr);

    QString Title() const override;
    void Load(const MainSettings &settings) override;
    void Store(MainSettings &settings) const override;
    bool IsValid() const override { return true; }

    QCheckBox *cbNotify;
};

} // namespace hbquor::settings
