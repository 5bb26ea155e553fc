#pragma once
// The rules of the question setup dialog that do not need the screen: the range of the
// question count, the earlier drills of this run, yesterday's misses, the check of the
// count at OK and the stored question order.

#include "base/Clock.h"
#include "base/FileStatus.h"
#include "quiz/DrillState.h"
#include "settings/SettingsStore.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// "出題数の設定範囲 ： 1～" + maximum + "問"
std::string questionRangeLabel(int maximum);

// An earlier drill of this run as the drill number (1 to 10) chooses it: its totals lie
// in history slot N, its lines in slot N - 1.
struct EarlierDrillPlan {
    bool recorded = false;        // slot N holds a completed drill
    std::string heading;          // "★出題予定★" or "▼記録データなし▼"
    int questionCount = 0;        // its question count, or its wrong count for its errors
    int historySlot = 0;          // where its lines lie: N - 1
    std::string dictionaryPath;   // empty when nothing is recorded
    std::string hint;             // the heading, then one line per English part to be asked
};

// errorsOnly: the drill's missed lines instead of its asked lines.
EarlierDrillPlan earlierDrillPlan(const DrillHistory& history, int number, bool errorsOnly);

// "YesterdayNum" of the dictionary's daily record file of the current month.
int yesterdayMissCount(const std::string& userFolder, const std::string& dictionaryName,
                       const DateTexts& now);

// What the yesterday option does with the question count.
struct YesterdayLimit {
    bool available = false;      // false: nothing was missed; the option is refused
    int maximum = kMaxQuestions;
    std::optional<int> count;    // the new count; nullopt leaves the field as it is
};
YesterdayLimit yesterdayLimit(int yesterdayCount);

// The question count typed, checked against the range shown before a drill starts.
enum class CountProblem {
    None,
    Unset,       // "0" or nothing: "出題数が未設定です"
    NotNumber,   // anything but decimal digits
    OutOfRange,  // below 1 or above the maximum shown
};
CountProblem checkQuestionCount(std::string_view text, int maximum);
// The message for a problem (CP932); empty for None.
std::string countProblemMessage(CountProblem problem, int maximum);

// The three keys of section "QuestionSetup" of Setup.ini: "NotSameQuestion",
// "NotRandom" and "NotRandomContinue", "1" or "0".
FileStatus storeQuestionOrder(const std::string& setupIni, const DrillModes& modes);
// The same keys as loaded at start-up, put into the drill's flags.
void applyQuestionOrder(DrillModes& modes, const QuestionSetupKeys& keys);

// The answer form index of cboAnswerType (0 typed, 1 to 3 choices) for a choice kind
// (-1 none, 0 to 2 three to five choices).
int answerTypeOfChoiceKind(int choiceKind);

} // namespace qor
