// SPDX-License-Identifier: MIT
// DisplayText: how a text from outside the program (what the server or a
// peer sent, or what the user pasted) takes its place in one of the
// program's lines, so that it can neither start a line of its own nor turn
// the rest of the line around.
//
// Line breaks and other control characters become blanks. A text that could
// change the direction of the text around it (right-to-left letters, Arabic
// digits, direction controls) is isolated for display: wrapped in FSI ...
// PDI, with its own isolates balanced, so that a U+202E inside it reorders
// nothing beyond it. Any other text cannot, and stays as it is, so that a
// name copied from a pane is still the plain name. Files get the one-line
// form without any direction controls, for tools and viewers that read them.
#pragma once

#include <QString>

namespace hbquor {

/// Whether OneLine keeps the tab that lines a pane's text up.
enum class Tabs { Blank, Keep };

/// The text with every control character (C0, DEL and C1) and the line and
/// paragraph separators U+2028 and U+2029 as blanks.
QString OneLine(const QString &text, Tabs tabs = Tabs::Blank);

/// The text as a field inside a longer line: on one line, and isolated when
/// it could change the direction of the rest of the line.
QString LineField(const QString &text);

/// A said line as the panes show it: "name: <tab>text", both as fields.
QString SaidLine(const QString &name, const QString &text);

/// A line for a plain text file: on one line, with the direction controls
/// (isolates, embeddings and overrides) left out.
QString FileLine(const QString &text);

} // namespace hbquor
