#pragma once
// What the question setup dialog sets in the main window besides the drill and the
// settings record: the question toolbar's choices and the choice group. The main window
// implements it. Texts are CP932.

#include <string>
#include <vector>

namespace qor {

class QuestionSetupHost {
public:
    virtual ~QuestionSetupHost() = default;

    // cboAnswerType: 0 "タイプ形式", 1 to 3 three to five choices.
    virtual int answerTypeIndex() const = 0;
    virtual void setAnswerTypeIndex(int index) = 0;
    // cboQuestionType: 0 English to Japanese, 1 Japanese to English.
    virtual int questionTypeIndex() const = 0;
    virtual void setQuestionTypeIndex(int index) = 0;
    // txtQuestionNum of the question toolbar, as typed.
    virtual std::string questionCountText() const = 0;
    virtual void setQuestionCountText(const std::string& text) = 0;
    // The items of the choice group rgAnswer: the placeholders "正解 １" ... while a choice
    // form is chosen, none for typed answers.
    virtual void setAnswerChoices(const std::vector<std::string>& texts) = 0;
    // The dictionary in use has changed: TUserSettings::DicInUse holds its path (empty
    // when the name typed is unknown) and cboDicFile is to show this file name. The window
    // sets the text without running its own change handler and refreshes its status line.
    virtual void setDictionaryText(const std::string& fileName) = 0;
};

} // namespace qor
