// SPDX-License-Identifier: MIT
// InputHistory: the texts sent from one input this run, to recall with Up
// and Down. Up goes to older texts, Down back to newer ones; the text the
// user had typed but not sent when they first pressed Up is kept as the
// newest entry and comes back at the end of Down. Only the last MaxTexts
// are kept.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace hbquor {

class InputHistory {
public:
    static constexpr int MaxTexts = 100;

    /// A text was sent: it becomes the newest, and browsing starts anew.
    void Sent(const QString &text);

    /// Up: the text before the one shown; current is what the input holds
    /// now (kept as the draft when browsing starts). Nothing when there is
    /// no older text.
    std::optional<QString> Older(const QString &current);
    /// Down: the text after the one shown, the draft last; nothing when the
    /// input is not showing a recalled text.
    std::optional<QString> Newer();

    int Count() const { return static_cast<int>(FTexts.size()); }

private:
    QStringList FTexts;
    /// The entry shown, from the oldest; Count() while the draft is shown.
    int FAt = 0;
    QString FDraft;
};

} // namespace hbquor
