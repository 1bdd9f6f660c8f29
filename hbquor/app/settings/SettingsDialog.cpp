// SPDX-License-Identifier: MIT
#include "SettingsDialog.h"

#include "SettingsPage.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace hbquor::settings {

SettingsDialog::SettingsDialog(const MainSettings &settings, bool loggedOn, QWidget *parent)
    : QDialog(parent), FSettings(settings) {
    setWindowTitle(tr("Settings"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    PageControl = new QTabWidget(this);
    PageControl->setAccessibleName(tr("Settings pages"));
    PageControl->tabBar()->setAccessibleName(tr("Settings pages"));
    // Every tab shows its whole name: the dialog grows for longer ones.
    PageControl->setUsesScrollButtons(false);
    PageControl->setElideMode(Qt::ElideNone);
    lbNextLogon =
        new QLabel(tr("Logged on: server, TLS and proxy changes apply at the next logon."), this);
    lbNextLogon->setVisible(loggedOn);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(PageControl);
    layout->addWidget(lbNextLogon);
    layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void SettingsDialog::AddPage(SettingsPage *page) {
    page->setParent(this);
    page->Load(FSettings);
    PageControl->addTab(page, page->Title());
    FPages << page;
    connect(page, &SettingsPage::ValidityChanged, this, &SettingsDialog::UpdateOk);
    UpdateOk();
}

MainSettings SettingsDialog::Result() const {
    MainSettings settings = FSettings;
    for (const SettingsPage *page : FPages)
        page->Store(settings);
    return settings;
}

void SettingsDialog::UpdateOk() {
    bool valid = true;
    for (const SettingsPage *page : FPages)
        valid = valid && page->IsValid();
    QPushButton *ok = Buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(valid);
    ok->setAccessibleDescription(valid ? QString() : tr("Disabled while a field is faulty"));
}

} // namespace hbquor::settings
