// The main window's log pane (styled, time-stamped paragraphs under the
// shared line rule) and its chat log file.
#include "UnitQuorMain.h"

#include "VrtText.h"

#include <QTextEdit>
#include <QToolButton>

#include <exception>

namespace {

const QString FrameLine = QString(45, QLatin1Char('-'));

} // namespace

void TFormQuorMain::AddLogLine(TLogStyle style, const QString &text) {
    FLogPane->AddLine(text, LogBlockFormat(style), LogCharFormat(style));
}

QString TFormQuorMain::TimeStamp() const {
    return FormatLogTimeStamp(VrtTime());
}

void TFormQuorMain::WriteChatLog(const QString &text) {
    // A failed or short write is ignored; logging stays on.
    FChatLog.WriteLine(text);
}

void TFormQuorMain::OpenChatLog() {
    if (FChatLog.IsOpen())
        return;
    QString error;
    if (!FChatLog.Open(FOptions.Files.ChatLogFile, error)) {
        FOptions.ShowMessage(error);
        ui.mnuLogChat->setChecked(false);
        return;
    }
    const QString opened = QStringLiteral("Quor Log opened %1 VRT").arg(FormatVrtDate(VrtTime()));
    for (const QString &line : {FrameLine, opened, FrameLine})
        if (!FChatLog.WriteLine(line)) {
            FOptions.ShowMessage(FChatLog.LastError());
            FChatLog.Close();
            ui.mnuLogChat->setChecked(false);
            return;
        }
    ui.mnuLogChat->setChecked(true);
}

void TFormQuorMain::CloseChatLog() {
    if (FChatLog.IsOpen()) {
        const QString closed =
            QStringLiteral("Quor Log closed %1 VRT").arg(FormatVrtDate(VrtTime()));
        for (const QString &line : {FrameLine, closed, FrameLine})
            FChatLog.WriteLine(line);
    }
    FChatLog.Close();
    ui.mnuLogChat->setChecked(false);
}

void TFormQuorMain::mnuLogChatClick() {
    if (FChatLog.IsOpen())
        CloseChatLog();
    else
        OpenChatLog();
}

void TFormQuorMain::SetFrozen(bool value) {
    FFrozen = value;
    FLogPane->SetFrozen(value);
    ui.spbScrolling->setText(LinePane::ModeCaption(value));
}

void TFormQuorMain::spbScrollingClick() {
    SetFrozen(!FFrozen);
}
