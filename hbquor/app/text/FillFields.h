// SPDX-License-Identifier: MIT
// The program's texts are written as patterns with "%s" and "%d" fields,
// filled in order. A filled-in text is never read as a pattern itself, so a
// name or a message from the server that holds "%s" shows as it is. Each
// field is placed as a line field (DisplayText): it adds no line break, and
// one holding right-to-left text or direction controls is isolated, so that
// it cannot turn the pattern's own words around.
#pragma once

#include <QString>

#include <initializer_list>

/// Fills the "%s" and "%d" fields of pattern, in order, with args; fields
/// beyond the last argument stay as they are.
QString FillFields(const char *pattern, std::initializer_list<QString> args);
/// The same for a pattern in the user's language (a translated pattern
/// keeps its fields in the order of the English one).
QString FillFields(const QString &pattern, std::initializer_list<QString> args);
