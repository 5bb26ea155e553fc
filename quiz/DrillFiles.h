#pragma once
// The files a drill reads and writes, in the terms the drill thinks in: the dictionary,
// its side files, Setup.ini's drill keys and the learning records. This is the one place
// that joins the drill to the word and record formats.

#include "base/FileStatus.h"
#include "quiz/DrillState.h"
#include "quiz/DrillView.h"
#include "records/DailyRecord.h"
#include "records/DueSelection.h"
#include "records/MemoryModel.h"
#include "records/ReviewFile.h"
#include "records/StudyDay.h"
#include "records/WordStatistics.h"
#include "settings/TUserSettings.h"
#include "words/ImportanceFile.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qor {

// The word's and the month's figures of the answer being judged, and the statistics
// files they came from (kept until the answer is final).
struct AnswerRecord {
    WordFigures word;
    MonthFigures month;
};

class DrillFiles {
public:
    DrillFiles(const TUserSettings& settings, const DrillState& state);
    ~DrillFiles();

    // A drill begins: what is read once per drill is read anew, and failures that are
    // told once per drill may be told again.
    void beginDrill();

    // Setup.ini
    FileStatus registerDictionary(const std::string& fileName) const;
    int continuePosition(const std::string& fileName) const;
    FileStatus storeContinuePosition(const std::string& fileName, int position) const;

    // Side files of the dictionary
    FileStatus ensureAnswerFile() const;
    // Whether the answer file pairs the shown alternative with the answer; a file that
    // exists but cannot be read leaves its reason in `status`.
    bool answerFileAccepts(const std::string& shown, const std::string& answer,
                           FileStatus& status) const;
    // The importance file's lines whose level is among the chosen ones, in file order; a
    // file that exists but cannot be read leaves its reason in `status`.
    RatedLines importantLines(const std::array<bool, 5>& levels, FileStatus& status) const;
    FileStatus raiseImportance(const std::string& lineText) const;
    FileStatus lowerImportance(const std::string& lineText) const;
    // nullopt when the word has no line in the pronunciation file.
    std::optional<std::string> pronunciationOf(const std::string& word, FileStatus& status) const;

    // Learning records
    std::vector<std::string> yesterdayList() const;
    int recentDrillSlot() const;
    // The word's percentage this year, 0 when it has no record.
    int wordPercentage(const std::string& wordKey) const;
    // Before judging: the word's and the month's figures.
    AnswerRecord loadFigures(const CurrentEntry& entry);
    // When the answer is final.
    std::vector<FileStatus> saveFigures(const CurrentEntry& entry, const AnswerRecord& figures);
    std::vector<FileStatus> recordMiss(const CurrentEntry& entry);
    // Advances the slot and stores the drill's percentage.
    std::vector<FileStatus> saveStudyDetail(int& slot, int percentage) const;
    FileStatus makeStudyLog(const DrillSummary& summary) const;

    // The daily review, on the review file of the drill's dictionary: opened by
    // beginDrill, read once on first use, written after every graded answer.
    // What the daily review asks on `today`, of the word keys of every dictionary line in
    // dictionary order; a review file that cannot be read leaves its reason in `status`.
    ReviewPlan reviewPlan(const std::vector<std::string>& wordKeys, StudyDay today,
                          FileStatus& status);
    // One graded answer to the word; a failure keeps the answer for the next write.
    FileStatus recordReview(const CurrentEntry& entry, Grade grade, StudyDay today);

private:
    RecordDictionary dictionary() const;

    const TUserSettings& settings_;
    const DrillState& state_;
    std::unique_ptr<DailyRecord> daily_;
    std::unique_ptr<WordStatistics> statistics_;  // of the answer being judged
    std::unique_ptr<ReviewFile> review_;           // of the drill's dictionary
};

} // namespace qor
