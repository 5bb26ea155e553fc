#pragma once
// Where the study calendar puts its days: one column per week (Sunday to Saturday, top to
// bottom), the week of the first day shown on the left, today's week on the right; a
// month's name stands over the column of its first day, a year's over the column of its
// first day shown. And how dark a day is shaded: a few fixed steps of answers, so that a
// shade means the same on every day and in every year.

#include "records/StudyCalendar.h"

#include <array>
#include <vector>

namespace qor {

inline constexpr int kDaysPerWeek = 7;
inline constexpr int kShadeSteps = 5;
// The fewest answers of each step: step 0 is a day without answers.
inline constexpr std::array<int, kShadeSteps> kShadeStepFloors = {0, 1, 20, 50, 100};

// 0 (no answer) to kShadeSteps - 1.
int shadeStep(int answers);
// 0 Sunday, 1 Monday ... 6 Saturday.
int weekday(StudyDay day);

struct CalendarCell {
    StudyDay day;
    int column = 0;
    int row = 0; // the weekday
    int answers = 0;
    int step = 0;
};

struct CalendarHeading {
    int column = 0;
    int number = 0; // the month (1 to 12) or the year
};

class CalendarLayout {
public:
    explicit CalendarLayout(const StudyCalendar& calendar);

    int columns() const { return columns_; }
    // Every day from the calendar's first day through today, in order.
    const std::vector<CalendarCell>& cells() const { return cells_; }
    const std::vector<CalendarHeading>& months() const { return months_; }
    const std::vector<CalendarHeading>& years() const { return years_; }
    // The day at a column and row; nullptr for a place before the first day or after today.
    const CalendarCell* at(int column, int row) const;

private:
    std::vector<CalendarCell> cells_;
    std::vector<CalendarHeading> months_;
    std::vector<CalendarHeading> years_;
    int columns_ = 0;
    int firstRow_ = 0; // the weekday of the first day
};

} // namespace qor
