#pragma once
// One thin data bar of the main window: its caption, a gauge and a value text such as
// " ： 3 / 10".

#include <QWidget>

class QLabel;

namespace ui {

class Gauge;

class DataBar : public QWidget {
    Q_OBJECT
public:
    DataBar(const QString& caption, const QString& valueText, QWidget* parent = nullptr);

    QLabel* caption;
    Gauge* gauge;
    QLabel* value;
};

} // namespace ui
