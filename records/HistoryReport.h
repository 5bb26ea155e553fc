#pragma once
// The drills of this run as the history window lists them, the words each one missed, and
// the two ways the list is saved: appended to a text file, plain or as CSV, each save a
// block of its own that starts with the date.

#include "base/Clock.h"
#include "base/FileStatus.h"

#include <string>
#include <vector>

namespace qor {

// The rows of the history: ten, one per drill history slot 1 to 10.
constexpr int kHistoryRows = 10;

// One completed drill (or an empty slot: no dictionary, counts 0).
struct HistoryDrill {
    std::string dictionaryPath;
    int questionCount = 0;
    int correctCount = 0;
    int wrongCount = 0;
    int percentage = 0;
    std::string startTime;  // clock texts "9：5：07"
    std::string endTime;
    std::vector<std::string> missedLines;  // the dictionary lines it missed, in order
};

// A row of the list as text (CP932): "No.", "開始時間", "終了時間", "使用辞書" (the file name
// of the dictionary), "出題数", "正解数", "不正解数", "正解率" (the percentage + "％").
struct HistoryRow {
    int number = 0;
    std::string start;
    std::string end;
    std::string dictionary;
    std::string questions;
    std::string right;
    std::string wrong;
    std::string percent;

    bool holdsDrill() const { return !dictionary.empty(); }
};

// Rows numbered 1, 2, ... from the drills in order.
std::vector<HistoryRow> historyRows(const std::vector<HistoryDrill>& drills);

// "★間違えた問題リスト★\n" and one line "English-Japanese-comment\n" per missed line; empty
// for a drill without misses.
std::string missedWordText(const HistoryDrill& drill);

enum class HistoryFormat { Plain, Csv };

// The lines one save appends (without line ends): the date "2002年3月3日", then the rows
// that hold a drill, plain "No.1 9：5：07～9：9：30 verbs.txt 出：10問 正：8問 不：2問 率：80％"
// followed by the closing line and an empty line, or as CSV with a header, each row
// followed by an empty line.
std::vector<std::string> historySaveLines(const std::vector<HistoryRow>& rows,
                                          const DateTime& today, HistoryFormat format);

// Appends one save to the file (created when missing), every line ended by CR LF; on
// failure nothing is written.
FileStatus saveHistory(const std::string& path, const std::vector<HistoryRow>& rows,
                       const DateTime& today, HistoryFormat format);

// "ByHint" of section "Show History" of Setup.ini: the missed words shown as the list's hint.
bool readHistoryByHint(const std::string& setupIni);
FileStatus writeHistoryByHint(const std::string& setupIni, bool byHint);

} // namespace qor
