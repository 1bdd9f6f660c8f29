// SPDX-License-Identifier: MIT
#include "SettingsDialog.h"

#include "SettingsPage.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace hbquor::settings {

SettingsDialog::SettingsDialog(const MainSettings &settings, bool loggedOn, QWidget *parent)
    : QDialog(parent), FSettings(settings) {
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    PageControl = new QTabWidget(this);
    lbNextLogon = new QLabel(
        QStringLiteral("Logged on: server, TLS and proxy changes apply at the next logon."), this);
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
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
}

} // namespace hbquor::settings
