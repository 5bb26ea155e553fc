#include "ui/Panels.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

QPushButton* commandButton(QWidget* parent, const QString& caption, const char* objectName,
                           const QString& hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(objectName));
    b->setAutoDefault(false);
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

QPushButton* defaultButton(QWidget* parent, const QString& caption, const char* objectName) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(objectName));
    b->setDefault(true);
    return b;
}

QLabel* banner(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblBanner"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("background: black; color: white; padding: 8px 10px;"));
    return label;
}

QVBoxLayout* layOutUnderHeading(QWidget* window, QWidget* heading, QLayout* body,
                                QWidget* statusBar, WindowSize size) {
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(heading);
    layout->addLayout(body, 1);
    if (statusBar) layout->addWidget(statusBar);
    if (size == WindowSize::Fixed) layout->setSizeConstraint(QLayout::SetFixedSize);
    return layout;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

QProgressBar* progressGauge(QWidget* parent, const QString& objectName,
                            const QString& whatItMeasures) {
    auto* gauge = new QProgressBar(parent);
    gauge->setObjectName(objectName);
    gauge->setAccessibleName(whatItMeasures);
    if (gauge->toolTip().isEmpty()) gauge->setToolTip(whatItMeasures);
    gauge->setTextVisible(true);
    gauge->setFormat(QStringLiteral("%p%"));
    gauge->setAlignment(Qt::AlignCenter);
    gauge->setMinimumHeight(gauge->fontMetrics().height() + 4);
    gauge->setMinimumWidth(gauge->fontMetrics().horizontalAdvance(QStringLiteral("100%")) * 4);
    gauge->setRange(0, 1);
    gauge->setValue(0);
    return gauge;
}

QFrame* blackPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(palette);
    return panel;
}

VerdictPanel verdictPanel(QWidget* parent, const QString& title, const QColor& color) {
    VerdictPanel v{blackPanel(parent), nullptr, nullptr};
    v.title = new QLabel(title, v.panel);
    v.title->setAlignment(Qt::AlignCenter);
    setLabelLook(v.title, color, 20);
    v.data = new QLabel(v.panel);
    v.data->setAlignment(Qt::AlignCenter);
    v.panel->setMinimumWidth(330);
    auto* layout = new QVBoxLayout(v.panel);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(v.title);
    layout->addWidget(v.data);
    return v;
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
