// SPDX-License-Identifier: MIT
// TimesPage: the settings page "Times": the time base of the clock and of
// every time stamp (VRT, UTC or the local time, each shown with the time it
// gives now) and whether said lines start with their time stamp.
#pragma once

#include "SettingsPage.h"

#include <functional>

class QCheckBox;
class QRadioButton;

namespace hbquor::settings {

class TimesPage : public SettingsPage {
    Q_OBJECT

public:
    /// now gives the current time as a VRT date-time value.
    explicit TimesPage(const std::function<double()> &now, QWidget *parent = nullptr);

    QString Title() const override;
    void Load(const MainSettings &settings) override;
    void Store(MainSettings &settings) const override;
    bool IsValid() const override { return true; }

    /// By TimeMode: VRT, UTC, local time.
    QList<QRadioButton *> rgTimeMode;
    QCheckBox *cbChatTimes;
};

} // namespace hbquor::settings
