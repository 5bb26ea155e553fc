#pragma once
// The Windows face names that settings files hold ("ＭＳ 明朝", "ＭＳ Ｐゴシック") are kept
// as they are and drawn with the IPA fonts of this system.

#include <QFont>
#include <string_view>

class QWidget;

namespace ui {

void installFontSubstitutions();

// A font from a stored face name (CP932) and point size (0 keeps the default size).
QFont fontFor(std::string_view cp932Face, int pointSize = 0);

// The stored text colour that means "the desktop's": "0", the default of every font colour
// of Setup.ini (black, for the white boxes they were made for).
inline constexpr long long kDesktopTextColor = 0;

// Shows a widget's text (a text box, a label) in a stored colour on a background that keeps
// it readable: kDesktopTextColor takes the palette's text colour on the palette's box;
// any other colour is shown as it is, on the box's own background while that keeps 4.5 : 1
// with it, else on a paper that does (readableBackground). It follows later palette changes.
void setTextColor(QWidget* widget, long long color);

// Shows a widget's text in a stored font, size and colour (a text box, a label). An
// empty face keeps the widget's font and size 0 its size.
void setTextLook(QWidget* widget, std::string_view cp932Face, int pointSize, long long color);

// Colours as the settings store them: red in the lowest byte.
QColor colorFromSetting(long long value);
long long settingFromColor(const QColor& color);

} // namespace ui
