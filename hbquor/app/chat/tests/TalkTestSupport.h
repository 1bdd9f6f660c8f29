// SPDX-License-Identifier: MIT
// Helpers for the talk window tests: a send handler that records each call
// and answers with a chosen result (it can also fill in an empty own name as
// the main window's handler does), sending a line with Enter, and a look at
// the pane's last line.
#pragma once

#include "TalkWindow.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QTest>
#include <QTextBlock>
#include <QVector>

/// Puts text into the input line and presses Enter there.
inline void EnterLine(TQuorTalkWindow &window, const QString &text) {
    window.Edit1->setText(text);
    QTest::keyClick(window.Edit1, Qt::Key_Return);
}

inline QString LastLine(const TQuorTalkWindow &window) {
    return window.Memo1->document()->lastBlock().text();
}

struct SentLine {
    QString OwnName;
    QString Target;
    QString Text;
};

class SendRecorder {
public:
    /// What the handler returns.
    bool Result = true;
    /// When not empty, an empty own name is set to this before recording.
    QString FillOwnName;
    QVector<SentLine> Calls;

    TQuorTalkWindow::SendTextHandler Handler() {
        return [this](QString &ownName, QString &target, const QString &text) {
            if (ownName.isEmpty() && !FillOwnName.isEmpty())
                ownName = FillOwnName;
            Calls.push_back({ownName, target, text});
            return Result;
        };
    }
};
