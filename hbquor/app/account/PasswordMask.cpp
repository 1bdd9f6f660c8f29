// SPDX-License-Identifier: MIT
#include "PasswordMask.h"

#include <QLineEdit>

namespace hbquor::account {

void SetMasked(QLineEdit *input, bool masked) {
    // The style sheet turns the platform's mask character into "*".
    input->setStyleSheet(masked ? QStringLiteral("QLineEdit { lineedit-password-character: 42; }")
                                : QString());
    input->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

bool IsMasked(const QLineEdit *input) {
    return input->echoMode() == QLineEdit::Password;
}

} // namespace hbquor::account
