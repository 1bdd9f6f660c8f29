// SPDX-License-Identifier: MIT
#include "ComfortSettingsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace hbquor::dialogs {

ComfortSettingsPage::ComfortSettingsPage(bool trayAvailable, QWidget *parent)
    : SettingsPage(parent),
      FCloseToTray(new QCheckBox(tr("&Keep running in the tray when the window closes"))),
      FNoTray(new QLabel(tr("The desktop has no tray."))), FScheme(new QComboBox),
      FZoomText(new QLabel), FZoomReset(new QPushButton(tr("&Normal size"))) {
    FCloseToTray->setEnabled(trayAvailable);
    FNoTray->setVisible(!trayAvailable);
    FScheme->addItems({tr("As the desktop"), tr("Light"), tr("Dark")});
    auto *zoom = new QHBoxLayout;
    zoom->addWidget(FZoomText);
    zoom->addWidget(FZoomReset);
    zoom->addStretch();
    auto *form = new QFormLayout(this);
    form->addRow(FCloseToTray);
    form->addRow(FNoTray);
    form->addRow(tr("&Colours"), FScheme);
    form->addRow(tr("Text size"), zoom);
    FZoomReset->setAccessibleDescription(tr("Sets the text size back to normal"));
    connect(FZoomReset, &QPushButton::clicked, this, [this] {
        FZoom = 0;
        ShowZoom();
    });
    ShowZoom();
}

QString ComfortSettingsPage::Title() const {
    return tr("Look&s");
}

void ComfortSettingsPage::ShowZoom() {
    FZoomText->setText(FZoom == 0 ? tr("normal (Ctrl+Plus, Ctrl+Minus)")
                                  : tr("%1%2 points").arg(FZoom > 0 ? "+" : "").arg(FZoom));
    FZoomReset->setEnabled(FZoom != 0);
}

void ComfortSettingsPage::Load(const MainSettings &settings) {
    FCloseToTray->setChecked(settings.Comfort.CloseToTray);
    FScheme->setCurrentIndex(static_cast<int>(settings.Comfort.Scheme));
    FZoom = settings.Comfort.TextZoom;
    ShowZoom();
}

void ComfortSettingsPage::Store(MainSettings &settings) const {
    settings.Comfort.CloseToTray = FCloseToTray->isChecked();
    settings.Comfort.Scheme = static_cast<ColorScheme>(FScheme->currentIndex());
    settings.Comfort.TextZoom = FZoom;
}

bool ComfortSettingsPage::IsValid() const {
    return true;
}

} // namespace hbquor::dialogs
