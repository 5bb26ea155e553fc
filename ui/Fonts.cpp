#include "ui/Fonts.h"

#include "ui/Text.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace ui {

void installFontSubstitutions() {
    const QStringList gothic{QStringLiteral("IPAPGothic"), QStringLiteral("IPAPゴシック"),
                             QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")};
    const QStringList mincho{QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
                             QStringLiteral("IPAPMincho"), QStringLiteral("Noto Serif CJK JP")};
    const QStringList pmincho{QStringLiteral("IPAPMincho"), QStringLiteral("IPAP明朝"),
                              QStringLiteral("IPAMincho")};
    const QStringList fixedGothic{QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")};
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), gothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), fixedGothic);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), mincho);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐ明朝"), pmincho);
    // Pronunciation signs are katakana readings and ASCII marks, which Shift-JIS holds.
    QFont::insertSubstitutions(QStringLiteral("Qor PronSign"),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("DejaVu Sans")});
}

QFont fontFor(std::string_view cp932Face, int pointSize) {
    QFont font(toQ(cp932Face));
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

void setTextLook(QWidget* widget, std::string_view cp932Face, int pointSize, long long color) {
    QFont font = widget->font();
    if (!cp932Face.empty())
        font.setFamily(toQ(cp932Face));
    if (pointSize > 0)
        font.setPointSize(pointSize);
    widget->setFont(font);
    setTextColor(widget, color);
}

void setTextColor(QWidget* widget, long long color) {
    // Text boxes draw with Text, labels with WindowText.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colorFromSetting(color));
    palette.setColor(QPalette::WindowText, colorFromSetting(color));
    widget->setPalette(palette);
}

QColor colorFromSetting(long long value) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

long long settingFromColor(const QColor& color) {
    return static_cast<long long>(color.red()) | (static_cast<long long>(color.green()) << 8) |
           (static_cast<long long>(color.blue()) << 16);
}

} // namespace ui
