// SPDX-License-Identifier: MIT
// HistorySettingsPage: the History page of the settings. It holds whether
// history is kept (HistoryKeep) and for how many days (HistoryDays, 0 for
// ever), deletes the history of one conversation or channel or all of it
// (after a question), and exports one conversation as plain text or JSON
// lines.
//
// Turning history off offers to delete what is kept; the writing stops when
// the dialog is confirmed, the days take effect at the next start.
#pragma once

#include "HistoryTypes.h"
#include "MessageBoxes.h"
#include "SettingsPage.h"

#include <QString>

#include <functional>

struct MainSettings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace hbquor::historyrecord {
class ProgramHistory;
}

namespace hbquor::historyview {

class HistorySettingsPage : public settings::SettingsPage {
    Q_OBJECT

public:
    /// What the page asks of the user; message boxes and the file dialog
    /// when not set.
    struct Questions {
        AskYesNoFunction AskYesNo;
        ShowMessageFunction ShowMessage;
        /// The file to export to, empty when the user chose none.
        std::function<QString(const QString &suggested)> ExportFileName;
    };

    /// history must outlive the page.
    explicit HistorySettingsPage(historyrecord::ProgramHistory &history, Questions questions = {},
                                 QWidget *parent = nullptr);

    QString Title() const override;
    void Load(const MainSettings &settings) override;
    void Store(MainSettings &settings) const override;
    /// The days are a whole number from 0 to the most kept.
    bool IsValid() const override;

    /// The controls, for tests and keyboard users alike.
    QCheckBox *const cbKeep;
    QLineEdit *const inpDays;
    /// The peer or "#channel" that Delete and Export work on; empty for
    /// Delete means everything.
    QLineEdit *const inpConversation;
    QComboBox *const cbExportFormat;
    QPushButton *const btDelete;
    QPushButton *const btExport;

private:
    void DaysChanged();
    void KeepToggled(bool keep);
    void DeleteClicked();
    void ExportClicked();

    historyrecord::ProgramHistory &FHistory;
    Questions FQuestions;
    bool FValid = true;
};

} // namespace hbquor::historyview
