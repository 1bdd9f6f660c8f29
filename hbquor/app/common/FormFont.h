// SPDX-License-Identifier: MIT
// FormFont: the font a window was laid out for.
//
// The windows place their controls in fixed pixel positions sized for
// narrow sans-serif faces ("MS Sans Serif", Arial). Where such a face is
// missing, its metric-compatible replacement (Liberation Sans, which the
// program installs with it) keeps every caption inside its place; the
// desktop's usual default face is wider and cuts captions off.
#pragma once

#include <QFont>
#include <QString>

/// The face family at pointSize, with the metric-compatible replacement
/// registered for it before any window asks for it.
QFont FormFont(const QString &family, int pointSize = 8);
