#pragma once
// The main window's side of the learner's schedule (the entries themselves are kept by
// settings/PlanFile.h): it counts down to the first entry every second and announces all
// of them at start; an entry whose day has come is dropped from the file.
//
// An entry that cannot be read (no comma, a part that is not a number, a date that does
// not exist) is skipped: the countdown follows the next readable entry, and the window
// tells the learner about it once.

#include "settings/PlanFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The countdown's tick: what status panel 3 shows and what happens to the entry followed.
struct CountdownStep {
    enum class Kind {
        Nothing,    // no readable entry: the panel is empty
        Counting,   // a future entry: the panel counts down
        DayHasCome, // today: the box, then the entry is dropped
        Passed,     // already past: dropped without a word
    };
    Kind kind = Kind::Nothing;
    std::string panelText; // CP932; empty unless counting
    std::string boxText;   // CP932; the box of the day itself
    int key = -1;          // the entry followed (to drop for DayHasCome and Passed)
};

CountdownStep countdownStep(const PlanList& plan);

// The plan check at start: one box per entry, in order, then the closing box.
struct PlanAnnouncement {
    bool readable = true;
    std::string text; // CP932: the entry's box, or the stored text when unreadable
};

struct PlanCheckResult {
    std::vector<PlanAnnouncement> boxes;
    int dropKey = -1;        // the first readable entry when its day has come, else -1
    std::string closingText; // CP932: one line per entry; empty when there are none
};

PlanCheckResult planCheck(const PlanList& plan);

// Texts of the schedule (CP932).
std::string countdownText(const std::string& purpose, int days); // "…まで、あと 3日"
std::string dayHasComeText(const std::string& purpose);          // the countdown's box
std::string checkTodayText(const std::string& purpose);          // the plan check's box
// The report of an entry that cannot be read.
std::string unreadablePlanText(const std::string& storedText);

} // namespace qor
