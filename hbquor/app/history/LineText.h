// SPDX-License-Identifier: MIT
// A line as an export writes it: plain text for reading, or one JSON object
// a line for programs. Times are UTC in both.
#pragma once

#include "HistoryTypes.h"

#include <QByteArray>

namespace hbquor::history {

/// The line with its line end: "2024-03-05 14:05:09 UTC  bob: hello\n".
/// Line breaks inside the text continue on lines indented by a tab.
QByteArray PlainTextLine(const Line &line);

/// {"direction":"received","id":7,"kind":"text","peer":"bob","sender":"bob",
///  "text":"hello","time":"2024-03-05T14:05:09.123Z"} and a line end.
QByteArray JsonLine(const Line &line);

/// The name of the kind in JSON exports: "text", "offline", "channel",
/// "broadcast", "invitation", "logon", "logoff".
QString KindName(LineKind kind);

} // namespace hbquor::history
