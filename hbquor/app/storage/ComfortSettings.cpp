// SPDX-License-Identifier: MIT
#include "ComfortSettings.h"

#include "QuorSettings.h"

#include <algorithm>

namespace {

const QString CloseToTrayKey = QStringLiteral("CloseToTray");
const QString TextZoomKey = QStringLiteral("TextZoom");
const QString ColorSchemeKey = QStringLiteral("ColorScheme");

} // namespace

ComfortSettings ComfortSettings::Read(const QuorSettings &file, const QString &section) {
    ComfortSettings s;
    s.CloseToTray = file.ReadBool(section, CloseToTrayKey, s.CloseToTray);
    s.TextZoom = std::clamp(file.ReadInteger(section, TextZoomKey, s.TextZoom), MinZoom, MaxZoom);
    const int scheme = file.ReadInteger(section, ColorSchemeKey, 0);
    s.Scheme =
        scheme == 1 || scheme == 2 ? static_cast<ColorScheme>(scheme) : ColorScheme::FollowDesktop;
    return s;
}

void ComfortSettings::Write(QuorSettings &file, const QString &section) const {
    file.WriteBool(section, CloseToTrayKey, CloseToTray);
    file.WriteInteger(section, TextZoomKey, TextZoom);
    file.WriteInteger(section, ColorSchemeKey, static_cast<int>(Scheme));
}
