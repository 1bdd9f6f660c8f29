// SPDX-License-Identifier: MIT
#include "NameText.h"

#include "quor_names/names.h"

#include <QByteArray>

#include <string_view>

namespace hbquor {

namespace {

std::string_view View(const QByteArray &bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

QString TrimBlanks(const QString &text) {
    const QByteArray bytes = text.toUtf8();
    const std::string_view trimmed = quor::TrimName(View(bytes));
    return QString::fromUtf8(trimmed.data(), static_cast<qsizetype>(trimmed.size()));
}

QString FoldedNameText(const QString &name) {
    const QByteArray bytes = name.toUtf8();
    return QString::fromStdString(quor::FoldedName(quor::TrimName(View(bytes))));
}

bool SameNameIgnoringCase(const QString &a, const QString &b) {
    return quor::SameNameIgnoringCase(View(a.toUtf8()), View(b.toUtf8()));
}

bool NameSortsBefore(const QString &a, const QString &b) {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    const int folded = quor::CompareNamesIgnoringCase(View(x), View(y));
    return folded != 0 ? folded < 0 : x < y;
}

} // namespace hbquor
