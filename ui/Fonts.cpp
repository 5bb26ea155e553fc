#include "ui/Fonts.h"

#include "ui/Contrast.h"
#include "ui/Text.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace ui {

namespace {

// Keeps a widget's text in its stored colour readable: applies it, and again whenever the
// palette around the widget changes (the desktop switched to a dark theme).
class TextColour : public QObject {
public:
    TextColour(QWidget* widget, long long color) : QObject(widget), widget_(widget) {
        setObjectName(QStringLiteral("textColour"));
        widget->installEventFilter(this);
        set(color);
    }

    void set(long long color) {
        color_ = color;
        apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::PaletteChange && !applying_)
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    // Text boxes are drawn on Base, labels and the like on Window.
    QPalette::ColorRole backgroundRole() const {
        if (qobject_cast<QAbstractScrollArea*>(widget_) || qobject_cast<QLineEdit*>(widget_) ||
            qobject_cast<QAbstractSpinBox*>(widget_) || qobject_cast<QComboBox*>(widget_))
            return QPalette::Base;
        return QPalette::Window;
    }

    void apply() {
        applying_ = true;
        // Nothing of the widget's own: every colour as the desktop's palette has it.
        QPalette palette;
        if (color_ != kDesktopTextColor) {
            const QColor text = colorFromSetting(color_);
            palette.setColor(QPalette::Text, text);
            palette.setColor(QPalette::WindowText, text);
            const QPalette::ColorRole role = backgroundRole();
            const QPalette around = widget_->parentWidget() ? widget_->parentWidget()->palette()
                                                            : QApplication::palette(widget_);
            const QColor base = around.color(QPalette::Active, role);
            const QColor paper = readableBackground(text, base);
            if (paper != base) {
                palette.setColor(role, paper);
                if (role == QPalette::Window)
                    widget_->setAutoFillBackground(true);
            }
        }
        widget_->setPalette(palette);
        applying_ = false;
    }

    QWidget* widget_;
    long long color_ = kDesktopTextColor;
    bool applying_ = false;
};

} // namespace

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
    auto* keeper = widget->findChild<TextColour*>(QStringLiteral("textColour"),
                                                  Qt::FindDirectChildrenOnly);
    if (keeper)
        keeper->set(color);
    else
        new TextColour(widget, color);
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
