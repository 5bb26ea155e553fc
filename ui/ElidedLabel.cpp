#include "ui/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace ui {

ElidedLabel::ElidedLabel(QWidget* parent, Qt::TextElideMode mode) : QLabel(parent), mode_(mode) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QString ElidedLabel::shownText() const {
    const int room = contentsRect().width() - 2 * margin() - (indent() > 0 ? indent() : 0);
    return fontMetrics().elidedText(text(), mode_, std::max(0, room));
}

void ElidedLabel::setPreferredWidth(int width) {
    if (width == preferredWidth_)
        return;
    preferredWidth_ = width;
    updateGeometry();
}

void ElidedLabel::setAsksForWholeText(bool asks) {
    if (asks == asksForWholeText_)
        return;
    asksForWholeText_ = asks;
    updateGeometry();
}

QSize ElidedLabel::sizeHint() const {
    QSize hint = QLabel::sizeHint();
    if (preferredWidth_ >= 0)
        hint.setWidth(asksForWholeText_ ? std::max(preferredWidth_, hint.width())
                                        : preferredWidth_);
    return hint;
}

QSize ElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shownText(), foregroundRole());
}

bool ElidedLabel::event(QEvent* event) {
    // The whole text when part of it is left out; otherwise the label's own tooltip.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && elided()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

} // namespace ui
