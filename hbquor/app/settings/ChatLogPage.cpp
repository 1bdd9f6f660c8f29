// SPDX-License-Identifier: MIT
#include "ChatLogPage.h"

#include "MainSettings.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace hbquor::settings {

ChatLogPage::ChatLogPage(const QString &chatLogFile, std::function<void(const QUrl &)> openUrl,
                         QWidget *parent)
    : SettingsPage(parent) {
    auto *layout = new QVBoxLayout(this);
    cbLogChat = new QCheckBox(tr("&Log chat to a file"), this);
    lbLogFile = new QLabel(QDir::toNativeSeparators(chatLogFile), this);
    lbLogFile->setTextFormat(Qt::PlainText);
    lbLogFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    btOpenFolder = new QPushButton(tr("Open i&ts folder"), this);
    btOpenFolder->setAccessibleDescription(tr("Opens the folder that holds the chat log file"));
    layout->addWidget(cbLogChat);
    layout->addWidget(lbLogFile);
    layout->addWidget(btOpenFolder, 0, Qt::AlignLeft);
    layout->addStretch();
    const QString folder = QFileInfo(chatLogFile).absolutePath();
    connect(btOpenFolder, &QPushButton::clicked, this,
            [folder, openUrl = std::move(openUrl)] { openUrl(QUrl::fromLocalFile(folder)); });
}

QString ChatLogPage::Title() const {
    return tr("Chat lo&g");
}

void ChatLogPage::Load(const MainSettings &settings) {
    cbLogChat->setChecked(settings.LogChat);
}

void ChatLogPage::Store(MainSettings &settings) const {
    settings.LogChat = cbLogChat->isChecked();
}

} // namespace hbquor::settings
