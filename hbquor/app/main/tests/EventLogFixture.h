// SPDX-License-Identifier: MIT
// An event log on its own controls for the tests of the log and its
// lines.
#pragma once

#include "EventLog.h"

#include <QAction>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

/// An event log on its own controls, writing into a temporary folder at a
/// fixed time: 2004-03-05 09:07:30 VRT.
struct LogFixture {
    LogFixture() {
        LogChat.setCheckable(true);
        QLocale::setDefault(QLocale::c());
    }

    QStringList FileLines() const {
        QFile file(Dir.filePath(QStringLiteral("Log.txt")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        lines.removeLast(); // after the last line end
        return lines;
    }

    QTemporaryDir Dir;
    QTextEdit Pane;
    QToolButton Mode;
    QAction LogChat;
    QStringList Messages;
    double Now = 38051.0 + (9 * 3600 + 7 * 60 + 30) / 86400.0;
    EventLog Log{{&Pane, &Mode, &LogChat},
                 Dir.filePath(QStringLiteral("Log.txt")),
                 [this] { return Now; },
                 [this](const QString &text) { Messages << text; }};
};
