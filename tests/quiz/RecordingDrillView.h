#pragma once
// A DrillView that records what the drill shows and answers the learner's part from a
// script: the typed answer or chosen item, and what the verdict windows return.

#include "quiz/DrillView.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qor::test {

class RecordingDrillView : public DrillView {
public:
    struct Box {
        std::string text;
        std::string caption;
        int kind;
    };

    // Screen state as the window would show it.
    std::string questionPrompt, answerPrompt;
    InputMethod inputMethod = InputMethod::Off;
    std::string question, comment, pronunciation, answer;
    bool warning = false;
    std::vector<std::string> choices;
    bool choicesEnabled = false;
    int selected = -1;
    std::map<DataBar, std::string> barText;
    std::map<DataBar, int> barValue, barMaximum;
    std::map<int, std::string> status;
    DrillCommands commands;
    std::string setupDictionary;
    int setupAnswerType = -1, setupDirection = -1, setupCount = -1;
    bool timerRunning = false;
    int focusCount = 0;

    // What happened.
    std::vector<Box> boxes;
    std::vector<FileStatus> fileErrors;
    std::vector<Verdict> atari, resultErrors;
    std::vector<DrillSummary> ends;
    std::vector<bool> endWasReview;
    std::vector<std::string> waves, commandsSent;
    std::vector<std::string> questionsShown;  // every non-empty question text, in order
    int completed = 0, stopped = 0;

    // The learner's part: answers of the error dialog (true = accepted), default false.
    std::deque<bool> acceptAnswers;
    // Called when a verdict window or box is shown (to act as the learner would).
    std::function<void()> onVerdict;

    void setPrompts(const std::string& q, const std::string& a) override {
        questionPrompt = q;
        answerPrompt = a;
    }
    void setInputMethod(InputMethod m) override { inputMethod = m; }
    void setQuestionText(const std::string& t) override {
        question = t;
        if (!t.empty())
            questionsShown.push_back(t);
    }
    void setQuestionWarning(bool w) override { warning = w; }
    void setCommentText(const std::string& t) override { comment = t; }
    void setPronunciationText(const std::string& t) override { pronunciation = t; }
    void setAnswerText(const std::string& t) override { answer = t; }
    void setChoices(const std::vector<std::string>& t, bool enabled) override {
        choices = t;
        choicesEnabled = enabled;
    }
    void selectChoice(int i) override { selected = i; }
    // What the window hands the drill when the learner submits.
    LearnerAnswer onScreen() const { return LearnerAnswer{answer, selected}; }
    void setBar(DataBar bar, const std::string& text, int value, int maximum) override {
        barText[bar] = text;
        barValue[bar] = value;
        barMaximum[bar] = maximum;
    }
    void setStatusText(int panel, const std::string& text) override { status[panel] = text; }
    void setCommands(const DrillCommands& c) override { commands = c; }
    void showDrillSetup(const std::string& dic, int answerType, int direction, int count) override {
        setupDictionary = dic;
        setupAnswerType = answerType;
        setupDirection = direction;
        setupCount = count;
    }
    void focusAnswer() override { ++focusCount; }
    void startTimer() override { timerRunning = true; }
    void stopTimer() override { timerRunning = false; }
    void notice(const std::string& text, const std::string& caption, int kind) override {
        boxes.push_back({text, caption, kind});
        if (onVerdict)
            onVerdict();
    }
    void fileError(const FileStatus& s) override { fileErrors.push_back(s); }
    void showAtari(const Verdict& v) override {
        atari.push_back(v);
        if (onVerdict)
            onVerdict();
    }
    bool showResultError(const Verdict& v) override {
        resultErrors.push_back(v);
        if (onVerdict)
            onVerdict();
        if (acceptAnswers.empty())
            return false;
        bool a = acceptAnswers.front();
        acceptAnswers.pop_front();
        return a;
    }
    void showDrillEnd(const DrillSummary& s, bool review) override {
        ends.push_back(s);
        endWasReview.push_back(review);
    }
    void drillCompleted() override { ++completed; }
    void drillStopped() override { ++stopped; }
    void playWave(const std::string& path) override { waves.push_back(path); }
    void sendCommand(const std::string& c) override { commandsSent.push_back(c); }
};

} // namespace qor::test
