#pragma once
// One thin data bar of the main window: its caption, a gauge and a value text such as
// " ： 3 / 10".

#include <QWidget>

class QColor;
class QLabel;

namespace ui {

class Gauge;

class DataBar : public QWidget {
    Q_OBJECT
public:
    DataBar(const QString& caption, const QString& valueText, QWidget* parent = nullptr);

    // The object names of the value text and the gauge, as screen readers and tests find
    // them; the caption is "caption" within the bar.
    void nameParts(const QString& valueName, const QString& gaugeName);
    void setGaugeColor(const QColor& color);
    // The gauge at value of maximum, and the value text.
    void setValue(const QString& text, int value, int maximum);

private:
    QLabel* caption_;
    Gauge* gauge_;
    QLabel* value_;
};

} // namespace ui
