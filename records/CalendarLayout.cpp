#include "records/CalendarLayout.h"

namespace qor {

int shadeStep(int answers) {
    int step = 0;
    for (int s = 1; s < kShadeSteps; ++s) {
        if (answers >= kShadeStepFloors[static_cast<std::size_t>(s)]) step = s;
    }
    return step;
}

int weekday(StudyDay day) {
    // Day 0, 1 January 1970, was a Thursday.
    return ((day.number + 4) % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek;
}

CalendarLayout::CalendarLayout(const StudyCalendar& calendar)
    : firstRow_(weekday(calendar.first())) {
    const std::vector<int> answers = calendar.days();
    cells_.reserve(answers.size());
    StudyDay day = calendar.first();
    for (std::size_t i = 0; i < answers.size(); ++i, day = day.plus(1)) {
        const int place = firstRow_ + static_cast<int>(i);
        cells_.push_back(
            {day, place / kDaysPerWeek, place % kDaysPerWeek, answers[i], shadeStep(answers[i])});
        if (day.day() == 1) months_.push_back({place / kDaysPerWeek, day.month()});
        if (i == 0 || (day.day() == 1 && day.month() == 1))
            years_.push_back({place / kDaysPerWeek, day.year()});
    }
    columns_ = cells_.empty() ? 0 : cells_.back().column + 1;
}

const CalendarCell* CalendarLayout::at(int column, int row) const {
    if (column < 0 || row < 0 || row >= kDaysPerWeek) return nullptr;
    const long long index = static_cast<long long>(column) * kDaysPerWeek + row - firstRow_;
    if (index < 0 || index >= static_cast<long long>(cells_.size())) return nullptr;
    return &cells_[static_cast<std::size_t>(index)];
}

} // namespace qor
