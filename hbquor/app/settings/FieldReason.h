// SPDX-License-Identifier: MIT
// FieldReason: the one-line reason shown beside a faulty field of the
// settings dialog, hidden while the field is sound. The same reason is the
// field's accessible description, so that a screen reader tells it too.
#pragma once

#include <QLabel>

namespace hbquor::settings {

class FieldReason : public QLabel {
public:
    FieldReason(QWidget *field, QWidget *parent = nullptr);
    /// Shows problem, or hides the line when it is empty; returns whether
    /// the field is sound.
    bool Show(const QString &problem);

private:
    QWidget *const FField;
};

} // namespace hbquor::settings
