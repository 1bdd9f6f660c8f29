// SPDX-License-Identifier: MIT
#include "LogStyles.h"

#include "Contrast.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextOption>

#include <array>

namespace {

struct StyleDefinition {
    QColor Colour;
    QColor DarkColour;
    bool Bold;
    int HangingIndent; // points
    int RightIndent;   // points
};

const std::array<StyleDefinition, LogStyleCount> &Styles() {
    static const std::array<StyleDefinition, LogStyleCount> styles = {{
        {QColor(0, 0, 0), QColor(224, 224, 224), false, 0, 0},    // lsStatus
        {QColor(0, 128, 0), QColor(110, 220, 110), false, 0, 0},  // lsConnection
        {QColor(255, 0, 0), QColor(255, 120, 120), false, 0, 0},  // lsError
        {QColor(0, 0, 255), QColor(130, 170, 255), false, 0, 0},  // lsServer
        {QColor(255, 0, 0), QColor(255, 120, 120), false, 0, 0},  // lsTelegramHeader
        {QColor(255, 0, 0), QColor(255, 120, 120), true, 30, 30}, // lsTelegramBody
        {QColor(0, 0, 0), QColor(224, 224, 224), true, 60, 0},    // lsChat
        {QColor(255, 0, 0), QColor(255, 120, 120), true, 60, 0},  // lsInvitation
    }};
    return styles;
}

constexpr int TabStopPoints = 60;

} // namespace

QTextBlockFormat LogBlockFormat(TLogStyle style) {
    const StyleDefinition &definition = Styles().at(style);
    QTextBlockFormat format;
    format.setLeftMargin(PointsToPixels(definition.HangingIndent));
    format.setTextIndent(-PointsToPixels(definition.HangingIndent));
    format.setRightMargin(PointsToPixels(definition.RightIndent));
    format.setTabPositions({QTextOption::Tab(PointsToPixels(TabStopPoints), QTextOption::LeftTab)});
    return format;
}

QTextCharFormat LogCharFormat(TLogStyle style, LogLooks looks, const QColor &pane) {
    const StyleDefinition &definition = Styles().at(style);
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(8);
    format.setFontWeight(definition.Bold ? QFont::Bold : QFont::Normal);
    format.setForeground(looks == LogLooks::Light ? definition.Colour
                                                  : ReadableOn(definition.DarkColour, pane));
    return format;
}
