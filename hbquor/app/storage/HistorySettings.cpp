// SPDX-License-Identifier: MIT
#include "HistorySettings.h"

#include "QuorSettings.h"

#include <algorithm>

namespace {

const QString KeepKey = QStringLiteral("HistoryKeep");
const QString DaysKey = QStringLiteral("HistoryDays");

} // namespace

HistorySettings HistorySettings::Read(const QuorSettings &file, const QString &section) {
    HistorySettings s;
    s.Keep = file.ReadBool(section, KeepKey, s.Keep);
    s.Days = std::clamp(file.ReadInteger(section, DaysKey, s.Days), 0, MaxDays);
    return s;
}

void HistorySettings::Write(QuorSettings &file, const QString &section) const {
    file.WriteBool(section, KeepKey, Keep);
    file.WriteInteger(section, DaysKey, Days);
}
