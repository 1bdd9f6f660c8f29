// SPDX-License-Identifier: MIT
// How the account windows show the program's texts: those mark line breaks
// with carriage returns, which a Qt label does not break on.
#pragma once

#include <QString>

namespace hbquor::account {

// The program's texts mark line breaks with "\r"; widgets need "\n".
QString ShownText(const QString &text);

} // namespace hbquor::account
