#pragma once
// The drawing area of the graph window: 326 x 199 pixels in the graph's own coordinates.
// The picture (axes, marker, lines) is drawn with QPainter on a QImage of the screen's
// pixel density, so lines stay crisp on a high-DPI screen while every coordinate keeps
// its place on the axis marks.

#include "records/StatisticsGraph.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace qor {

// The colour of view number 0 to 5: black, blue, red, green, yellow, purple.
QColor graphColour(int view);
// The marker's colour.
QColor graphMarkerColour();

// The whole picture of a graph at a pixel density (1 for 326 x 199 pixels).
QImage renderGraph(const StatisticsGraph& graph, qreal devicePixelRatio);

class GraphView : public QWidget {
    Q_OBJECT
public:
    explicit GraphView(const StatisticsGraph& graph, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {kGraphWidth, kGraphHeight}; }
    // The graph changed: draw it again.
    void refresh();
    // The picture as shown, at the widget's pixel density.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const StatisticsGraph& graph_;
    mutable QImage cache_;
    mutable bool dirty_ = true;
};

} // namespace qor
