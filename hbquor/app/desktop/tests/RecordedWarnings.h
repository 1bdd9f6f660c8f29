// SPDX-License-Identifier: MIT
// The warnings the code under test logs, kept for the test to check
// instead of printed.
#pragma once

#include <QStringList>
#include <QtGlobal>

inline QStringList RecordedWarnings;

/// From now on every warning is appended to RecordedWarnings.
inline void RecordWarnings() {
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtWarningMsg)
            RecordedWarnings << text;
    });
}
