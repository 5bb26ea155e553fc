#pragma once
// What the records' painted pictures share: one paint() serves the screen and an image at
// any pixel density, and the tooltip at a point is the text the picture gives for it.

#include <QImage>
#include <QWidget>

class QPainter;

namespace qor {

class ChartView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // What the tooltip says at a point of the widget; empty where nothing is.
    virtual QString textAt(QPoint point) const = 0;
    // The picture at a pixel density.
    QImage render(qreal devicePixelRatio) const;

protected:
    virtual void paint(QPainter& p) const = 0;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace qor
