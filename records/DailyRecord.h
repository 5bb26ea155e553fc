#pragma once
// The daily record file of a dictionary and month ("19998_verbs.dat") and the learner's
// error list file.
//
// The daily record file holds, in section "Error", the day the lists belong to ("Date"),
// the distinct words missed that day ("Num", "Today": word numbers in order of first miss)
// and those of the last day before it on which the dictionary was used ("YesterdayNum",
// "Yesterday"); a section per day ("8/9") and one for the month ("8") count each word's
// misses under its word key.
//
// Cost of one recorded miss: SaveData reads the daily record file and error5.cun once
// each and stores each of them with one safe write, and deletes the previous month's file
// only in a new month. "PrevYearMonth" of Setup.ini is read on the first miss of a
// DailyRecord only: it changes at start-up alone, so a drill (which makes a DailyRecord
// of its own) reads it once. The stored bytes are those of one write at a
// time in the order of the steps.
//
// Today's list is taken from the file itself ("Num" and "Today") before it is extended,
// so it always holds the day's distinct missed words of that one dictionary, whatever
// dictionary was used before and whether or not the program was restarted that day.

#include "records/RecordFiles.h"
#include "base/Clock.h"
#include "settings/TUserSettings.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qor {

// The first `count` word numbers of a day miss list ("12,3,40"), as its readers take
// them: the list is cut at each ","; the last item taken runs to the end of the text;
// a list shorter than `count` gives what it has.
std::vector<std::string> dayMissItems(int count, const std::string& list);

class DailyRecord {
public:
    // userFolder: TUserSettings::userFolder() (CP932, no trailing "/").
    explicit DailyRecord(std::string userFolder);

    const std::string& userFolder() const { return userFolder_; }

    // The records of one missed answer: SaveErrorData when s.files.SaveError is 1 (to
    // s.files.SaveErrorFile), then SaveData. Every failure is listed; the rest goes on.
    RecordStatus recordMiss(const PathSettings& files, const RecordDictionary& dic,
                            const RecordWord& word, const DateTexts& now);

    // Records a miss of `word` in the dictionary's daily record file of the current month
    // and in the error ranking, with the date texts of the call. A new month deletes the
    // previous month's file of this dictionary (by "PrevYearMonth" of Setup.ini, default
    // "19998", which is not changed here); a new day rolls the lists over (a file without
    // "Date" counts as "12/9").
    RecordStatus SaveData(const RecordDictionary& dic, const RecordWord& word,
                          const DateTexts& now);

    // Appends `line` to the error list file unless a line equal to it without regard to
    // letter case is there already. A missing file is created. A file that cannot be read
    // or appended to is reported once (the first failure with that path; after a success
    // it would be reported again) and nothing is written to it.
    RecordStatus SaveErrorData(const std::string& errorListFile, const std::string& line);

    // The start-up roll-over, run once by the main window's first showing after the
    // settings are loaded: for every dictionary of section "Dictionary" of Setup.ini
    // ("DicNum", keys "1"..), delete its file of the month "PrevYearMonth" (default
    // "19999") when the month has changed, and roll its current file over when its "Date"
    // (default "1/9") is not today; then store "PrevYearMonth" = the current year-month.
    static RecordStatus rollOverAtStartup(const std::string& userFolder, const DateTexts& now);

private:
    std::string userFolder_;
    std::optional<std::string> prevYearMonth_;
    std::set<std::string> reportedErrorLists_;
};

} // namespace qor
