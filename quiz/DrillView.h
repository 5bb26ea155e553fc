#pragma once
// What the drill needs of the window it runs in, in two halves: the drill panel it fills
// (DrillDisplay) and the window around it (DrillShell: commands, status bar, the boxes
// and windows that stop for the learner, sounds, the companion channel). The drill hands
// them values and takes the learner's answer as a value; it never reads a control.
// Tests use one recording double for both. All texts are CP932.

#include "base/FileStatus.h"

#include <string>
#include <vector>

namespace qor {

enum class DataBar { QuestionNum, AtariNum, HazureNum, Percent, Time };
enum class InputMethod { Off, Hiragana, English };

// Which commands of the drill can be used.
struct DrillCommands {
    bool start = true;
    bool result = false;
    bool stop = false;
    bool playVoice = false;
    bool nextWord = false;
    bool addVocBook = false;
    bool setupControls = true;  // dictionary, direction, answer form, question count, OK
};

// What the verdict windows show of the word just judged.
struct Verdict {
    std::string lineText;
    std::string answerSide;
    std::string comment;
    std::string shown;
    std::string typedAnswer;
    std::string pronunciation;  // first line of the pronunciation box
    int wordAsked = 0;
    std::string wordPercentage;
    bool canAccept = true;  // a typed answer can be declared right
    std::string dictionaryName;  // the drill's dictionary, for the importance buttons
};

// A drill's figures and misses, for the end and error review windows.
struct DrillSummary {
    DrillSummary() = default;
    DrillSummary(int questions, int correct, int wrong, int percent)
        : questionCount(questions), correctCount(correct), wrongCount(wrong), percentage(percent) {}

    int questionCount = 0;
    int correctCount = 0;
    int wrongCount = 0;
    int percentage = 0;
    std::vector<std::string> missedLines;  // the first wrongCount missed lines
    int direction = 0;
    std::string dictionaryName;
};

// The learner's answer as the window holds it when it is judged: the typed text
// (CP932) and the chosen item of the choice group (-1 when none). The drill takes the
// part its answer form asks for.
struct LearnerAnswer {
    std::string typed;
    int choice = -1;
};

// The drill's own panel: the question, comment, pronunciation, choice and answer boxes,
// the data bars, the focus and the question timer.
class DrillDisplay {
public:
    virtual ~DrillDisplay() = default;

    virtual void setPrompts(const std::string& question, const std::string& answer) = 0;
    virtual void setInputMethod(InputMethod method) = 0;
    virtual void setQuestionText(const std::string& text) = 0;
    virtual void setQuestionWarning(bool warning) = 0;
    virtual void setCommentText(const std::string& text) = 0;
    virtual void setPronunciationText(const std::string& text) = 0;
    virtual void setAnswerText(const std::string& text) = 0;
    // The choice group: its item texts, whether it can be used, and the selected item.
    virtual void setChoices(const std::vector<std::string>& texts, bool enabled) = 0;
    virtual void selectChoice(int index) = 0;
    virtual void setBar(DataBar bar, const std::string& text, int value, int maximum) = 0;
    virtual void focusAnswer() = 0;
    virtual void startTimer() = 0;
    virtual void stopTimer() = 0;
};

// The window around the panel: the status bar, the commands, the question toolbar, the
// boxes and windows that stop for the learner, sounds and the companion channel.
class DrillShell {
public:
    virtual ~DrillShell() = default;

    virtual void setStatusText(int panel, const std::string& text) = 0;
    virtual void setCommands(const DrillCommands& commands) = 0;
    // The toolbar shows the drill in use.
    virtual void showDrillSetup(const std::string& dictionaryFileName, int answerType,
                                int direction, int questionCount) = 0;

    virtual void notice(const std::string& text, const std::string& caption, int kind) = 0;
    virtual void fileError(const FileStatus& status) = 0;
    // The feedback window for a right answer.
    virtual void showAtari(const Verdict& verdict) = 0;
    // The error dialog for a wrong typed answer; true when the learner accepted the answer.
    virtual bool showResultError(const Verdict& verdict) = 0;
    // The end of a drill: the error review window or the end window.
    virtual void showDrillEnd(const DrillSummary& summary, bool errorReview) = 0;
    // A drill has been completed (the history options can be offered) or stopped.
    virtual void drillCompleted() = 0;
    virtual void drillStopped() = 0;

    virtual void playWave(const std::string& path) = 0;
    virtual void sendCommand(const std::string& command) = 0;
};

// Both halves in one object (the tests' recording double, the benchmark's stand-in).
class DrillView : public DrillDisplay, public DrillShell {};

} // namespace qor
