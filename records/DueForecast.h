#pragma once
// The review ahead for one dictionary: how many of its words fall due on each of the
// coming days, from the dictionary's lines (each known by its word key) and its review
// file, with the learner's review settings. For the study calendar's forecast.

#include "base/FileStatus.h"
#include "records/DueSelection.h"
#include "records/StudyDay.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct DueForecast {
    std::vector<int> days;        // words falling due on today + 1, today + 2, ...
    int dueToday = 0;             // words due today, overdue ones included
    std::size_t words = 0;        // lines of the dictionary
    bool dictionaryFound = false; // false: no path known, or no file there
    // The first file that exists but could not be read (the dictionary or its review
    // file); nothing is forecast then.
    FileStatus status;
};

// The dictionary file of a file name ("verbs.txt"): the path remembered under it in
// Setup.ini, else the dictionary in use when it has that file name; empty when neither.
// When Setup.ini exists but cannot be read, `status` says why.
std::string dictionaryPathFor(const std::string& setupIni, std::string_view fileName,
                              const std::string& dicInUse, FileStatus* status = nullptr);

// The forecast for the dictionary at `dictionaryPath` (empty: not known) over `days` days
// after `today`. Reads the dictionary and "<dictionary name>.rev" in the user folder;
// changes nothing.
DueForecast readDueForecast(const std::string& userFolder, const std::string& dictionaryPath,
                            const ReviewSettings& settings, StudyDay today, int days = 30);

} // namespace qor
