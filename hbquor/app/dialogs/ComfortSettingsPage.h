// SPDX-License-Identifier: MIT
// ComfortSettingsPage: the settings page of the tray, the colours and the
// text size: "Keep running in the tray when the window closes"
// (CloseToTray; disabled, with the reason beside it, where the desktop has
// no tray), the colour scheme (ColorScheme) and a reset of the text size
// (TextZoom, changed with Ctrl+Plus and Ctrl+Minus). It edits a copy of the
// settings and hands it back with Store.
#pragma once

#include "MainSettings.h"
#include "SettingsPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace hbquor::dialogs {

class ComfortSettingsPage : public settings::SettingsPage {
    Q_OBJECT

public:
    /// trayAvailable: whether the desktop shows a tray.
    explicit ComfortSettingsPage(bool trayAvailable, QWidget *parent = nullptr);

    QString Title() const override;
    void Load(const MainSettings &settings) override;
    void Store(MainSettings &settings) const override;
    /// Every choice on the page is a valid one.
    bool IsValid() const override;

private:
    /// Shows the zoom of the page's copy.
    void ShowZoom();

    QCheckBox *FCloseToTray;
    QLabel *FNoTray;
    QComboBox *FScheme;
    QLabel *FZoomText;
    QPushButton *FZoomReset;
    int FZoom = 0;
};

} // namespace hbquor::dialogs
