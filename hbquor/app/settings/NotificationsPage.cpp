// SPDX-License-Identifier: MIT
#include "NotificationsPage.h"

#include "MainSettings.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace hbquor::settings {

NotificationsPage::NotificationsPage(QWidget *parent) : SettingsPage(parent) {
    auto *layout = new QVBoxLayout(this);
    cbNotify = new QCheckBox(tr("&Notify me of texts that arrive while I work elsewhere"), this);
    layout->addWidget(cbNotify);
    layout->addStretch();
}

QString NotificationsPage::Title() const {
    return tr("Noti&fications");
}

void NotificationsPage::Load(const MainSettings &settings) {
    cbNotify->setChecked(settings.Notify);
}

void NotificationsPage::Store(MainSettings &settings) const {
    settings.Notify = cbNotify->isChecked();
}

} // namespace hbquor::settings
