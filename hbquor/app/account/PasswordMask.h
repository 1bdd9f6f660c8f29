// SPDX-License-Identifier: MIT
// Masking of password inputs with "*", as the account windows show them.
#pragma once

class QLineEdit;

namespace hbquor::account {

// Masks the input with "*" characters, or shows its text in plain.
void SetMasked(QLineEdit *input, bool masked);

// True while the input hides its text.
bool IsMasked(const QLineEdit *input);

} // namespace hbquor::account
