#pragma once
// The study calendar: how many answers the learner gave on each day of the last twelve
// months, summed over all dictionaries, with the current run of study days (the streak)
// and the longest run on record.
//
// Where the answers of a day come from, for each dictionary:
// - the review file "<name>.rev" counts every answer of every day since the daily review
//   began (section "Answers", ReviewFile);
// - for a day it has no count of, the daily record file "<year-month>_<name>.dat" of that
//   month gives the misses recorded in that day's section ("8/9": a miss count per word).
//   Those files keep only the missed answers, and only until a later month starts, so
//   they fill in, as a lower bound, the days before the review file's counts began.
//
// The twelve months are the calendar months from the first day of the month eleven months
// before today's through today. The current streak counts the study days up to today, or
// up to yesterday while today has no answer yet (a learner who drilled yesterday has not
// broken the streak by opening the program). Everything takes today from the caller.

#include "records/StudyDay.h"

#include <map>
#include <string>
#include <vector>

namespace qor {

using DayCounts = std::map<StudyDay, int>;

// The answers per day of the user folder's records, as described above.
DayCounts studyDayCounts(const std::string& userFolder);
// Only the misses per day of the daily record files (all dictionaries summed).
DayCounts dailyRecordMisses(const std::string& userFolder);

class StudyCalendar {
public:
    StudyCalendar(DayCounts counts, StudyDay today);

    // The first day shown: the first of the month eleven months before today's month.
    StudyDay first() const { return first_; }
    StudyDay today() const { return today_; }
    // The answers of every day from first() through today(), in order.
    std::vector<int> days() const;
    int answersOn(StudyDay day) const;

    int currentStreak() const;
    int longestStreak() const;

private:
    DayCounts counts_;  // days with at least one answer
    StudyDay today_;
    StudyDay first_;
};

} // namespace qor
