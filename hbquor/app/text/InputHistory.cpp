// SPDX-License-Identifier: MIT
#include "InputHistory.h"

namespace hbquor {

void InputHistory::Sent(const QString &text) {
    FTexts.append(text);
    if (FTexts.size() > MaxTexts)
        FTexts.removeFirst();
    FAt = Count();
    FDraft.clear();
}

std::optional<QString> InputHistory::Older(const QString &current) {
    if (FAt == 0)
        return std::nullopt;
    if (FAt == Count())
        FDraft = current;
    --FAt;
    return FTexts.at(FAt);
}

std::optional<QString> InputHistory::Newer() {
    if (FAt >= Count())
        return std::nullopt;
    ++FAt;
    if (FAt == Count())
        return FDraft;
    return FTexts.at(FAt);
}

} // namespace hbquor
