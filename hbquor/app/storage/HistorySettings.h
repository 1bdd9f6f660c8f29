// SPDX-License-Identifier: MIT
// HistorySettings: what the user chose for the history, kept in the
// settings file's section "Parameters": HistoryKeep (whether lines are kept
// at all) and HistoryDays (how long; 0 for ever).
#pragma once

#include <QString>

class QuorSettings;

struct HistorySettings {
    /// Days kept at the most: longer than anyone's history, and far from
    /// overflowing the milliseconds they become.
    static constexpr int MaxDays = 100000;

    /// HistoryKeep: lines are written to the history.
    bool Keep = true;
    /// HistoryDays: lines older than this many days are deleted; 0 (and a
    /// negative value) keeps them for ever, more than MaxDays counts as it.
    int Days = 0;

    /// The keys of section in file; a missing key gives its default.
    static HistorySettings Read(const QuorSettings &file, const QString &section);
    void Write(QuorSettings &file, const QString &section) const;
};
