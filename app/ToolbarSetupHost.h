#pragma once
// What the question setup dialog sets in the main window: the question toolbar's
// choices, the choice group and the dictionary shown.

#include "quiz/QuestionSetupHost.h"

namespace qor {

class TfrmMain;

class ToolbarSetupHost final : public QuestionSetupHost {
public:
    explicit ToolbarSetupHost(TfrmMain& main) : main_(main) {}

    int answerTypeIndex() const override;
    void setAnswerTypeIndex(int index) override;
    int questionTypeIndex() const override;
    void setQuestionTypeIndex(int index) override;
    std::string questionCountText() const override;
    void setQuestionCountText(const std::string& text) override;
    void setAnswerChoices(const std::vector<std::string>& texts) override;
    void setDictionaryText(const std::string& fileName) override;

private:
    TfrmMain& main_;
};

} // namespace qor
