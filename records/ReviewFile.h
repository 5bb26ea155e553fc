#pragma once
// The review file of a dictionary: "<dictionary name>.rev" in the user folder, CP932 text
// with CR LF, in the key-value form of the other record files (a name no record file of
// the drill uses, since those end in ".dat", ".cun", ".ans" or ".txt"):
//
//   [FSRS-6]
//   run,dash_走る,急ぐ=2025-03-14,2.3065,2.118010640191367,1,0
//   apple_りんご=2025-03-10,0.212,6.4133,3,1
//
//   [Answers]
//   2025-03-14=37
//
// Section "FSRS-6" (the model whose states the numbers are) holds one line per word that
// was ever answered: its word key (English part + "_" + Japanese part, as in the other
// records), "=", and the record of WordReview (last review day, stability, difficulty,
// reviews, lapses). The line splits at its last "=", since a Japanese part may hold one
// and a record never does. Section "Answers" counts the answers given to the dictionary's
// words on each day, for the study calendar.
//
// Read once, on first use, and kept for the drill; every answer changes the records in
// memory and stores the whole file through the records' safe rewrite (a temporary file
// renamed over the old one), so a killed write leaves the old file whole. A line that
// cannot be read as a record is left out of the records and left in the file as it is;
// a word whose key changed (its dictionary line was edited) simply has no record yet.

#include "base/FileStatus.h"
#include "base/IniFile.h"
#include "records/MemoryModel.h"
#include "records/StudyDay.h"
#include "records/WordReview.h"

#include <map>
#include <optional>
#include <string>
#include <unordered_map>

namespace qor {

using ReviewRecords = std::unordered_map<std::string, WordReview>;

// "<user folder>/<dictionary name>.rev".
std::string reviewFilePath(const std::string& userFolder, const std::string& dictionaryName);

class ReviewFile {
public:
    ReviewFile(const std::string& userFolder, const std::string& dictionaryName,
               const MemoryModel& model = MemoryModel());

    const std::string& path() const { return file_.path(); }
    // Why the file could not be read; ok when it was read or is missing (no records yet).
    FileStatus readStatus();

    // Every readable record by word key. Of a key on several lines, the first line counts
    // (and a broken first line leaves the word without a record).
    const ReviewRecords& records();
    std::optional<WordReview> record(const std::string& wordKey);

    // One graded answer to the word on `today`: the word's record changes by the rules of
    // WordReview, today's answer count grows by one, and the file is stored. On failure the
    // old file stays whole, the records in memory keep the answer, and the next store
    // writes it too.
    FileStatus recordAnswer(const std::string& wordKey, Grade grade, StudyDay today);

    // The answers per day of the review file at `path` (none for a missing file; a line
    // that is not a day and a count is left out).
    static std::map<StudyDay, int> answersPerDay(const std::string& path);

private:
    void load();

    IniFile file_;
    MemoryModel model_;
    bool loaded_ = false;
    ReviewRecords records_;
};

} // namespace qor
