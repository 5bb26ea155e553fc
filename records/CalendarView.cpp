#include "records/CalendarView.h"

#include "settings/TUserSettings.h"
#include "ui/Contrast.h"
#include "ui/Fonts.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

constexpr int kCell = 12;        // a day's square
constexpr int kPitch = 14;       // square and gap
constexpr int kMostColumns = 54; // twelve months reach over at most 54 weeks
constexpr int kGutter = 28;      // the weekday names
constexpr int kYearTop = 2;
constexpr int kMonthTop = 16;
constexpr int kGridTop = 32;
constexpr int kLegendTop = kGridTop + kDaysPerWeek * kPitch + 10;
constexpr int kHeight = kLegendTop + 22;
constexpr int kWidth = kGutter + kMostColumns * kPitch + 6;

// How far each step tints the base towards the accent.
constexpr double kTint[kShadeSteps] = {0.10, 0.30, 0.55, 0.78, 1.0};

QColor mix(const QColor& from, const QColor& to, double t) {
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QFont labelFont(const QFont& base) {
    QFont f = ui::fontFor(TUserSettings::ordinaryFace());
    f.setPixelSize(11);
    f.setBold(base.bold());
    return f;
}

QString stepText(int step) {
    const int low = kShadeStepFloors[static_cast<std::size_t>(step)];
    if (step == 0) return QStringLiteral("0回");
    if (step == kShadeSteps - 1) return QStringLiteral("%1回以上").arg(low);
    const int high = kShadeStepFloors[static_cast<std::size_t>(step) + 1] - 1;
    return QStringLiteral("%1～%2回").arg(low).arg(high);
}

QString cellText(const CalendarCell& cell) {
    return QStringLiteral("%1 ： %2回").arg(dayText(cell.day)).arg(cell.answers);
}

} // namespace

QString dayText(StudyDay day) {
    return QStringLiteral("%1年%2月%3日").arg(day.year()).arg(day.month()).arg(day.day());
}

QColor accentColour(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor highlight = palette.color(QPalette::Highlight);
    return ui::contrastRatio(highlight, base) >= 3.0 ? highlight : palette.color(QPalette::Text);
}

QColor shadeColour(const QPalette& palette, int step) {
    const int s = std::clamp(step, 0, kShadeSteps - 1);
    const QColor base = palette.color(QPalette::Base);
    // A day without answers is a faint square of the text colour, so the grid shows.
    const QColor towards = s == 0 ? palette.color(QPalette::Text) : accentColour(palette);
    return mix(base, towards, kTint[s]);
}

CalendarView::CalendarView(QWidget* parent) : ChartView(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QSize CalendarView::sizeHint() const {
    return {kWidth, kHeight};
}

void CalendarView::setCalendar(const StudyCalendar& calendar, const QString& streaks) {
    layout_.emplace(calendar);
    QStringList lines{streaks};
    for (const CalendarCell& cell : layout_->cells()) {
        if (cell.answers > 0) lines << cellText(cell);
    }
    if (lines.size() == 1) lines << QStringLiteral("この12か月に解答した日はありません");
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
    update();
}

const CalendarCell* CalendarView::cellAt(QPoint point) const {
    if (!layout_ || point.x() < kGutter || point.y() < kGridTop) return nullptr;
    const int column = (point.x() - kGutter) / kPitch;
    const int row = (point.y() - kGridTop) / kPitch;
    // The gap right of and below a square belongs to no day.
    if ((point.x() - kGutter) % kPitch >= kCell || (point.y() - kGridTop) % kPitch >= kCell)
        return nullptr;
    return layout_->at(column, row);
}

QPoint CalendarView::centreOf(const CalendarCell& cell) const {
    return {kGutter + cell.column * kPitch + kCell / 2, kGridTop + cell.row * kPitch + kCell / 2};
}

QString CalendarView::textAt(QPoint point) const {
    const CalendarCell* cell = cellAt(point);
    return cell ? cellText(*cell) : QString();
}

void CalendarView::paint(QPainter& p) const {
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Base));
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(labelFont(font()));
    p.setPen(pal.color(QPalette::Text));
    const QFontMetrics metrics(p.font());

    // Weekday names on the rows of Monday, Wednesday and Friday, as wall calendars leave
    // room for the squares.
    static const char16_t* names[kDaysPerWeek] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    for (int row = 1; row < kDaysPerWeek; row += 2) {
        const QRect box(0, kGridTop + row * kPitch - 2, kGutter - 6, kCell + 4);
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf16(names[row]));
    }

    if (layout_) {
        for (const CalendarHeading& year : layout_->years())
            p.drawText(QPoint(kGutter + year.column * kPitch, kYearTop + metrics.ascent()),
                       QStringLiteral("%1年").arg(year.number));
        for (const CalendarHeading& month : layout_->months())
            p.drawText(QPoint(kGutter + month.column * kPitch, kMonthTop + metrics.ascent()),
                       QStringLiteral("%1月").arg(month.number));
        QColor fills[kShadeSteps];
        for (int s = 0; s < kShadeSteps; ++s)
            fills[s] = shadeColour(pal, s);
        for (const CalendarCell& cell : layout_->cells())
            p.fillRect(
                QRect(kGutter + cell.column * kPitch, kGridTop + cell.row * kPitch, kCell, kCell),
                fills[cell.step]);
        // Today is framed, so the learner finds where the weeks end.
        const CalendarCell& today = layout_->cells().back();
        p.setPen(QPen(pal.color(QPalette::Text), 1));
        p.drawRect(QRect(kGutter + today.column * kPitch - 1, kGridTop + today.row * kPitch - 1,
                         kCell + 1, kCell + 1));
    }

    // The steps: a square of each shade and the answers it stands for.
    int x = kGutter;
    p.setPen(pal.color(QPalette::Text));
    for (int s = 0; s < kShadeSteps; ++s) {
        p.fillRect(QRect(x, kLegendTop + 3, kCell, kCell), shadeColour(pal, s));
        x += kCell + 5;
        const QString text = stepText(s);
        p.drawText(QPoint(x, kLegendTop + 3 + kCell / 2 + metrics.ascent() / 2 - 1), text);
        x += metrics.horizontalAdvance(text) + 16;
    }
}

} // namespace qor
