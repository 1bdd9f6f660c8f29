// SPDX-License-Identifier: MIT
// SettingsPage: one page of the settings dialog. A page shows some of the
// settings, checks its fields as they are typed and hands the values back
// only when the user confirms; the dialog keeps OK disabled while any page
// holds a faulty field.
#pragma once

#include <QString>
#include <QWidget>

struct MainSettings;

namespace hbquor::settings {

class SettingsPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    /// The page's name on its tab.
    virtual QString Title() const = 0;
    /// Fills the fields from settings.
    virtual void Load(const MainSettings &settings) = 0;
    /// Puts the fields' values into settings; called only while IsValid.
    virtual void Store(MainSettings &settings) const = 0;
    /// No field of the page is faulty.
    virtual bool IsValid() const = 0;

signals:
    /// A field became faulty or sound again.
    void ValidityChanged();
};

} // namespace hbquor::settings
