// SPDX-License-Identifier: MIT
#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor Mix(const QColor &from, const QColor &to, double share) {
    const auto channel = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

double RelativeLuminance(const QColor &colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor &a, const QColor &b) {
    const double x = RelativeLuminance(a);
    const double y = RelativeLuminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor ReadableOn(const QColor &colour, const QColor &background) {
    if (ContrastRatio(colour, background) >= ReadableContrast)
        return colour;
    const QColor towards =
        RelativeLuminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    // The smallest share in steps of 1/64; the far end always reaches it
    // unless the background sits in the middle, where it is the best there is.
    for (int step = 1; step <= 64; ++step) {
        const QColor mixed = Mix(colour, towards, step / 64.0);
        if (ContrastRatio(mixed, background) >= ReadableContrast)
            return mixed;
    }
    return towards;
}
