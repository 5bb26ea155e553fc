#pragma once
// What the drill needs of the window it runs in: the controls it fills, the boxes and
// windows that stop for the learner, the timer, sounds and the companion channel.
// The main window implements it; tests use a recording double. All texts are CP932.

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
};

struct DrillSummary {
    int questionCount = 0;
    int correctCount = 0;
    int wrongCount = 0;
    int percentage = 0;
};

class DrillView {
public:
    virtual ~DrillView() = default;

    // --- the main window's controls ---
    virtual void setPrompts(const std::string& question, const std::string& answer) = 0;
    virtual void setInputMethod(InputMethod method) = 0;
    virtual void setQuestionText(const std::string& text) = 0;
    virtual void setQuestionWarning(bool warning) = 0;
    virtual void setCommentText(const std::string& text) = 0;
    virtual void setPronunciationText(const std::string& text) = 0;
    virtual void setAnswerText(const std::string& text) = 0;
    virtual std::string answerText() const = 0;
    // The choice group: its item texts, whether it can be used, and the selected item.
    virtual void setChoices(const std::vector<std::string>& texts, bool enabled) = 0;
    virtual int selectedChoice() const = 0;  // -1 when none
    virtual void selectChoice(int index) = 0;
    virtual void setBar(DataBar bar, const std::string& text, int value, int maximum) = 0;
    virtual void setStatusText(int panel, const std::string& text) = 0;
    virtual void setCommands(const DrillCommands& commands) = 0;
    // The toolbar shows the drill in use.
    virtual void showDrillSetup(const std::string& dictionaryFileName, int answerType,
                                int direction, int questionCount) = 0;
    virtual void focusAnswer() = 0;
    virtual void startTimer() = 0;
    virtual void stopTimer() = 0;

    // --- boxes and windows ---
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

    // --- sound and companion ---
    virtual void playWave(const std::string& path) = 0;
    virtual void sendCommand(const std::string& command) = 0;
};

} // namespace qor
