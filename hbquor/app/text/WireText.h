// SPDX-License-Identifier: MIT
// WireText: the one bridge from text received over the wire to a QString.
//
// Texts travel as UTF-8, but older clients of the service send them in the
// Windows-1252 code page. Text that is valid UTF-8 is read as UTF-8; any
// other text is read as Windows-1252, where only the five bytes that code
// page leaves undefined become U+FFFD, so nothing else is lost. The text
// comes out on one line: its line breaks and other control characters are
// blanks, so that whatever shows or logs it cannot be handed a second line.
#pragma once

#include <QString>

#include <string_view>

/// The text the user sees for bytes received from the server.
QString WireText(std::string_view bytes);
