#pragma once
// The study log: with "MakeLogFile" on, every completed drill appends a block of seven
// lines and an empty line to the month's log "19998.txt" in the user folder:
//
//   =======================================================
//   学習開始 ： 12/9/2001、   21：3：15
//   学習終了 ： 12/9/2001、   21：9：40
//   辞書 ： verbs.txt
//   出題数 ： 10問
//   正解数 ： 8問<TAB>不正解数 ： 2問<TAB>正解率 ： 80％
//   =======================================================
//
// Both date lines carry the date of writing, so a drill that passes midnight shows the
// end date twice. The block is appended with one write.

#include "base/Clock.h"
#include "base/FileStatus.h"

#include <string>
#include <vector>

namespace qor {

struct StudyLogEntry {
    std::string dicFileName;  // "verbs.txt"
    std::string startClock;   // the clock text taken when the drill started
    int planned = 0;          // questions planned for the drill
    int right = 0;
    int wrong = 0;
    int percentage = 0;       // the drill's percentage, as the percentage gauge shows it
};

class StudyLog {
public:
    // The eight lines (the last one empty); `now` gives the date and the end time.
    static std::vector<std::string> block(const DateTexts& now, const StudyLogEntry& entry);
    // Appends the block to the month's log, creating it. On failure nothing is written.
    static FileStatus MakeStudyLog(const std::string& userFolder, const DateTexts& now,
                                   const StudyLogEntry& entry);
};

} // namespace qor
