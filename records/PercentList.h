#pragma once
// The rows of the percentage view: every word recorded in a year's word statistics file
// of a dictionary, with its asked and right counts, its percentage and whether it counts
// as mastered, and the dictionary's mastery count against its number of lines.
//
// One view reads the word statistics file once and the dictionary once (for its lines),
// whatever the number of words.

#include "base/FileStatus.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// What makes a word mastered: its right count, or its percentage, at least the threshold.
enum class MasteryRule { ByRightCount, ByPercent };

// The thresholds of section "Show Percent" of Setup.ini.
struct MasteryThresholds {
    int byRightCount = 1;  // "AANum", 1 to 1000
    int byPercent = 50;    // "APercent", 1 to 100

    static constexpr int kMaxRightCount = 1000;
    static constexpr int kMaxPercent = 100;

    // A missing or unreadable key gives the default; a stored number outside its range
    // is brought into it.
    static MasteryThresholds read(const std::string& setupIni);
    FileStatus write(const std::string& setupIni) const;
};

struct PercentRow {
    std::string english;   // the word key up to its first "_"
    std::string japanese;  // the rest of the key
    int asked = 0;
    int right = 0;
    int percent = 0;
    bool mastered = false;
};

// The columns of the list, in their order.
enum class PercentColumn { English, Japanese, Asked, Right, Percent, Mastered, Count };

// A cell as the list shows it: the percentage followed by " ％", the mastery "  ◎" or
// "  ×" (CP932).
std::string percentCell(const PercentRow& row, PercentColumn column);

struct PercentList {
    std::vector<PercentRow> rows;  // in the order of the file
    int mastered = 0;              // rows that count as mastered
    std::size_t words = 0;         // lines of the dictionary file
    // The first file that exists but could not be read; rows are empty then.
    FileStatus status;
};

// The view of dicFileName ("verbs.txt") in year ("2001"): the rows of the word
// statistics file year_verbs.dat in the user folder (its first "COUNT" word lines, in
// file order), the dictionary found under its file name in "Dictionary Path" of
// Setup.ini for the number of words. A missing statistics file lists nothing; a
// dictionary that is not remembered or missing counts 0 words.
PercentList readPercentList(const std::string& userFolder, std::string_view dicFileName,
                            std::string_view year, MasteryRule rule, int threshold);

// The rows sorted by a column, stably (English and Japanese with ASCII letter case folded,
// the figures by number), as row numbers: element i is the row that goes to place i.
std::vector<std::size_t> sortedPercentOrder(const std::vector<PercentRow>& rows,
                                            PercentColumn column, bool descending = false);

// The years the statistics windows offer: 1999 up to the current year.
std::vector<int> statisticsYears(int currentYear);

} // namespace qor
