#include "ui/HoverLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace ui {

HoverLabel::HoverLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    light(false);
}

void HoverLabel::light(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, on ? QColor(220, 40, 40) : QColor(0, 0, 160));
    setPalette(p);
}

void HoverLabel::enterEvent(QEnterEvent* event) {
    light(true);
    QLabel::enterEvent(event);
}

void HoverLabel::leaveEvent(QEvent* event) {
    light(false);
    QLabel::leaveEvent(event);
}

void HoverLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void HoverLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace ui
