#include "app/ToolbarSetupHost.h"

#include "app/TfrmMain.h"
#include "app/MainToolBars.h"
#include "quiz/DrillPanel.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace qor {

int ToolbarSetupHost::answerTypeIndex() const {
    return main_.bars_->cboAnswerType()->currentIndex();
}

void ToolbarSetupHost::setAnswerTypeIndex(int index) {
    // The dialog fills the choice group itself; the toolbar only shows the form.
    QSignalBlocker block(main_.bars_->cboAnswerType());
    main_.bars_->cboAnswerType()->setCurrentIndex(index);
}

int ToolbarSetupHost::questionTypeIndex() const {
    return main_.bars_->cboQuestionType()->currentIndex();
}

void ToolbarSetupHost::setQuestionTypeIndex(int index) {
    main_.bars_->cboQuestionType()->setCurrentIndex(index);
}

std::string ToolbarSetupHost::questionCountText() const {
    // The field only ever holds what the learner or the program typed; a character that
    // Shift-JIS cannot hold makes it no count at all.
    return ui::fromQ(main_.bars_->txtQuestionNum()->text()).value_or(std::string());
}

void ToolbarSetupHost::setQuestionCountText(const std::string& text) {
    main_.bars_->txtQuestionNum()->setText(ui::toQ(text));
}

void ToolbarSetupHost::setAnswerChoices(const std::vector<std::string>& texts) {
    // Outside a drill the choices are placeholders, not to be chosen.
    main_.drillPanel().showAnswerChoices(texts, false);
}

void ToolbarSetupHost::setDictionaryText(const std::string& fileName) {
    main_.showDictionaryInUse(fileName);
}

} // namespace qor
