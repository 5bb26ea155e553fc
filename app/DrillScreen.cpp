#include "app/DrillScreen.h"

#include "app/TfrmMain.h"
#include "base/TextFile.h"
#include "quiz/Drill.h"
#include "quiz/DrillWindows.h"
#include "sound/Pronounce.h"
#include "ui/DataBar.h"
#include "ui/Fonts.h"
#include "ui/Gauge.h"
#include "ui/Platform.h"
#include "ui/RadioGroup.h"
#include "ui/ShownText.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTimer>

namespace qor {

DrillScreen::DrillScreen(TfrmMain& main, QTimer& questionTimer)
    : main_(main), timer_(questionTimer) {}

void DrillScreen::setPrompts(const std::string& question, const std::string& answer) {
    main_.lblQuestion->setText(ui::toQ(question));
    main_.lblAnswer->setText(ui::toQ(answer));
}

void DrillScreen::setInputMethod(InputMethod method) {
    // Best effort, by hints only: English answers and choices ask for Latin input,
    // Japanese answers for none in particular. The field always takes the input method,
    // so no drill can leave the learner unable to type Japanese in a later one.
    QLineEdit* field = main_.txtAnswer;
    field->setAttribute(Qt::WA_InputMethodEnabled, true);
    field->setInputMethodHints(method == InputMethod::Hiragana
                                   ? Qt::ImhNone
                                   : Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
}

void DrillScreen::setQuestionText(const std::string& text) {
    ui::showText(main_.moQuestion, ui::toQ(text));
}

void DrillScreen::setQuestionWarning(bool warning) {
    const TUserSettings& s = main_.settings();
    ui::setTextColor(main_.moQuestion, warning ? s.ColorType : s.FontQuestionColor);
}

void DrillScreen::setCommentText(const std::string& text) {
    ui::showText(main_.moComment, ui::toQ(text));
}

void DrillScreen::setPronunciationText(const std::string& text) {
    ui::showText(main_.moHatsuon, ui::toQ(text));
}

void DrillScreen::setAnswerText(const std::string& text) {
    main_.txtAnswer->setText(ui::toQ(text));
}

std::string DrillScreen::answerText() const {
    // No accepted answer holds a character that Shift-JIS cannot hold: the learner is
    // told which one, and the answer counts as not given.
    return ui::fromQOrWarn(&main_, main_.txtAnswer->text()).value_or(std::string());
}

void DrillScreen::setChoices(const std::vector<std::string>& texts, bool enabled) {
    main_.showAnswerChoices(texts, enabled);
}

int DrillScreen::selectedChoice() const {
    return main_.rgAnswer->itemIndex();
}

void DrillScreen::selectChoice(int index) {
    // The drill chooses and then answers by itself: the choice must not answer too.
    QSignalBlocker quiet(main_.rgAnswer);
    main_.rgAnswer->setItemIndex(index);
}

void DrillScreen::setBar(DataBar bar, const std::string& text, int value, int maximum) {
    ui::DataBar* bars[] = {main_.pnlQuestionNum, main_.pnlAtariNum, main_.pnlHazureNum,
                           main_.pnlPercent, main_.pnlTime};
    ui::DataBar* target = bars[static_cast<int>(bar)];
    target->gauge->setMaximum(maximum);
    target->gauge->setValue(value);
    target->value->setText(ui::toQ(text));
}

void DrillScreen::setStatusText(int panel, const std::string& text) {
    main_.statusPanel(panel)->setText(ui::toQ(text));
}

void DrillScreen::setCommands(const DrillCommands& c) {
    // Back to idle (after a stop or a drill's end): the focus goes where Enter starts the
    // next drill, not to whatever control the disabled ones handed it to.
    const bool toIdle = c.start && !main_.actStart->isEnabled();
    main_.actStart->setEnabled(c.start);
    main_.actResult->setEnabled(c.result);
    main_.actStop->setEnabled(c.stop);
    main_.actPlayVoice->setEnabled(c.playVoice);
    main_.actNextWord->setEnabled(c.nextWord);
    main_.actAddVocBook->setEnabled(c.addVocBook);
    for (QWidget* w : {static_cast<QWidget*>(main_.cboDicFile),
                       static_cast<QWidget*>(main_.cboAnswerType),
                       static_cast<QWidget*>(main_.cboQuestionType),
                       static_cast<QWidget*>(main_.txtQuestionNum),
                       static_cast<QWidget*>(main_.udQuestionNum)})
        w->setEnabled(c.setupControls);
    main_.actSelectDicFile->setEnabled(c.setupControls);
    // The tools that change a dictionary or the one in use wait until the drill ends: it
    // reads its lines by index from the file as it was at the start.
    for (QAction* a : {main_.actMakeDic, main_.actEditDic, main_.actMakePron, main_.actImport})
        a->setEnabled(c.setupControls);
    main_.actOk->setEnabled(c.setupControls);
    if (toIdle)
        main_.focusStart();
}

void DrillScreen::showDrillSetup(const std::string& dictionaryFileName, int answerType,
                                 int direction, int questionCount) {
    // The toolbar shows the drill in use without reacting to it as to a learner's change.
    QSignalBlocker blockDic(main_.cboDicFile);
    QSignalBlocker blockAnswer(main_.cboAnswerType);
    QSignalBlocker blockDirection(main_.cboQuestionType);
    main_.cboDicFile->setEditText(ui::toQ(dictionaryFileName));
    main_.cboAnswerType->setCurrentIndex(answerType);
    main_.cboQuestionType->setCurrentIndex(direction);
    main_.txtQuestionNum->setText(QString::number(questionCount));
}

void DrillScreen::focusAnswer() {
    main_.focusAnswer();
}

void DrillScreen::startTimer() {
    timer_.start();
}

void DrillScreen::stopTimer() {
    timer_.stop();
}

void DrillScreen::notice(const std::string& text, const std::string& caption, int kind) {
    ui::platform().showNotice(&main_, ui::toQ(text), ui::toQ(caption), kind);
}

void DrillScreen::fileError(const FileStatus& status) {
    ui::showFileError(&main_, status.path(), status.reason());
}

void DrillScreen::showAtari(const Verdict& verdict) {
    showAtariWindow(&main_, verdict, main_.settings(), main_.drill().state());
}

bool DrillScreen::showResultError(const Verdict& verdict) {
    return showResultErrorWindow(&main_, verdict, main_.settings(), main_.drill().state());
}

void DrillScreen::showDrillEnd(const DrillSummary& summary, bool errorReview) {
    showDrillEndWindow(&main_, summary, errorReview, main_.settings(), main_.drill().state());
}

void DrillScreen::drillCompleted() {
    main_.drillCompleted();
}

void DrillScreen::drillStopped() {
    main_.drillStopped();
}

void DrillScreen::playWave(const std::string& path) {
    ui::platform().playWave(QString::fromStdString(nativePath(path)));
}

void DrillScreen::sendCommand(const std::string& command) {
    ui::sendCompanionCommand(command);
}

} // namespace qor
