#include "quiz/DrillHistoryList.h"

#include <algorithm>

namespace qor {

std::vector<HistoryDrill> listedDrills(const DrillHistory& history) {
    std::vector<HistoryDrill> drills;
    drills.reserve(kHistoryRows);
    for (int slot = 1; slot <= kHistoryRows; ++slot) {
        const DrillRecord& totals = history.slot(slot);
        const DrillRecord& lines = history.slot(slot - 1);
        HistoryDrill d;
        d.dictionaryPath = totals.dictionaryPath;
        d.questionCount = totals.questionCount;
        d.correctCount = totals.correctCount;
        d.wrongCount = totals.wrongCount;
        d.percentage = totals.percentage;
        d.startTime = totals.startTime;
        d.endTime = totals.endTime;
        const auto missed = static_cast<std::ptrdiff_t>(std::clamp(totals.wrongCount, 0, kListSlots));
        d.missedLines.assign(lines.missed.begin(), lines.missed.begin() + missed);
        drills.push_back(std::move(d));
    }
    return drills;
}

} // namespace qor
