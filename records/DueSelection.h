#pragma once
// Which words the daily review asks: the words of a dictionary that are due, most overdue
// first, then words never answered, in dictionary order, up to the day's limit of new
// words. Also the number due on a day and a forecast of the days ahead.
//
// A word is due on the first whole day after its last review on which its retrievability
// has fallen to the target retention or below; a word answered today is not due again
// today. Most overdue means the lowest retrievability today, which is the same order as
// the time since the last review divided by the word's interval. Words of equal
// retrievability keep dictionary order.
//
// A word is known by its word key; a dictionary line whose key has no record (never
// answered, or edited since) is new. A key that stands on several lines is asked once,
// at its first line. The new words of a day are those whose first review was that day,
// whatever drill introduced them, so the limit holds across the drills of a day and
// starts afresh the next day.

#include "records/MemoryModel.h"
#include "records/ReviewFile.h"
#include "records/StudyDay.h"
#include "settings/TUserSettings.h"

#include <string>
#include <vector>

namespace qor {

struct ReviewSettings {
    double targetRetention = 0.9;  // taken as 0.9 unless 0 < value < 1
    int newWordsPerDay = 20;
};

// The learner's review settings ([Review] of Setup.ini, percent and words per day).
ReviewSettings reviewSettingsOf(const ReviewOptions& options);

struct ReviewPlan {
    std::vector<int> lines;  // dictionary line indexes, in the order to ask them
    int due = 0;             // the first `due` lines are due reviews, the rest new words
    int fresh = 0;
};

class DueSelection {
public:
    // wordKeys: the word key of every dictionary line, in dictionary order.
    DueSelection(const std::vector<std::string>& wordKeys, const ReviewRecords& records,
                 const ReviewSettings& settings, const MemoryModel& model = MemoryModel());

    // What to ask on `today`.
    ReviewPlan plan(StudyDay today) const;
    // The number of words due on `day` (overdue ones included), new words not counted.
    int dueCount(StudyDay day) const;
    // For each of the `days` days after `today`, the number of words that fall due on that
    // day (a word due today or earlier is not counted again).
    std::vector<int> forecast(StudyDay today, int days = 30) const;
    // The number of words whose first review was on `day`.
    int introducedOn(StudyDay day) const;

    // The day a record falls due.
    static StudyDay dueDay(const WordReview& r, double targetRetention, const MemoryModel& model);

private:
    struct Known {
        int line;
        WordReview review;
        StudyDay due;
    };

    MemoryModel model_;
    double retention_;
    int newPerDay_;
    std::vector<Known> known_;  // answered words, first line of each key, in line order
    std::vector<int> fresh_;    // lines of words never answered, first line of each key
};

} // namespace qor
