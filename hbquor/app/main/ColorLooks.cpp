// SPDX-License-Identifier: MIT
#include "ColorLooks.h"

#include "Contrast.h"

#include <QApplication>
#include <QStyle>

namespace hbquor::main {

namespace {

QColor Tinted(const QColor &base, const QColor &tint) {
    constexpr double Share = 0.12;
    const auto mix = [](int a, int b) { return static_cast<int>(a + (b - a) * Share); };
    return QColor(mix(base.red(), tint.red()), mix(base.green(), tint.green()),
                  mix(base.blue(), tint.blue()));
}

} // namespace

QColor PaneColours::Lightest() const {
    QColor lightest = Connected;
    for (const QColor &colour : {Disconnected, Connecting}) {
        if (RelativeLuminance(colour) > RelativeLuminance(lightest))
            lightest = colour;
    }
    return lightest;
}

bool IsDarkPalette(const QPalette &palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

bool UsesDarkLooks(ColorScheme scheme, const QPalette &desktop) {
    switch (scheme) {
    case ColorScheme::Light:
        return false;
    case ColorScheme::Dark:
        return true;
    case ColorScheme::FollowDesktop:
        break;
    }
    return IsDarkPalette(desktop);
}

QPalette DarkPalette() {
    const QColor window(45, 45, 48);
    const QColor base(30, 30, 30);
    const QColor text(230, 230, 230);
    QPalette palette(window);
    for (const auto &[role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, window},
             {QPalette::WindowText, text},
             {QPalette::Base, base},
             {QPalette::AlternateBase, window},
             {QPalette::Text, text},
             {QPalette::Button, window},
             {QPalette::ButtonText, text},
             {QPalette::ToolTipBase, base},
             {QPalette::ToolTipText, text},
             {QPalette::PlaceholderText, QColor(150, 150, 150)},
             {QPalette::Highlight, QColor(38, 79, 120)},
             {QPalette::HighlightedText, QColor(255, 255, 255)},
             {QPalette::Link, QColor(120, 170, 255)},
             {QPalette::LinkVisited, QColor(190, 150, 255)},
         })
        palette.setColor(role, colour);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    return palette;
}

bool ApplyColorScheme(ColorScheme scheme) {
    const bool desktopDark = IsDarkPalette(QApplication::palette());
    const bool dark = UsesDarkLooks(scheme, QApplication::palette());
    if (dark && !desktopDark)
        QApplication::setPalette(DarkPalette());
    else if (!dark && desktopDark)
        QApplication::setPalette(QApplication::style()->standardPalette());
    return dark;
}

PaneColours PaneColoursFor(bool dark, const QPalette &palette) {
    if (!dark)
        return {QColor(255, 255, 221), QColor(221, 255, 255), QColor(255, 255, 255)};
    const QColor base = palette.color(QPalette::Base);
    return {Tinted(base, QColor(255, 255, 0)), Tinted(base, QColor(0, 255, 255)), base};
}

} // namespace hbquor::main
