#pragma once
// The test sheet of "簡易テスト用紙の作成": a heading, optional user, date and score lines,
// numbered questions (written answers, or four choices a to d) and an optional answer
// key, built as plain lines (CP932) that the window shows, prints and saves.
//
// Building, as the window does it:
//   TestSheet sheet(settings);
//   sheet.addHeading(userName, now, score);            // kept whatever follows
//   SheetSource source = readSheetSource(request);     // may fail: tell the learner, stop
//   ... type 5: wholeDictionaryQuestion(count) may ask first ...
//   sheet.addQuestions(source.lines, source.dictionary, programRandom(), progress);
//   sheet.addEnd();

#include "base/Clock.h"
#include "base/FileStatus.h"
#include "base/Random.h"
#include "quiz/DrillState.h"
#include "quiz/DrillView.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qor {

// Section "Make Test" of Setup.ini: read when the window opens, written by "閉じる (&C)".
struct MakeTestSettings {
    bool ToEnglish = false;    // Japanese is shown, English is the answer
    bool SelectOn = false;     // four-choice questions
    bool PrintDate = false;
    bool PrintUser = false;
    bool PrintAnswer = false;  // the answer key at the end
    bool PrintOption = false;  // the score line
    int Tab = 160;             // second tab stop of the sheet, in points
    // Appended to the shown word: written J->E, written E->J, choices J->E, choices E->J.
    std::array<std::string, 4> Question_Type;

    MakeTestSettings();
    // Missing keys (or a "Tab" that is not a number) take their defaults.
    static MakeTestSettings load(const std::string& setupIni);
    // The eleven keys in their order; the switches as "1"/"0".
    FileStatus save(const std::string& setupIni) const;

    // The question text of the sheet's form and direction.
    const std::string& questionText() const;
};

// The six sources of cboPrintType, in its order.
enum class PrintType {
    LastErrors = 0,    // "直前に間違えた問題"
    TodayErrors,       // "今日、間違えた問題"
    YesterdayErrors,   // "昨日、間違えた問題"
    PastAsked,         // "過去に出題した問題"
    PastMissed,        // "過去に間違えた問題"
    WholeDictionary,   // "辞書内のデータ全て"
};
constexpr int kPrintTypeCount = 6;
// The captions of cboPrintType (UTF-8).
extern const std::array<const char*, kPrintTypeCount> kPrintTypeNames;

// The score line is offered for the last drill and the drills of the history only.
bool scoreLineOffered(PrintType type);
// The history entry number (txtPastNum, 1 to 10) is chosen for the history types only.
bool usesHistoryEntry(PrintType type);

// The answer key holds at most this many questions; a larger source is cut.
constexpr std::size_t kMaxSheetQuestions = 10000;

// The figures of a drill for the score line.
struct DrillFigures {
    int questionCount = 0;
    int correctCount = 0;
    int percentage = 0;
};

// What the sheet is made from.
struct SheetRequest {
    PrintType type = PrintType::LastErrors;
    int historyEntry = 1;          // txtPastNum, for PastAsked and PastMissed
    std::string dictionaryPath;    // of the combo's file name in "Dictionary Path"
    std::string userFolder;        // for the daily record file
    DateTexts now;
    const DrillSummary* lastDrill = nullptr;  // the last drill of this run
    const DrillHistory* history = nullptr;    // the drills of this run
};

// The source of the questions. When `failed()` nothing may be built: the dictionary
// could not be read, or a word number of the daily record is not a number.
struct SheetSource {
    std::vector<std::string> lines;       // the question lines, in order
    std::vector<std::string> dictionary;  // every line of the dictionary (for distractors)
    std::size_t count = 0;                // the source's size before any cut
    bool cut = false;                     // more than kMaxSheetQuestions: lines holds the first
    std::size_t skipped = 0;              // word numbers that name no line of the dictionary
    FileStatus status;                    // the dictionary could not be read
    std::string badNumber;                // the word number that is not a number

    bool failed() const { return !status || !badNumber.empty(); }
};

SheetSource readSheetSource(const SheetRequest& request);

// The figures of the score line: the last drill for LastErrors (its percentage of right
// answers among its questions, as it ended), history entry N for the history types, none
// for the others.
std::optional<DrillFigures> sheetScore(const SheetRequest& request);

// The question asked before a whole dictionary is made into a sheet: nullopt below 151
// lines (CP932, captioned "確認").
std::optional<std::string> wholeDictionaryQuestion(std::size_t lineCount);
// The message when a source was cut at kMaxSheetQuestions (CP932).
std::string cutMessage(std::size_t count);

class TestSheet {
public:
    explicit TestSheet(MakeTestSettings settings);

    // "【Qor Helper】", the user name, the date line, the score line (each as the settings
    // ask, the score only when given), the separator and an empty line.
    void addHeading(const std::string& userName, const DateTexts& now,
                    const std::optional<DrillFigures>& score);
    // One question per source line; the random draws are taken as the sheet's rules say
    // (three distractor lines, then the four choices), also for written questions.
    // progress(k) after question k.
    void addQuestions(const std::vector<std::string>& source,
                      const std::vector<std::string>& dictionary, RandomSource& random,
                      const std::function<void(int)>& progress = {});
    // An empty line, the separator and, with PrintAnswer, the key in lines of five.
    void addEnd();

    const std::vector<std::string>& lines() const { return lines_; }
    // The question each line belongs to (1-based), 0 for the lines around the questions
    // and the empty lines between questions; a question's lines are printed on one page.
    const std::vector<int>& questionOfLine() const { return questionOfLine_; }
    // The key of each question: its letter, or the answer text of a written question.
    const std::vector<std::string>& keys() const { return keys_; }

private:
    void add(std::string line, int question = 0);

    MakeTestSettings settings_;
    std::vector<std::string> lines_;
    std::vector<int> questionOfLine_;
    std::vector<std::string> keys_;
};

// The line of 66 "=".
std::string sheetSeparator();
// The key lines: "No." + k + "：" + key, five to a line joined by "、".
std::vector<std::string> answerKeyLines(const std::vector<std::string>& keys);
// The tab stops of the sheet in points: 30 and the second stop.
std::vector<double> sheetTabStops(int tab);

} // namespace qor
