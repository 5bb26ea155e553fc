#include "records/ForecastView.h"

#include "records/CalendarView.h"
#include "settings/TUserSettings.h"
#include "ui/Fonts.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

constexpr int kDays = 30;
constexpr int kLeft = 28; // in line with the calendar's grid
constexpr int kSlot = 25; // the width of a day
constexpr int kBar = 15;
constexpr int kBarsTop = 18;
constexpr int kBarsHeight = 90;
constexpr int kFoot = kBarsTop + kBarsHeight;
constexpr int kDayTop = kFoot + 3;
constexpr int kMonthTop = kDayTop + 14;
constexpr int kHeight = kMonthTop + 16;
constexpr int kWidth = kLeft + kDays * kSlot + 6;

QFont labelFont(int pixels) {
    QFont f = ui::fontFor(TUserSettings::ordinaryFace());
    f.setPixelSize(pixels);
    return f;
}

} // namespace

ForecastView::ForecastView(QWidget* parent) : ChartView(parent), days_(kDays, 0) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QSize ForecastView::sizeHint() const {
    return {kWidth, kHeight};
}

void ForecastView::setForecast(std::vector<int> days, StudyDay today) {
    days.resize(kDays, 0);
    days_ = std::move(days);
    today_ = today;
    QStringList lines;
    for (int d = 0; d < kDays; ++d)
        lines << dayLine(d);
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
    update();
}

QString ForecastView::dayLine(int day) const {
    return QStringLiteral("%1 ： %2語")
        .arg(dayText(today_.plus(day + 1)))
        .arg(days_[static_cast<std::size_t>(day)]);
}

int ForecastView::dayAt(QPoint point) const {
    if (point.x() < kLeft || point.y() < 0 || point.y() >= kMonthTop) return -1;
    const int day = (point.x() - kLeft) / kSlot;
    return day < kDays ? day : -1;
}

QPoint ForecastView::footOf(int day) const {
    return {kLeft + day * kSlot + kSlot / 2, kFoot - 1};
}

QString ForecastView::textAt(QPoint point) const {
    const int day = dayAt(point);
    return day < 0 ? QString() : dayLine(day);
}

void ForecastView::paint(QPainter& p) const {
    const QPalette& pal = palette();
    const QColor ink = pal.color(QPalette::Text);
    p.fillRect(rect(), pal.color(QPalette::Base));
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::Antialiasing, false);

    const int most = std::max(1, *std::max_element(days_.begin(), days_.end()));
    const QColor bar = accentColour(pal);
    const QFont small = labelFont(10);
    const QFont label = labelFont(11);
    for (int d = 0; d < kDays; ++d) {
        const int n = days_[static_cast<std::size_t>(d)];
        const int left = kLeft + d * kSlot;
        if (n > 0) {
            // At least two pixels, so that one word is seen beside many.
            const int h = std::max(
                2, static_cast<int>(std::lround(static_cast<double>(n) * kBarsHeight / most)));
            p.fillRect(QRect(left + (kSlot - kBar) / 2, kFoot - h, kBar, h), bar);
            p.setFont(small);
            p.setPen(ink);
            p.drawText(QRect(left - 4, kFoot - h - 15, kSlot + 8, 14),
                       Qt::AlignHCenter | Qt::AlignBottom, QString::number(n));
        }
        const StudyDay day = today_.plus(d + 1);
        p.setFont(label);
        p.setPen(ink);
        p.drawText(QRect(left, kDayTop, kSlot, 14), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(day.day()));
        if (d == 0 || day.day() == 1)
            p.drawText(QRect(left, kMonthTop, kSlot * 3, 14), Qt::AlignLeft | Qt::AlignTop,
                       QStringLiteral("%1月").arg(day.month()));
    }
    p.setPen(QPen(ink, 1));
    p.drawLine(kLeft, kFoot, kLeft + kDays * kSlot, kFoot);
}

} // namespace qor
