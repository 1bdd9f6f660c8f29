// SPDX-License-Identifier: MIT
// Small helpers for forms laid out in fixed pixel positions.
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QWidget;

/// Gives a dialog a fixed client area, a dialog border with only the system
/// menu (title bar and close box) and the given font.
void SetFixedDialogFrame(QDialog *dialog, int width, int height, const QString &fontFamily);

/// A label with the text at (left, top), sized to its text.
QLabel *PlaceLabel(QWidget *parent, const QString &text, int left, int top);
