#pragma once
// The review forecast's picture: one bar per coming day, as high as the words that fall
// due that day, its count above it and its day of the month below (the month's name under
// the first day and under every first of a month). Drawn with QPainter in the palette's
// colours, like the calendar above it.
//
// Every bar can be read as text: its tooltip names the date and the words, and the
// accessible description lists every day.

#include "records/ChartView.h"
#include "records/StudyDay.h"

#include <vector>

namespace qor {

class ForecastView : public ChartView {
    Q_OBJECT
public:
    explicit ForecastView(QWidget* parent = nullptr);

    // The words due on each day after `today` (days[0] is tomorrow's).
    void setForecast(std::vector<int> days, StudyDay today);
    const std::vector<int>& days() const { return days_; }

    // The day (0: tomorrow) whose bar or label is at a point of the widget; -1 elsewhere.
    int dayAt(QPoint point) const;
    // The middle of a day's column, at the foot of its bar.
    QPoint footOf(int day) const;
    // What the tooltip says at a point: "2026年12月10日 ： 5語"; empty elsewhere.
    QString textAt(QPoint point) const override;

    QSize sizeHint() const override;

protected:
    void paint(QPainter& p) const override;

private:
    QString dayLine(int day) const;

    std::vector<int> days_;
    StudyDay today_;
};

} // namespace qor
