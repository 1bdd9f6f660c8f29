// SPDX-License-Identifier: MIT
#include "HistorySettingsPage.h"

#include "MainSettings.h"
#include "ProgramHistory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>

namespace hbquor::historyview {

namespace {

HistorySettingsPage::Questions WithDefaults(HistorySettingsPage::Questions questions,
                                            QWidget *page) {
    if (!questions.AskYesNo)
        questions.AskYesNo = [page](const QString &text) { return AskYesNoBox(page, text); };
    if (!questions.ShowMessage)
        questions.ShowMessage = [page](const QString &text) { ShowMessageBox(page, text); };
    if (!questions.ExportFileName)
        questions.ExportFileName = [page](const QString &suggested) {
            return QFileDialog::getSaveFileName(page, QStringLiteral("Export history"), suggested);
        };
    return questions;
}

} // namespace

HistorySettingsPage::HistorySettingsPage(historyrecord::ProgramHistory &history,
                                         Questions questions, QWidget *parent)
    : SettingsPage(parent), cbKeep(new QCheckBox(QStringLiteral("&Keep history"), this)),
      inpDays(new QLineEdit(this)), inpConversation(new QLineEdit(this)),
      cbExportFormat(new QComboBox(this)),
      btDelete(new QPushButton(QStringLiteral("&Delete history ..."), this)),
      btExport(new QPushButton(QStringLiteral("E&xport ..."), this)), FHistory(history),
      FQuestions(WithDefaults(std::move(questions), this)) {
    inpDays->setValidator(new QIntValidator(0, HistorySettings::MaxDays, inpDays));
    inpDays->setToolTip(QStringLiteral("0 keeps it for ever"));
    inpConversation->setPlaceholderText(QStringLiteral("user or #channel; empty for all"));
    cbExportFormat->addItems({QStringLiteral("Plain text"), QStringLiteral("JSON lines")});

    auto *form = new QFormLayout(this);
    form->addRow(cbKeep);
    form->addRow(QStringLiteral("Days k&ept:"), inpDays);
    form->addRow(QStringLiteral("&Conversation:"), inpConversation);
    form->addRow(btDelete);
    form->addRow(QStringLiteral("&Format:"), cbExportFormat);
    form->addRow(btExport);

    connect(cbKeep, &QCheckBox::toggled, this, &HistorySettingsPage::KeepToggled);
    connect(inpDays, &QLineEdit::textChanged, this, [this] {
        const bool valid = IsValid();
        if (valid != FValid) {
            FValid = valid;
            emit ValidityChanged();
        }
    });
    connect(inpConversation, &QLineEdit::textChanged, this,
            [this](const QString &text) { btExport->setEnabled(!text.trimmed().isEmpty()); });
    connect(btDelete, &QPushButton::clicked, this, &HistorySettingsPage::DeleteClicked);
    connect(btExport, &QPushButton::clicked, this, &HistorySettingsPage::ExportClicked);
    btExport->setEnabled(false);
}

QString HistorySettingsPage::Title() const {
    return QStringLiteral("History");
}

void HistorySettingsPage::Load(const MainSettings &settings) {
    const QSignalBlocker quiet(cbKeep);
    cbKeep->setChecked(settings.History.Keep);
    inpDays->setText(QString::number(settings.History.Days));
}

void HistorySettingsPage::Store(MainSettings &settings) const {
    settings.History.Keep = cbKeep->isChecked();
    if (IsValid())
        settings.History.Days = inpDays->text().toInt();
}

bool HistorySettingsPage::IsValid() const {
    return inpDays->hasAcceptableInput();
}

void HistorySettingsPage::KeepToggled(bool keep) {
    if (!keep && FQuestions.AskYesNo(QStringLiteral("History is off. Delete all history kept?")))
        FHistory.Store().DeleteEverything();
}

void HistorySettingsPage::DeleteClicked() {
    const QString peer = inpConversation->text().trimmed();
    if (peer.isEmpty()) {
        if (FQuestions.AskYesNo(QStringLiteral("Delete all history?")))
            FHistory.Store().DeleteEverything();
        return;
    }
    if (FQuestions.AskYesNo(QStringLiteral("Delete the history with %1?").arg(peer)))
        FHistory.Store().Delete(FHistory.CurrentAccount(), peer);
}

void HistorySettingsPage::ExportClicked() {
    const QString peer = inpConversation->text().trimmed();
    const bool json = cbExportFormat->currentIndex() == 1;
    const QString name = FQuestions.ExportFileName(peer + (json ? ".jsonl" : ".txt"));
    if (name.isEmpty())
        return;
    QFile file(name);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         FHistory.Store().Export(FHistory.CurrentAccount(), peer,
                                                 json ? history::ExportFormat::JsonLines
                                                      : history::ExportFormat::PlainText,
                                                 file);
    if (!written)
        FQuestions.ShowMessage(QStringLiteral("The history could not be exported to %1").arg(name));
}

} // namespace hbquor::historyview
