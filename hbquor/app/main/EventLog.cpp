// SPDX-License-Identifier: MIT
#include "EventLog.h"

#include <QAbstractButton>
#include <QAction>

namespace {

/// A line of the chat log's frame between two lines of hyphens: the event
/// ("opened" or "closed") with the long date and the zone name of now.
QStringList Frame(const char *event, const TimeText &times, double now) {
    const QString hyphens(45, QLatin1Char('-'));
    const QString text = QStringLiteral("Quor Log %1 %2 %3")
                             .arg(QLatin1String(event), times.LongDate(now), times.ZoneName(now));
    return {hyphens, text, hyphens};
}

} // namespace

EventLog::EventLog(const Controls &controls, QString chatLogFile, std::function<double()> vrtClock,
                   ShowMessageFunction showMessage)
    : FControls(controls), FPane(controls.Pane), FChatLogFile(std::move(chatLogFile)),
      FVrtClock(std::move(vrtClock)), FShowMessage(std::move(showMessage)) {
    SetFrozen(false);
}

void EventLog::Write(TLogStyle style, const QString &paneText,
                     const std::optional<QString> &chatLogText) {
    AddLine(style, paneText);
    if (chatLogText)
        WriteChatLog(*chatLogText);
}

void EventLog::AddLine(TLogStyle style, const QString &text) {
    FPane.AddLine(text, LogBlockFormat(style), LogCharFormat(style, FLooks, FPaneColour));
}

void EventLog::WriteChatLog(const QString &text) {
    FChatLog.WriteLine(text);
}

void EventLog::Clear() {
    FPane.Clear();
}

void EventLog::OpenChatLog() {
    if (FChatLog.IsOpen())
        return;
    QString error;
    if (!FChatLog.Open(FChatLogFile, error)) {
        FShowMessage(error);
    } else {
        for (const QString &line : Frame("opened", FTimes, FVrtClock()))
            if (!FChatLog.WriteLine(line)) {
                FShowMessage(FChatLog.LastError());
                FChatLog.Close();
                break;
            }
    }
    FControls.LogChatItem->setChecked(FChatLog.IsOpen());
}

void EventLog::CloseChatLog() {
    if (FChatLog.IsOpen()) {
        for (const QString &line : Frame("closed", FTimes, FVrtClock()))
            FChatLog.WriteLine(line);
    }
    FChatLog.Close();
    FControls.LogChatItem->setChecked(false);
}

void EventLog::ToggleChatLog() {
    if (FChatLog.IsOpen())
        CloseChatLog();
    else
        OpenChatLog();
}

void EventLog::SetFrozen(bool frozen) {
    FPane.SetFrozen(frozen);
    FControls.ModeButton->setText(LinePane::ModeCaption(frozen));
    FControls.ModeButton->setAccessibleDescription(
        frozen ? tr("Frozen: new lines do not move the log pane; press to scroll")
               : tr("Scrolling: the log pane follows new lines; press to freeze"));
}
