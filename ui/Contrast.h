#pragma once
// Colours the program sets itself stay readable whatever palette the desktop gives:
// WCAG's relative luminance and contrast ratio, and the background a coloured text is
// drawn on.

#include <QColor>

namespace ui {

// WCAG AA for ordinary text.
inline constexpr double kReadableContrast = 4.5;

// 0 (black) to 1 (white), from the sRGB channels.
double relativeLuminance(const QColor& color);
// 1 (the same) to 21 (black on white), whichever of the two is lighter.
double contrastRatio(const QColor& a, const QColor& b);

// The background for text of colour `text` in a box whose desktop background is `base`:
// base itself while the text keeps kReadableContrast on it; otherwise a paper that does,
// of base's kind (dark under a dark palette, white under a light one) where one of that
// kind can, else of the other kind. A pure white or black paper always can.
QColor readableBackground(const QColor& text, const QColor& base);

} // namespace ui
