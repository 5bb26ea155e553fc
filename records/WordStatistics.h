#pragma once
// The counting files of every judged answer:
//   word statistics file "2001_verbs.dat": per word of a dictionary, asked, right and the
//     percentage this year (section "問題=出題総数,正解総数,正解率％", "COUNT" = words recorded);
//   year statistics file "2001.dat": per dictionary (section = its file name), the figures
//     of each month "1".."12" ("Check" = 1 once all twelve were written);
//   recent-drills file "Temp.dat": per dictionary, the percentages of the last twelve
//     completed drills in a ring of slots "1".."12", "Count" = the newest slot.
//
// One answer, one WordStatistics: create it when the answer is checked, call GetVocDetail
// and GetYearDetail, let the check count the answer into the figures (the caller keeps
// them), and call VocDetailSave and SaveYearDetail when the answer is final (after a
// repeated word is finally answered, with the figures of the first answer). Each of the
// two files is read once, on its first use, and stored once by its save, through a
// temporary file; the bytes are those of one write at a time. The files are the ones of
// the year at the check, so an answer checked before midnight on 31 December is saved
// with the year it was read from.

#include "base/Clock.h"
#include "base/FileStatus.h"
#include "base/IniFile.h"
#include "records/RecordFiles.h"

#include <string>

namespace qor {

// Asked and right answers and the percentage text of the percentage rule.
struct AnswerFigures {
    int asked = 0;
    int right = 0;
    std::string percent = "0";

    // One judged answer: asked + 1, right + 1 when right, the percentage again.
    void count(bool isRight);
    // A wrong answer the learner declared right afterwards: right + 1, the percentage again.
    void accept();
};

// The current word's figures for the year; `recorded` is "COUNT", the number of different
// words recorded this year, already including this word when it is new.
struct WordFigures : AnswerFigures {
    int recorded = 0;
};

// The current month's figures of the current dictionary.
struct MonthFigures : AnswerFigures {};

class WordStatistics {
public:
    WordStatistics(const std::string& userFolder, RecordDictionary dic, const DateTexts& now);

    // The word's figures; a word not in the file this year starts at 0 and adds itself to
    // the words recorded.
    WordFigures GetVocDetail(const std::string& wordKey);
    // The month's asked and right figures (the stored percentage is not read back; the
    // figures' percentage is computed from them).
    MonthFigures GetYearDetail();

    // Writes "COUNT" and the word's "asked,right,percentage".
    FileStatus VocDetailSave(const std::string& wordKey, const WordFigures& word);
    // Writes the month's figures; the first save of the dictionary in the year writes the
    // other eleven months as "0,0,0" too.
    FileStatus SaveYearDetail(const MonthFigures& month);

    const std::string& wordFilePath() const { return words_.path(); }
    const std::string& yearFilePath() const { return year_.path(); }

    // The recent-drills slot of the dictionary ("Count", 0 when no drill yet), read when a
    // drill starts. A value outside 0..12 reads as 0.
    static int readRecentSlot(const std::string& userFolder, const std::string& dicFileName);
    // End of a completed drill: advances `slot` (12 wraps to 1) and stores the drill's
    // percentage in it; the first drill of a dictionary writes the other slots as "0".
    static FileStatus SaveStudyDetail(const std::string& userFolder,
                                      const std::string& dicFileName, int& slot, int percentage);

private:
    RecordDictionary dic_;
    std::string month_;
    IniFile words_;
    IniFile year_;
};

// "asked,right,percentage" as the files store figures.
std::string figuresText(const AnswerFigures& f);

} // namespace qor
