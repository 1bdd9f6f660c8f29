// SPDX-License-Identifier: MIT
// EventLog: the main window's log pane and its chat log file, written
// together. Each event the window shows is one Write: a paragraph in its
// style for the pane and, for most events, a line for the chat log file,
// which is written only while it is open (EventLines words every event).
//
// The pane keeps the program's line rule and its scroll mode ("scrolling"
// or "frozen", shown on the mode button). The chat log is framed by lines
// of hyphens around "Quor Log opened ... VRT" and "Quor Log closed ... VRT"
// (or the name of the time base the user chose instead of VRT); "Log Chat"
// carries a check mark while it is open. The mode button also tells its
// mode in words to a screen reader (its accessible description).
#pragma once

#include "ChatLogFile.h"
#include "LinePane.h"
#include "LogStyles.h"
#include "MessageBoxes.h"
#include "TimeText.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

class QAbstractButton;
class QAction;
class QTextEdit;

class EventLog {
    Q_DECLARE_TR_FUNCTIONS(EventLog)

public:
    /// The controls the log shows itself in; they must outlive it.
    struct Controls {
        QTextEdit *Pane;
        QAbstractButton *ModeButton;
        QAction *LogChatItem;
    };

    /// The log, scrolling, with the chat log closed. vrtClock gives the
    /// current VRT time of the time stamps; showMessage tells the user why
    /// the chat log could not be opened.
    EventLog(const Controls &controls, QString chatLogFile, std::function<double()> vrtClock,
             ShowMessageFunction showMessage);

    /// Writes one event: a paragraph in the style to the pane and, when
    /// given, a line to the chat log.
    void Write(TLogStyle style, const QString &paneText,
               const std::optional<QString> &chatLogText = std::nullopt);
    /// A paragraph for the pane only.
    void AddLine(TLogStyle style, const QString &text);
    /// A line for the chat log only; a failed or short write is ignored.
    void WriteChatLog(const QString &text);
    /// The current time as a VRT date-time value.
    double Now() const { return FVrtClock(); }
    /// The time base times are written in; VRT unless set.
    void SetTimeText(const TimeText &times) { FTimes = times; }
    const TimeText &Times() const { return FTimes; }
    /// Empties the pane.
    void Clear();

    /// Starts a logging period: opens the file (an error is shown and
    /// logging stays off) and writes the opening frame.
    void OpenChatLog();
    /// Ends it with the closing frame; the file is closed whatever happens.
    void CloseChatLog();
    /// "Log Chat": closes an open chat log, opens a closed one.
    void ToggleChatLog();
    bool ChatLogOpen() const { return FChatLog.IsOpen(); }

    void SetFrozen(bool frozen);
    bool IsFrozen() const { return FPane.IsFrozen(); }

    /// The colours of the lines written from now on; light unless set.
    void SetLooks(LogLooks looks, const QColor &pane) {
        FLooks = looks;
        FPaneColour = pane;
    }

    /// The pane's line rule, for its zoom.
    LinePane &Pane() { return FPane; }

private:
    Controls FControls;
    LinePane FPane;
    ChatLogFile FChatLog;
    QString FChatLogFile;
    std::function<double()> FVrtClock;
    TimeText FTimes;
    ShowMessageFunction FShowMessage;
    LogLooks FLooks = LogLooks::Light;
    QColor FPaneColour;
};
