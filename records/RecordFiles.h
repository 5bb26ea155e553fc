#pragma once
// What every learning record needs: the names of the dictionary and the word it is
// about, the paths of the record files in the user folder, and the list of files that
// could not be read, written or deleted.
//
// The user folder is given as TUserSettings::userFolder() gives it: CP932, without a
// trailing "/". Every record file is user folder + "/" + its name.
//
// The records of one answer, in the drill's order (each file read once, stored once):
//
//   WordStatistics stats(userFolder, dic, now);          // one per answer
//   WordFigures word = stats.GetVocDetail(w.key);        // before judging
//   MonthFigures month = stats.GetYearDetail();
//   word.count(right); month.count(right);
//   RecordStatus status;
//   if (!right) status.add(record.recordMiss(settings.files, dic, w, now));  // SaveErrorData,
//   SaveData
//   ... verdict ...
//   status.add(stats.VocDetailSave(w.key, word));         // when the answer is final
//   status.add(stats.SaveYearDetail(month));
//   for (const FileStatus& f : status.failures()) ... tell the learner (path and reason)
//
// `record` is the DailyRecord the main window keeps for the run; `now` is
// DateTexts::of(programClock().now()) at the call.

#include "base/FileStatus.h"
#include "base/IniFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The two names of a dictionary that the records use, as the dictionary model derives
// them from its path.
struct RecordDictionary {
    std::string fileName;  // "verbs.txt": names its sections in error5.cun, the year
                           // statistics file and Temp.dat
    std::string name;      // "verbs": names its daily record and word statistics files
};

// The word an answer was about.
struct RecordWord {
    int number = 0;    // 0-based line index in the dictionary file
    std::string key;   // English part + "_" + Japanese part, whatever the direction
    std::string line;  // the whole dictionary line (for the error list file)
};

// The daily record file and the word statistics file name words by their word keys, and
// a Japanese part may hold "="; their values never do, so their lines split at the last
// "=".
constexpr IniFile::Split kWordKeyedFile = IniFile::Split::AtLastEquals;

// Daily record file: "19998_verbs.dat".
std::string dailyRecordPath(const std::string& userFolder, const std::string& yearMonth,
                            const std::string& dicName);
// Error ranking file: "error5.cun".
std::string errorRankingPath(const std::string& userFolder);
// Word statistics file: "2001_verbs.dat".
std::string wordStatisticsPath(const std::string& userFolder, const std::string& year,
                               const std::string& dicName);
// The one section of the word statistics file, "問題=出題総数,正解総数,正解率％" (CP932).
const std::string& wordStatisticsSection();
// Year statistics file: "2001.dat".
std::string yearStatisticsPath(const std::string& userFolder, const std::string& year);
// Recent-drills file: "Temp.dat".
std::string recentDrillsPath(const std::string& userFolder);
// Study log: "19998.txt".
std::string studyLogPath(const std::string& userFolder, const std::string& yearMonth);
// The user's settings file, where the records keep "PrevYearMonth" and read the
// dictionary list.
std::string setupPath(const std::string& userFolder);

// The files a record operation could not read, write or delete: each path once, with
// the reason, for the window to tell the learner. Successes are not kept.
class RecordStatus {
public:
    RecordStatus() = default;
    RecordStatus(const FileStatus& status) { add(status); }  // NOLINT: implicit on purpose

    void add(const FileStatus& status);
    void add(const RecordStatus& other);
    bool ok() const { return failures_.empty(); }
    explicit operator bool() const { return ok(); }
    const std::vector<FileStatus>& failures() const { return failures_; }

private:
    std::vector<FileStatus> failures_;
};

// "asked,right,percentage" as the statistics files store figures, split at the first two
// commas; a missing part is empty, and the percentage is the whole rest.
struct FigureTexts {
    std::string asked;
    std::string right;
    std::string percent;
};
FigureTexts splitFigures(std::string_view value);

// A word key split at its first "_": the English part before it, the Japanese part after
// it. A key without "_" (the ranking's unfilled "NO") is all Japanese part.
struct WordKeyParts {
    std::string english;
    std::string japanese;
};
WordKeyParts splitWordKey(std::string_view key);

// A count as the records store it: decimal text; anything else (a hand-edited file)
// counts as 0.
int recordCount(const std::string& text);

} // namespace qor
