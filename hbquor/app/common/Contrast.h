// SPDX-License-Identifier: MIT
// Contrast: how readable a colour is on another, by the relative luminance
// and contrast ratio of the web's accessibility guidelines, and a colour
// made readable on a background.
#pragma once

#include <QColor>

/// Relative luminance, 0 (black) to 1 (white), of the sRGB colour.
double RelativeLuminance(const QColor &colour);

/// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on
/// white.
double ContrastRatio(const QColor &a, const QColor &b);

/// Text of this contrast or more is readable at any size.
constexpr double ReadableContrast = 4.5;

/// colour itself when it reaches ReadableContrast on background, otherwise
/// the nearest mix of it towards white (on a dark background) or black (on
/// a light one) that does.
QColor ReadableOn(const QColor &colour, const QColor &background);
