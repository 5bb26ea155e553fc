#pragma once
// What the error review window ("あなたの間違えは、、、") shows of the last drill's misses:
// one row per missed line with its question and answer columns by direction, and the
// word's misses today and this month from the daily record file.

#include "base/Clock.h"
#include "base/FileStatus.h"

#include <string>
#include <vector>

namespace qor {

struct ReviewRow {
    std::string question;  // column "問題": English part in direction 0, Japanese part in 1
    std::string answer;    // column "正解": the other part
    std::string english;
    std::string japanese;
    std::string comment;

    // The records name the word by English part + "_" + Japanese part in both directions.
    std::string wordKey() const;
    // English + "=" + Japanese + "*" + comment: the dictionary format, whatever the
    // direction (for the vocabulary book).
    std::string dictionaryLine() const;
};

// The rows of the first `wrongCount` missed lines (at most as many as there are lines).
std::vector<ReviewRow> reviewRows(const std::vector<std::string>& missedLines, int wrongCount,
                                  int direction);

struct MissCounts {
    int today = 0;
    int month = 0;
};

// The word's misses in the dictionary's daily record file of the month of `now`:
// section month/day text and section month text, key = word key. A missing file,
// section or key counts 0.
MissCounts missCounts(const std::string& userFolder, const std::string& dictionaryName,
                      const std::string& wordKey, const DateTexts& now);

} // namespace qor
