// SPDX-License-Identifier: MIT
// FieldReason: the one-line reason shown beside a faulty field of the
// settings dialog, hidden while the field is sound.
#pragma once

#include <QLabel>

namespace hbquor::settings {

class FieldReason : public QLabel {
public:
    explicit FieldReason(QWidget *parent = nullptr);
    /// Shows problem, or hides the line when it is empty; returns whether
    /// the field is sound.
    bool Show(const QString &problem);
};

} // namespace hbquor::settings
