#include "records/ChartView.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace qor {

QImage ChartView::render(qreal devicePixelRatio) const {
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(static_cast<int>(std::ceil(width() * dpr)),
                 static_cast<int>(std::ceil(height() * dpr)), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    QPainter p(&image);
    paint(p);
    return image;
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint(p);
}

bool ChartView::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QString text = textAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QWidget::event(e);
}

} // namespace qor
