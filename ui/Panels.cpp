#include "ui/Panels.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>

namespace ui {

QFrame* blackPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
    return panel;
}

void setLabelLook(QLabel* label, const QColor& color, int pointSize) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    if (pointSize > 0) {
        QFont font = label->font();
        font.setPointSize(pointSize);
        font.setBold(true);
        label->setFont(font);
    }
}

} // namespace ui
