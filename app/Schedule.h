#pragma once
// The learner's schedule: up to five dated goals in section "Plan" of Setup.ini
// ("PlanNum" and keys "0" .. PlanNum - 1, each purpose + "," + year/month/day).
// The main window counts down to the first entry every second and announces all of
// them at start; an entry whose day has come is dropped from the file.
//
// An entry that cannot be read (no comma, a part that is not a number, a date that does
// not exist) is skipped: the countdown follows the next readable entry, and the window
// tells the learner about it once.

#include "base/Clock.h"
#include "base/FileStatus.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct PlanEntry {
    std::string purpose; // CP932
    int year = 0;
    int month = 0;
    int day = 0;
};

// Splits purpose at the first ",", the date at "/" twice; each date part a decimal
// number, together a real date. nullopt otherwise.
std::optional<PlanEntry> parsePlanEntry(std::string_view text);

// The entry's day minus today in whole days: 0 today, 1 tomorrow, -1 yesterday.
int dayDifference(const PlanEntry& entry, const DateTime& today);

// More entries than this are never read: the settings dialog keeps five, and a count
// edited by hand must not make every tick walk through millions of keys.
inline constexpr int kMaxPlanEntries = 100;

struct PlanItem {
    int key = 0;                    // the entry's key in section "Plan"
    std::string text;               // as stored
    std::optional<PlanEntry> entry; // nullopt when it cannot be read
    int days = 0;                   // day difference, when readable
};

struct PlanList {
    std::vector<PlanItem> items;
    // The stored "PlanNum" when it is not a number (the list is then empty).
    std::optional<std::string> badCount;

    // The first readable entry, nullptr when there is none.
    const PlanItem* firstReadable() const;
};

class PlanFile {
public:
    explicit PlanFile(std::string setupIniPath) : path_(std::move(setupIniPath)) {}

    // Reads "PlanNum" (default "0") and keys "0" .. PlanNum - 1 (default " ").
    PlanList read(const DateTime& today) const;
    // Removes the entry of key `key`: every later key moves down by one, the last key
    // takes the default " ", and "PlanNum" shrinks by one. Dropping the only entry thus
    // leaves "PlanNum" = 0 and key "0" holding " ".
    FileStatus drop(int key) const;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

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
