// SPDX-License-Identifier: MIT
// Message boxes of the program. Texts use "\r" for a line break, as the
// program's messages are written; the box shows it as a new line. A box
// shows its text as plain text, never as rich text, so that a name or a
// message from the server holding "<b>" or "<a href=...>" shows as typed.
//
// Windows take their message box as a replaceable function so that tests can
// record the texts instead of showing modal boxes.
#pragma once

#include <QString>

#include <functional>

class QWidget;

/// The title of every message box: the program's name.
QString MessageBoxTitle();

/// Shows text to the user (the program's general message box).
using ShowMessageFunction = std::function<void(const QString &text)>;

/// Asks a Yes/No question; true for Yes.
using AskYesNoFunction = std::function<bool(const QString &text)>;

/// A modal information box over parent showing text.
void ShowMessageBox(QWidget *parent, const QString &text);

/// A modal Yes/No confirmation box over parent; true for Yes.
bool AskYesNoBox(QWidget *parent, const QString &text);
