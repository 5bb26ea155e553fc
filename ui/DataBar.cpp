#include "ui/DataBar.h"

#include "ui/Gauge.h"

#include <QHBoxLayout>
#include <QLabel>

namespace ui {

DataBar::DataBar(const QString& captionText, const QString& valueText, QWidget* parent)
    : QWidget(parent) {
    caption = new QLabel(captionText, this);
    caption->setFixedWidth(
        caption->fontMetrics().horizontalAdvance(QStringLiteral("不正解数 ： ")) + 6);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gauge = new Gauge(this);
    gauge->setAccessibleName(captionText.section(QLatin1Char(' '), 0, 0));
    value = new QLabel(valueText, this);
    value->setFixedWidth(
        value->fontMetrics().horizontalAdvance(QStringLiteral(" ： 1000 / 1000 ％")) + 6);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(4);
    layout->addWidget(caption);
    layout->addWidget(gauge, 1, Qt::AlignVCenter);
    layout->addWidget(value);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

} // namespace ui
