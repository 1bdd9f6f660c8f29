// SPDX-License-Identifier: MIT
// The eight paragraph styles of the main window's log pane.
//
// Every style uses Arial 8 pt with its own colour and weight, a first line
// starting at the left margin, a hanging indent for wrapped lines, a right
// indent and one tab stop at 60 points, so the text after the tab in chat
// lines lines up with the hanging indent.
//
// The colours come in two sets: the light one on a white pane, and a dark
// one for dark desktops, each colour of it readable on the pane it is shown
// on (Contrast).
#pragma once

#include <QTextBlockFormat>
#include <QTextCharFormat>

enum TLogStyle {
    lsStatus = 0,
    lsConnection = 1,
    lsError = 2,
    lsServer = 3,
    lsTelegramHeader = 4,
    lsTelegramBody = 5,
    lsChat = 6,
    lsInvitation = 7,
};

/// Paragraph format of a style: hanging and right indent, tab stop.
QTextBlockFormat LogBlockFormat(TLogStyle style);

/// The log's colours: for a light pane, or for a dark one.
enum class LogLooks { Light, Dark };

/// The number of styles.
constexpr int LogStyleCount = 8;

/// Character format of a style: Arial 8 pt, colour, bold. The dark set's
/// colour is made readable on pane, the dark pane's colour.
QTextCharFormat LogCharFormat(TLogStyle style, LogLooks looks = LogLooks::Light,
                              const QColor &pane = QColor());

/// Points to the pane's pixels (96 dots per inch).
constexpr double PointsToPixels(double points) {
    return points * 96.0 / 72.0;
}
