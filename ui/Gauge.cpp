#include "ui/Gauge.h"

#include <QPainter>
#include <algorithm>

namespace ui {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Gauge::setMaximum(int maximum) {
    maximum_ = maximum;
    update();
}

void Gauge::setValue(int value) {
    value_ = value;
    update();
}

void Gauge::setColor(const QColor& color) {
    color_ = color;
    update();
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Base));
    if (maximum_ > 0 && value_ > 0) {
        double share = std::min(1.0, static_cast<double>(value_) / maximum_);
        QRect filled = r.adjusted(1, 1, -1, -1);
        filled.setWidth(static_cast<int>(filled.width() * share + 0.5));
        p.fillRect(filled, color_);
    }
    // A sunken edge: dark above and left, light below and right.
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace ui
