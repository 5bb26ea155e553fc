#pragma once
// The drill history of this run as the history window lists it.

#include "quiz/DrillState.h"
#include "records/HistoryReport.h"

#include <vector>

namespace qor {

// The drills of history slots 1 to 10, in slot order: each with the totals of its slot and
// the missed lines of the slot before it (as many as its wrong count). A slot that holds
// no drill yet gives an empty drill.
std::vector<HistoryDrill> listedDrills(const DrillHistory& history);

} // namespace qor
