#pragma once
// The small gauge of the data bars: a sunken frame filled from the left in one colour
// in proportion to value / maximum.

#include <QColor>
#include <QWidget>

namespace ui {

class Gauge : public QWidget {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent = nullptr);

    int maximum() const { return maximum_; }
    int value() const { return value_; }
    QColor color() const { return color_; }
    void setMaximum(int maximum);
    void setValue(int value);
    void setColor(const QColor& color);

    QSize sizeHint() const override { return {120, 12}; }
    QSize minimumSizeHint() const override { return {20, 8}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int maximum_ = 100;
    int value_ = 0;
    QColor color_{0, 128, 128};
};

} // namespace ui
