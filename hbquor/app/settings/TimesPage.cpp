// SPDX-License-Identifier: MIT
#include "TimesPage.h"

#include "FillFields.h"
#include "MainSettings.h"
#include "TimeText.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace hbquor::settings {

TimesPage::TimesPage(const std::function<double()> &now, QWidget *parent) : SettingsPage(parent) {
    auto *layout = new QVBoxLayout(this);
    const double vrt = now();
    const QList<QPair<TimeText::Mode, QString>> modes{
        {TimeText::Vrt, tr("&VRT, the service's time")},
        {TimeText::Utc, tr("&UTC")},
        {TimeText::Local, tr("&Local time")},
    };
    for (const auto &[mode, name] : modes) {
        const TimeText times(mode);
        auto *button = new QRadioButton(
            FillFields(tr("%s - now %s %s"), {name, times.HourMinute(vrt), times.ZoneName(vrt)}),
            this);
        layout->addWidget(button);
        rgTimeMode << button;
    }
    cbChatTimes = new QCheckBox(tr("Said lines start with their &time"), this);
    layout->addWidget(cbChatTimes);
    layout->addStretch();
}

QString TimesPage::Title() const {
    return tr("Tim&es");
}

void TimesPage::Load(const MainSettings &settings) {
    rgTimeMode.value(TimeText(settings.TimeMode).GetMode())->setChecked(true);
    cbChatTimes->setChecked(settings.ChatTimes);
}

void TimesPage::Store(MainSettings &settings) const {
    for (int mode = 0; mode < rgTimeMode.size(); ++mode)
        if (rgTimeMode[mode]->isChecked())
            settings.TimeMode = mode;
    settings.ChatTimes = cbChatTimes->isChecked();
}

} // namespace hbquor::settings
