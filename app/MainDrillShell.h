#pragma once
// The window around the drill panel as the drill sees it: the main window's commands,
// status bar and question toolbar, the boxes and verdict windows, sounds and the
// companion channel. The verdict windows get everything they show in their values.

#include "quiz/DrillView.h"

namespace qor {

class TfrmMain;

class MainDrillShell final : public DrillShell {
public:
    explicit MainDrillShell(TfrmMain& main) : main_(main) {}

    void setStatusText(int panel, const std::string& text) override;
    void setCommands(const DrillCommands& commands) override;
    void showDrillSetup(const std::string& dictionaryFileName, int answerType, int direction,
                        int questionCount) override;

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
};

} // namespace qor
