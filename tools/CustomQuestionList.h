#pragma once
// The custom question list: one row per line of the current dictionary with the word's
// figures of this year, and a tick per row. The ticked lines become the drill's custom
// questions. The rows and ticks stay as long as the object, and are rebuilt only for a
// dictionary of another file name.
//
// Loading reads the dictionary and the year's word statistics file once each, whatever
// the number of rows; a rule on today's or this month's misses reads the daily record
// file once.

#include "base/Clock.h"
#include "base/FileStatus.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct CustomRow {
    std::string line;  // the dictionary line
    std::string english;
    std::string japanese;
    std::string comment;
    std::string key;   // word key: English part + "_" + Japanese part
    int asked = 0;     // this year
    int right = 0;
    int percent = 0;
    bool ticked = false;
};

// The figures of a word statistics value: asked is the text before the first ",",
// right the text between the first and the second, the percentage the text after the
// last; "0" (never asked) gives 0, 0, 0.
struct CustomFigures {
    int asked = 0;
    int right = 0;
    int percent = 0;
};
CustomFigures figuresOfValue(std::string_view value);

// The five rules, in the order of their rows.
enum class CustomRule { Asked, Right, Percent, DayErrors, MonthErrors };
// "以上" and "以下".
enum class RuleCompare { AtLeast, AtMost };

class CustomQuestionList {
public:
    // Called with the number of lines done after each line of a long operation, and with
    // 0 once it is over (a window's gauge decides which of them to show).
    using Progress = std::function<void(int done)>;

    // True when the rows were built for a dictionary of this file name (the rows and
    // ticks are then kept).
    bool builtFor(std::string_view dictionaryPath) const;
    const std::string& fileName() const { return fileName_; }
    const std::string& dictionaryPath() const { return path_; }

    // Builds the rows, all unticked, from every line of the dictionary and the word
    // statistics file of the year of `now` in the user folder. On failure (the
    // dictionary cannot be read) the rows are empty and nothing is remembered.
    FileStatus load(const std::string& dictionaryPath, const std::string& userFolder,
                    const DateTexts& now, const Progress& progress = {});

    const std::vector<CustomRow>& rows() const { return rows_; }
    int size() const { return static_cast<int>(rows_.size()); }
    int tickedCount() const { return ticked_; }

    void setTicked(int row, bool ticked);
    // Every row ticked or unticked; returns how many changed.
    int tickAll(bool ticked);
    int tickRows(const std::vector<int>& rows, bool ticked);
    // Ticks (select) or unticks (reset) every row whose figure compares with `number`;
    // rows already in that state stay. Misses today and this month come from the daily
    // record file of `now`'s month. Returns how many rows changed.
    int applyRule(CustomRule rule, RuleCompare compare, int number, bool select,
                  const std::string& userFolder, const DateTexts& now,
                  const Progress& progress = {});

    std::vector<std::string> tickedLines() const;
    // Appends the ticked lines, each with CR LF, to the file (created when missing); a
    // file whose last line has no line break gets one first, so the result is still one
    // word per line.
    FileStatus appendTicked(const std::string& path) const;

private:
    std::string path_;
    std::string fileName_;
    std::vector<CustomRow> rows_;
    int ticked_ = 0;
};

} // namespace qor
