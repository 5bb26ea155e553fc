#pragma once
// The study calendar's picture: the days of the last twelve months as a grid (a column
// per week, a row per weekday, the months and years named above), each day shaded by its
// answers in one of a few steps, the steps explained below the grid. Drawn with QPainter
// in the colours of the widget's palette, so it is crisp at any pixel density and
// readable under a light or a dark palette.
//
// Every figure can be read as text: the tooltip of a day names its date and answers, and
// the accessible description holds the streaks and one line per day with answers.

#include "records/CalendarLayout.h"
#include "records/ChartView.h"

#include <QColor>

#include <optional>

class QPalette;

namespace qor {

// "2026年12月9日".
QString dayText(StudyDay day);

// The colour that stands out from the palette's base: its highlight where that keeps
// 3 : 1 with the base (a shape against its ground), else its text colour.
QColor accentColour(const QPalette& palette);
// The fill of a day of that step: the base tinted towards the accent, more with each step;
// the last step is the accent itself.
QColor shadeColour(const QPalette& palette, int step);

class CalendarView : public ChartView {
    Q_OBJECT
public:
    explicit CalendarView(QWidget* parent = nullptr);

    // Shows a calendar; the streaks head the accessible description.
    void setCalendar(const StudyCalendar& calendar, const QString& streaks);
    const CalendarLayout* layout() const { return layout_ ? &*layout_ : nullptr; }

    // The day at a point of the widget; nullptr for a point between or beside the days.
    const CalendarCell* cellAt(QPoint point) const;
    // The centre of a day's square.
    QPoint centreOf(const CalendarCell& cell) const;
    // What the tooltip says at a point: "2026年12月9日 ： 12回"; empty beside the days.
    QString textAt(QPoint point) const override;

    QSize sizeHint() const override;

protected:
    void paint(QPainter& p) const override;

private:

    std::optional<CalendarLayout> layout_;
};

} // namespace qor
