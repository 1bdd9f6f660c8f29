// SPDX-License-Identifier: MIT
// SettingsDialog: the modal dialog "Settings" with one tab per page. It
// loads every page from the settings it is given, keeps OK disabled while
// any page holds a faulty field, and on OK hands back the settings with the
// pages' values; Cancel and Esc change nothing. While a session is logged
// on, one line says that connection changes apply at the next logon.
#pragma once

#include "MainSettings.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QTabWidget;

namespace hbquor::settings {

class SettingsPage;

class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(const MainSettings &settings, bool loggedOn, QWidget *parent = nullptr);

    /// Adds page as the last tab (the dialog owns it) and loads it.
    void AddPage(SettingsPage *page);
    /// The settings given, with every page's values.
    MainSettings Result() const;

    QTabWidget *PageControl;
    QLabel *lbNextLogon;
    QDialogButtonBox *Buttons;

private:
    void UpdateOk();

    MainSettings FSettings;
    QList<SettingsPage *> FPages;
};

} // namespace hbquor::settings
