#pragma once
// The learner's schedule in section "Plan" of Setup.ini: "PlanNum" and the keys
// "0" .. PlanNum - 1, each purpose + "," + year/month/day, in the learner's order.
// The settings dialog writes it; the main window reads it, counts down to the first
// entry and drops an entry whose day has come.

#include "base/Clock.h"
#include "base/FileStatus.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class IniFile;

struct PlanEntry {
    std::string purpose; // CP932
    int year = 0;
    int month = 0;
    int day = 0;
};

// Splits purpose at the first ",", the date at "/" twice; each date part a decimal
// number, together a real date. nullopt otherwise.
std::optional<PlanEntry> parsePlanEntry(std::string_view text);

// year + "/" + month + "/" + day, without leading zeros.
std::string planDateText(int year, int month, int day);
// The stored form: purpose + "," + the date text.
std::string planEntryText(const PlanEntry& entry);

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

    // Puts the whole list into `ini` (stored with the ini's other writes): "PlanNum",
    // then keys "0" .. n - 1. Keys of a longer list stored before are removed, unless the
    // stored "PlanNum" was no number (its entries could not be shown, so they are kept).
    static void write(IniFile& ini, const std::vector<std::string>& entries);

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace qor
