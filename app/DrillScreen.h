#pragma once
// The drill's view of the main window: it fills the main window's controls, opens the
// verdict and end windows, and runs the question timer.

#include "quiz/DrillView.h"

class QTimer;

namespace qor {

class TfrmMain;

class DrillScreen final : public DrillView {
public:
    DrillScreen(TfrmMain& main, QTimer& questionTimer);

    void setPrompts(const std::string& question, const std::string& answer) override;
    void setInputMethod(InputMethod method) override;
    void setQuestionText(const std::string& text) override;
    void setQuestionWarning(bool warning) override;
    void setCommentText(const std::string& text) override;
    void setPronunciationText(const std::string& text) override;
    void setAnswerText(const std::string& text) override;
    std::string answerText() const override;
    void setChoices(const std::vector<std::string>& texts, bool enabled) override;
    int selectedChoice() const override;
    void selectChoice(int index) override;
    void setBar(DataBar bar, const std::string& text, int value, int maximum) override;
    void setStatusText(int panel, const std::string& text) override;
    void setCommands(const DrillCommands& commands) override;
    void showDrillSetup(const std::string& dictionaryFileName, int answerType, int direction,
                        int questionCount) override;
    void focusAnswer() override;
    void startTimer() override;
    void stopTimer() override;

    void notice(const std::string& text, const std::string& caption, int kind) override;
    void fileError(const FileStatus& status) override;
    void showAtari(const Verdict& verdict) override;
    bool showResultError(const Verdict& verdict) override;
    void showDrillEnd(const DrillSummary& summary, bool errorReview) override;
    void drillCompleted() override;
    void drillStopped() override;

    void playWave(const std::string& path) override;
    void sendCommand(const std::string& command) override;

private:
    TfrmMain& main_;
    QTimer& timer_;
};

} // namespace qor
