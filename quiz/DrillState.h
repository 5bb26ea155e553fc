#pragma once
// What the main window knows about the drill: the current word, the counters, the asked
// and missed lists, the in-memory history of this run, and the question-source modes.

#include "words/WordEntry.h"

#include <array>
#include <string>
#include <vector>

namespace qor {

constexpr int kListSlots = 1010;    // asked and missed lines per drill
constexpr int kHistorySlots = 11;   // drill records kept for this run
constexpr int kMaxQuestions = 1000;

using LineList = std::array<std::string, kListSlots>;

// The word being asked.
struct CurrentEntry {
    int lineIndex = -1;  // -1 when the source knows the word only by its text
    std::string lineText;
    std::string english;
    std::string japanese;
    std::string comment;
    std::string questionSide;
    std::string answerSide;
    std::vector<std::string> questionAlternatives;
    std::vector<std::string> answerAlternatives;
    std::string shown;  // the question alternative on screen

    // English part + "_" + Japanese part, whatever the direction.
    std::string wordKey() const { return qor::wordKey(english, japanese); }
};

// One finished drill. The lines of a drill are written into the slot that is current
// while it runs; its totals go into the next slot when it ends.
struct DrillRecord {
    LineList asked;
    LineList missed;
    std::string dictionaryPath;
    int questionCount = 0;
    int correctCount = 0;
    int wrongCount = 0;
    int percentage = 0;
    std::string startTime;
    std::string endTime;
};

struct DrillHistory {
    std::array<DrillRecord, kHistorySlots> drills;
    int current = 0;

    DrillRecord& lines() { return drills[static_cast<std::size_t>(current)]; }
    // Advances to the next slot (11 wraps to 0) and returns it, for the totals.
    DrillRecord& advance();
    // The totals of the drill N drills back live in slot N, its lines in slot N - 1.
    const DrillRecord& slot(int n) const { return drills[static_cast<std::size_t>(n % kHistorySlots)]; }
};

// The question-source flags; exactly one source is active, the first that is set in the
// order of QuestionSource.
struct DrillModes {
    // The five history modes, cleared by a toolbar start.
    bool sameQuestions = false;
    bool lastErrors = false;
    bool earlierDrill = false;
    bool earlierErrors = false;
    bool yesterday = false;
    bool dailyReview = false;  // "今日の復習": the due words, then new ones (kept by a toolbar start)
    int historySlot = 0;  // lines slot of the earlier drill

    bool notSameQuestion = false;
    bool notRandom = false;
    bool notRandomContinue = false;
    bool custom = false;
    bool importance = false;
    std::array<bool, 5> levels{};  // importance levels 1 to 5 chosen
    bool importanceFollowOn = false;

    bool memorizeOnly = false;
    int memorizeSeconds = 5;

    void clearHistoryModes();
};

// What the question setup dialog hands to the drill: the question source with its options
// and the lines of a custom list, for the starts that follow.
struct DrillPlan {
    DrillModes modes;
    std::vector<std::string> customLines;
};

enum class QuestionSource {
    SameQuestions,
    LastErrors,
    EarlierDrill,
    EarlierErrors,
    Yesterday,
    DailyReview,
    NotSameQuestion,
    NotRandom,
    Custom,
    Importance,
    Random,
};

QuestionSource activeSource(const DrillModes& modes);

enum class DrillPhase { Idle, Asking, MemorizeAsking };

struct DrillState {
    // Dictionary of the drill.
    std::string dictionaryPath;
    std::string dictionaryFileName;
    std::string dictionaryName;
    std::string answerFilePath;
    int wordCount = 0;

    int direction = 0;       // 0 English to Japanese, 1 Japanese to English
    bool choiceMode = false;
    int choiceKind = 0;      // 0, 1, 2: three, four, five choices
    int questionCount = 0;
    int askedCount = 0;
    int correctCount = 0;
    int wrongCount = 0;
    bool repeat = false;     // the last answer was wrong and is asked again
    bool accepted = false;   // the error dialog declared the typed answer right
    DrillPhase phase = DrillPhase::Idle;

    CurrentEntry entry;
    LineList asked;
    LineList missed;
    DrillHistory history;
    bool historyOptionsEnabled = false;  // a drill of this run has been completed

    std::string startTime;
    std::string endTime;

    DrillModes modes;
    int plainPosition = 0;
    int continuePosition = 0;
    // The drawn importance lines, as many as the drill has questions (or all when fewer).
    std::vector<std::string> importanceList;
    int importancePosition = 0;
    // Line numbers (or custom lines) in the order of their draws, as many as the drill has
    // questions (or all when fewer).
    std::vector<std::string> shuffled;
    std::vector<std::string> yesterdayList;
    // The daily review's lines, most overdue first, then new words: as many as the drill asks.
    std::vector<int> reviewLines;
    std::vector<std::string> customLines;
    int customIndex = -1;  // the custom line asked last
    int recentSlot = 0;    // "Count" of Temp.dat read at the start

    std::vector<std::string> hiddenChoices;
    std::vector<std::string> choiceTexts;  // the texts of the choice group

    int remainingSeconds = 0;
    int remainingMemorizeSeconds = 0;
    int hintCount = 0;
    int hintLength = 0;

    int choiceCount() const { return choiceKind + 3; }
};

} // namespace qor
