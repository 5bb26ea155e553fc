#pragma once
// The drill: the start procedure, the question sources, the presentation of each
// question, the checking of answers and the control from question to question.
// It works on DrillState and talks to its panel through DrillDisplay and to the window
// around it through DrillShell; the learner's answer comes in as a value.

#include "quiz/DrillFiles.h"
#include "quiz/DrillState.h"
#include "quiz/DrillView.h"
#include "settings/TUserSettings.h"
#include "words/Dictionary.h"

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace qor {

// How a drill is started.
struct DrillStart {
    std::string dictionaryPath;
    int direction = 0;        // index of the direction choice
    int answerType = 0;       // 0 typed, 1 to 3: three to five choices
    std::string questionCountText;
    bool fromToolbar = true;  // the toolbar clears the history modes and sets no hint
};

struct DrillSeed;

class Drill {
public:
    Drill(const TUserSettings& settings, DrillDisplay& display, DrillShell& shell);
    Drill(const TUserSettings& settings, DrillView& view) : Drill(settings, view, view) {}
    ~Drill();

    // Read-only: the windows hand their choices over as values (setPlan, setModes).
    const DrillState& state() const { return *state_; }

    // The question source and its options for the next starts. The setup dialog works on
    // its own copy and hands it back when it closes.
    const DrillModes& modes() const { return state_->modes; }
    DrillPlan plan() const { return DrillPlan{state_->modes, state_->customLines}; }
    void setPlan(DrillPlan plan);
    // The modes alone; the custom lines stay.
    void setModes(const DrillModes& modes) { state_->modes = modes; }

    // The drills of this run and the recent slot of Temp.dat read at the last start, for
    // the record and test sheet windows.
    const DrillHistory& history() const { return state_->history; }
    int recentSlot() const { return state_->recentSlot; }

    // The start procedure. False when the drill did not start (the learner was told why).
    bool start(const DrillStart& how);

    // Shows the next question of the active source (or the same word again).
    void NextQuestion();
    // Judges the learner's answer (normal question / a word asked again).
    void ResultCheck(const LearnerAnswer& answer);
    void RepeatResultCheck(const LearnerAnswer& answer);
    // Memorize-only: shows the answer and goes on.
    void OnlyMemorizeNext();

    // The commands of a running drill.
    void submit(const LearnerAnswer& answer);  // "結果"
    void stop();                               // "止める"
    // One second of the question timer; true when the time is up and the answer on
    // screen is to be submitted.
    bool timerTick();
    // "次の文字を表示", with the text typed so far.
    void HintShow(const std::string& typed);
    void playVoice();  // "再生"
    // A digit key in choice mode; true when it selected a choice.
    bool choiceKey(int digit);
    // A click on item `index` of the choice group.
    void choiceClicked(int index);
    // Enter in a memorize-only drill without choices; true when it ran the memorize step.
    bool memorizeKey();

    // Back to idle with empty boxes (the main window's first showing).
    void reset();

    bool running() const { return state_->phase != DrillPhase::Idle; }
    // Whether a submit now judges a typed text (not a choice, not a memorize step), and
    // whether the next-letter hint applies: the window reads the field only then.
    bool judgesTypedAnswer() const;
    bool showsHints() const;
    // The percentage of the drill so far.
    int drillPercentage() const;
    // The last drill of this run as the end and error review windows show it: its
    // figures and misses (those so far after a stop).
    DrillSummary lastDrill() const;

private:
    // Benchmarks fill a run's history without running its drills.
    friend struct DrillSeed;

    struct PoolLine {
        std::string text;
        int index = -1;
    };

    std::optional<PoolLine> firstLine();
    PoolLine nextLine();
    // The dictionary as read for the question being prepared (read on first need).
    const DictionaryRead& questionDictionary();
    std::string dictionaryLine(int index);
    int indexOfLine(const std::string& text);
    void advancePositions();

    void takeEntry(const PoolLine& line);
    void presentEntry(bool setFormHint);
    void buildChoices();
    void showTypingHint();
    void showPronunciation();
    void speakWord(bool automatic);
    std::string voiceWord() const;
    void applyQuestionColour();
    void startQuestionTimer();

    bool answerIsRight(const std::string& answer);
    bool customLinesBelongTo(const DictionaryRead& dictionary) const;
    std::string answerOf(const LearnerAnswer& answer) const;
    Verdict verdict(const std::string& answer) const;
    void countRight();
    void recordMiss();
    // Sends a command to the companion when the voice is on.
    void tellCompanion(std::string_view command);
    void soundVerdict(bool right);
    void showFigures();
    void finishDrill();
    void backToIdle();
    void endMemorizeDrill();
    void clearBoxes();
    void resetBars();
    std::vector<std::string> placeholders() const;
    // The daily review: each final verdict is a graded review of the word.
    void questionShown();
    void recordReview(bool right, bool accepted, bool retry, const std::string& answer);
    // The daily review's words at the start; false (the learner told) when the review
    // file cannot be read.
    bool chooseReviewLines(const DictionaryRead& dictionary, int questionCount);
    void reportAll(const std::vector<FileStatus>& statuses);
    void reportOnce(const FileStatus& status);

    const TUserSettings& settings_;
    DrillDisplay& display_;
    DrillShell& shell_;
    std::unique_ptr<DrillState> state_;
    std::unique_ptr<DrillFiles> files_;
    std::optional<DictionaryRead> questionRead_;
    AnswerRecord figures_;
    std::string pronunciation_;  // what the pronunciation box holds
    int drillPercent_ = 0;       // the percentage gauge
    bool answerFileReported_ = false;
    std::set<std::string> reportedFiles_;  // files whose failure this drill has told
    // What the grade of the answer on screen depends on besides its verdict.
    long long questionShownAt_ = 0;  // programClock().milliseconds()
    bool hintUsed_ = false;          // "次の文字を表示" for this question
    bool timedOut_ = false;          // the time limit ran out
};

// The choice group's placeholder texts "正解 １" ... for n choices.
std::vector<std::string> choicePlaceholders(int n);

} // namespace qor
