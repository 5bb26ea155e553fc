#include "ui/Contrast.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

bool readable(const QColor& text, const QColor& background) {
    return contrastRatio(text, background) >= kReadableContrast;
}

} // namespace

double relativeLuminance(const QColor& color) {
    const QColor c = color.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableBackground(const QColor& text, const QColor& base) {
    if (readable(text, base)) return base;
    // The papers: white, the colour the boxes had where the settings' colours were
    // chosen; and a dark one, softer than black where that is enough.
    const QColor light(0xFF, 0xFF, 0xFF);
    const QColor dark(0x20, 0x20, 0x20);
    const QColor black(0x00, 0x00, 0x00);
    const bool darkBase = relativeLuminance(base) < 0.18;
    const QColor order[] = {darkBase ? dark : light, darkBase ? black : dark,
                            darkBase ? light : black};
    for (const QColor& paper : order) {
        if (readable(text, paper)) return paper;
    }
    // Unreachable: every colour has 4.58 : 1 or more on white or on black.
    return relativeLuminance(text) < 0.18 ? light : black;
}

} // namespace ui
