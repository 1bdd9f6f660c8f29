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
            return QFileDialog::getSaveFileName(page, HistorySettingsPage::tr("Export history"),
                                                suggested);
        };
    return questions;
}

} // namespace

HistorySettingsPage::HistorySettingsPage(historyrecord::ProgramHistory &history,
                                         Questions questions, QWidget *parent)
    : SettingsPage(parent), cbKeep(new QCheckBox(tr("&Keep history"), this)),
      inpDays(new QLineEdit(this)), inpConversation(new QLineEdit(this)),
      cbExportFormat(new QComboBox(this)),
      btDelete(new QPushButton(tr("&Delete history ..."), this)),
      btExport(new QPushButton(tr("E&xport ..."), this)), FHistory(history),
      FQuestions(WithDefaults(std::move(questions), this)) {
    inpDays->setValidator(new QIntValidator(0, HistorySettings::MaxDays, inpDays));
    inpDays->setToolTip(tr("0 keeps it for ever"));
    inpDays->setAccessibleDescription(inpDays->toolTip());
    inpConversation->setPlaceholderText(tr("user or #channel; empty for all"));
    inpConversation->setAccessibleDescription(inpConversation->placeholderText());
    cbExportFormat->addItems({tr("Plain text"), tr("JSON lines")});
    btDelete->setAccessibleDescription(
        tr("Deletes the history with the conversation named, or all history"));
    btExport->setAccessibleDescription(tr("Exports the history with the conversation named"));

    auto *form = new QFormLayout(this);
    form->addRow(cbKeep);
    form->addRow(tr("Days ke&pt:"), inpDays);
    form->addRow(tr("Con&versation:"), inpConversation);
    form->addRow(btDelete);
    form->addRow(tr("Fo&rmat:"), cbExportFormat);
    form->addRow(btExport);

    connect(cbKeep, &QCheckBox::toggled, this, &HistorySettingsPage::KeepToggled);
    connect(inpDays, &QLineEdit::textChanged, this, &HistorySettingsPage::DaysChanged);
    connect(inpConversation, &QLineEdit::textChanged, this,
            [this](const QString &text) { btExport->setEnabled(!text.trimmed().isEmpty()); });
    connect(btDelete, &QPushButton::clicked, this, &HistorySettingsPage::DeleteClicked);
    connect(btExport, &QPushButton::clicked, this, &HistorySettingsPage::ExportClicked);
    btExport->setEnabled(false);
}

QString HistorySettingsPage::Title() const {
    return tr("Histor&y");
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

void HistorySettingsPage::DaysChanged() {
    const bool valid = IsValid();
    // Why OK is disabled, for those who cannot see the field.
    inpDays->setAccessibleDescription(
        valid ? inpDays->toolTip()
              : tr("the days kept are a number from 0 to %1").arg(HistorySettings::MaxDays));
    if (valid != FValid) {
        FValid = valid;
        emit ValidityChanged();
    }
}

void HistorySettingsPage::KeepToggled(bool keep) {
    if (!keep && FQuestions.AskYesNo(tr("History is off. Delete all history kept?")))
        FHistory.Store().DeleteEverything();
}

void HistorySettingsPage::DeleteClicked() {
    const QString peer = inpConversation->text().trimmed();
    if (peer.isEmpty()) {
        if (FQuestions.AskYesNo(tr("Delete all history?")))
            FHistory.Store().DeleteEverything();
        return;
    }
    if (FQuestions.AskYesNo(tr("Delete the history with %1?").arg(peer)))
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
        FQuestions.ShowMessage(tr("The history could not be exported to %1").arg(name));
}

} // namespace hbquor::historyview
