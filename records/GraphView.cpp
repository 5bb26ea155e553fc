#include "records/GraphView.h"

#include "settings/TUserSettings.h"
#include "ui/Fonts.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace qor {

namespace {

// The x axis ends a little after position 12, the y axis a little above 100.
constexpr int kAxisRight = 290;
constexpr int kAxisTop = 6;
constexpr int kTick = 4;

QFont labelFont() {
    QFont f = ui::fontFor(TUserSettings::ordinaryFace());
    f.setPixelSize(10);
    return f;
}

// The fixed part of the picture: white ground, a light grid at every ten percent, the
// axes with their marks at exactly the coordinates the lines use, the labels and units.
void drawBackground(QPainter& p, GraphType type) {
    p.fillRect(QRect(0, 0, kGraphWidth, kGraphHeight), Qt::white);
    p.setFont(labelFont());
    const QFontMetrics metrics(p.font());
    const int origin = kGraphOrigin.x;
    const int foot = kGraphOrigin.y;

    QPen grid(QColor(0xd8, 0xd8, 0xd8), 1, Qt::DotLine);
    for (int v = 10; v <= 100; v += 10) {
        p.setPen(grid);
        p.drawLine(origin + 1, graphY(v), kAxisRight, graphY(v));
    }

    const QPen axis(QColor(0x40, 0x40, 0x40), 1);
    p.setPen(axis);
    p.drawLine(origin, kAxisTop, origin, foot);
    p.drawLine(origin, foot, kAxisRight, foot);
    for (int v = 0; v <= 100; v += 10) {
        const int y = graphY(v);
        p.drawLine(origin - kTick, y, origin, y);
        const QString text = QString::number(v);
        const QRect box(0, y - metrics.height() / 2, origin - kTick - 3, metrics.height());
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    }
    for (int position = 1; position <= kGraphPositions; ++position) {
        const int x = graphX(position, 0);
        p.drawLine(x, foot, x, foot + kTick);
        const QRect box(x - 12, foot + kTick, 24, metrics.height());
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QString::number(position));
    }

    // Units: "（％）" along the y axis, the unit of the positions at the lower right.
    p.save();
    p.translate(9, (kAxisTop + foot) / 2);
    p.rotate(-90);
    const QString percent = QStringLiteral("（％）");
    p.drawText(-metrics.horizontalAdvance(percent) / 2, metrics.ascent() / 2, percent);
    p.restore();
    const QString unit = type == GraphType::PerDrill ? QStringLiteral("（回目）") : QStringLiteral("（月）");
    p.drawText(QRect(0, kGraphHeight - metrics.height() - 3, kGraphWidth - 4, metrics.height()),
               Qt::AlignRight | Qt::AlignVCenter, unit);
}

void drawMarker(QPainter& p, int position) {
    if (position < 1 || position > kGraphPositions)
        return;
    const MarkerSpan m = markerSpan(position);
    p.fillRect(QRect(m.left, m.y, m.right - m.left + 1, 2), graphMarkerColour());
}

void drawLine(QPainter& p, const GraphLine& line) {
    const auto points = line.points();
    p.setPen(QPen(graphColour(line.colour), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygon polygon;
    for (const GraphPoint& pt : points)
        polygon << QPoint(pt.x, pt.y);
    p.drawPolyline(polygon);
}

} // namespace

QColor graphColour(int view) {
    // Yellow a little darker than pure yellow, which would vanish on the white ground.
    static const QColor colours[kGraphViews] = {QColor(0, 0, 0),   QColor(0, 0, 255),
                                                QColor(255, 0, 0), QColor(0, 128, 0),
                                                QColor(230, 190, 0), QColor(128, 0, 128)};
    return colours[((view % kGraphViews) + kGraphViews) % kGraphViews];
}

QColor graphMarkerColour() {
    return QColor(255, 0, 0);
}

QImage renderGraph(const StatisticsGraph& graph, qreal devicePixelRatio) {
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(static_cast<int>(std::ceil(kGraphWidth * dpr)),
                 static_cast<int>(std::ceil(kGraphHeight * dpr)), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    QPainter p(&image);
    // Text is smoothed; lines and marks are not, so every coordinate is one pixel exactly.
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawBackground(p, graph.type());
    drawMarker(p, graph.markerPosition());
    for (const GraphLine& line : graph.lines())
        drawLine(p, line);
    p.end();
    return image;
}

GraphView::GraphView(const StatisticsGraph& graph, QWidget* parent)
    : QWidget(parent), graph_(graph) {
    setFixedSize(kGraphWidth, kGraphHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphView::refresh() {
    dirty_ = true;
    update();
}

QImage GraphView::picture() const {
    const qreal dpr = devicePixelRatioF();
    if (dirty_ || cache_.isNull() || cache_.devicePixelRatio() != dpr) {
        cache_ = renderGraph(graph_, dpr);
        dirty_ = false;
    }
    return cache_;
}

void GraphView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), picture());
}

} // namespace qor
