#pragma once
// The drill's window in the model benchmarks: it shows nothing and never stops the drill;
// a box or a file error ends the run with a message, so that a figure is never taken on
// a run that went wrong.

#include "base/Cp932.h"
#include "quiz/DrillView.h"

#include <cstdio>
#include <cstdlib>

namespace qor::bench {

class NoDrillWindow final : public DrillView {
public:
    void setPrompts(const std::string&, const std::string&) override {}
    void setInputMethod(InputMethod) override {}
    void setQuestionText(const std::string&) override {}
    void setQuestionWarning(bool) override {}
    void setCommentText(const std::string&) override {}
    void setPronunciationText(const std::string&) override {}
    void setAnswerText(const std::string&) override {}
    void setChoices(const std::vector<std::string>&, bool) override {}
    void selectChoice(int) override {}
    void setBar(DataBar, const std::string&, int, int) override {}
    void setStatusText(int, const std::string&) override {}
    void setCommands(const DrillCommands&) override {}
    void showDrillSetup(const std::string&, int, int, int) override {}
    void focusAnswer() override {}
    void startTimer() override {}
    void stopTimer() override {}
    void notice(const std::string& text, const std::string&, int) override {
        std::fprintf(stderr, "unexpected box: %s\n", toUtf8(text).c_str());
        std::abort();
    }
    void fileError(const FileStatus& status) override {
        std::fprintf(stderr, "file error: %s\n", toUtf8(status.message()).c_str());
        std::abort();
    }
    void showAtari(const Verdict&) override {}
    bool showResultError(const Verdict&) override { return false; }
    void showDrillEnd(const DrillSummary&, bool) override {}
    void drillCompleted() override {}
    void drillStopped() override {}
    void playWave(const std::string&) override {}
    void sendCommand(const std::string&) override {}
};

} // namespace qor::bench
