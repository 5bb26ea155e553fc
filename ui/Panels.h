#pragma once
// The look of the small windows' headings: a black panel with coloured text.

#include <QColor>

class QFrame;
class QLabel;
class QWidget;

namespace ui {

// A panel filled black (labels on it need a light colour: setLabelLook).
QFrame* blackPanel(QWidget* parent);
// Text colour of a label; a point size above 0 makes it that big and bold.
void setLabelLook(QLabel* label, const QColor& color, int pointSize = 0);

} // namespace ui
