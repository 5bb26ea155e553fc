#include "ui/DataBar.h"

#include "ui/Gauge.h"

#include <QHBoxLayout>
#include <QLabel>

namespace ui {

DataBar::DataBar(const QString& captionText, const QString& valueText, QWidget* parent)
    : QWidget(parent) {
    caption_ = new QLabel(captionText, this);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setFixedWidth(
        caption_->fontMetrics().horizontalAdvance(QStringLiteral("不正解数 ： ")) + 6);
    caption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gauge_ = new Gauge(this);
    gauge_->setAccessibleName(captionText.section(QLatin1Char(' '), 0, 0));
    value_ = new QLabel(valueText, this);
    value_->setFixedWidth(
        value_->fontMetrics().horizontalAdvance(QStringLiteral(" ： 1000 / 1000 ％")) + 6);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(4);
    layout->addWidget(caption_);
    layout->addWidget(gauge_, 1, Qt::AlignVCenter);
    layout->addWidget(value_);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void DataBar::nameParts(const QString& valueName, const QString& gaugeName) {
    value_->setObjectName(valueName);
    gauge_->setObjectName(gaugeName);
}

void DataBar::setGaugeColor(const QColor& color) {
    gauge_->setColor(color);
}

void DataBar::setValue(const QString& text, int value, int maximum) {
    gauge_->setMaximum(maximum);
    gauge_->setValue(value);
    value_->setText(text);
}

} // namespace ui
