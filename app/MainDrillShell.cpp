#include "app/MainDrillShell.h"

#include "app/TfrmMain.h"
#include "app/MainMenus.h"
#include "app/MainToolBars.h"
#include "base/TextFile.h"
#include "quiz/DrillPanel.h"
#include "quiz/DrillWindows.h"
#include "sound/Pronounce.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "ui/UpDown.h"
#include "words/DictionaryPicker.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace qor {

void MainDrillShell::setStatusText(int panel, const std::string& text) {
    main_.statusPanel(panel)->setText(ui::toQ(text));
}

void MainDrillShell::setCommands(const DrillCommands& c) {
    // Back to idle (after a stop or a drill's end): the focus goes where Enter starts the
    // next drill, not to whatever control the disabled ones handed it to.
    const bool toIdle = c.start && !main_.menus_->actStart()->isEnabled();
    main_.menus_->actStart()->setEnabled(c.start);
    main_.menus_->actResult()->setEnabled(c.result);
    main_.menus_->actStop()->setEnabled(c.stop);
    main_.menus_->actPlayVoice()->setEnabled(c.playVoice);
    main_.menus_->actNextWord()->setEnabled(c.nextWord);
    main_.menus_->actAddVocBook()->setEnabled(c.addVocBook);
    for (QWidget* w : {static_cast<QWidget*>(main_.bars_->cboDicFile()),
                       static_cast<QWidget*>(main_.bars_->cboAnswerType()),
                       static_cast<QWidget*>(main_.bars_->cboQuestionType()),
                       static_cast<QWidget*>(main_.bars_->txtQuestionNum()),
                       static_cast<QWidget*>(main_.bars_->udQuestionNum())})
        w->setEnabled(c.setupControls);
    main_.menus_->actSelectDicFile()->setEnabled(c.setupControls);
    // The tools that change a dictionary or the one in use wait until the drill ends: it
    // reads its lines by index from the file as it was at the start.
    for (QAction* a : {main_.menus_->actMakeDic(), main_.menus_->actEditDic(), main_.menus_->actMakePron(), main_.menus_->actImport()})
        a->setEnabled(c.setupControls);
    main_.menus_->actOk()->setEnabled(c.setupControls);
    if (toIdle)
        main_.drillPanel().focusStart();
}

void MainDrillShell::showDrillSetup(const std::string& dictionaryFileName, int answerType,
                                    int direction, int questionCount) {
    // The toolbar shows the drill in use without reacting to it as to a learner's change.
    QSignalBlocker blockDic(main_.bars_->cboDicFile());
    QSignalBlocker blockAnswer(main_.bars_->cboAnswerType());
    QSignalBlocker blockDirection(main_.bars_->cboQuestionType());
    main_.bars_->cboDicFile()->setEditText(ui::toQ(dictionaryFileName));
    main_.bars_->cboAnswerType()->setCurrentIndex(answerType);
    main_.bars_->cboQuestionType()->setCurrentIndex(direction);
    main_.bars_->txtQuestionNum()->setText(QString::number(questionCount));
}

void MainDrillShell::notice(const std::string& text, const std::string& caption, int kind) {
    ui::platform().showNotice(&main_, ui::toQ(text), ui::toQ(caption), kind);
}

void MainDrillShell::fileError(const FileStatus& status) {
    ui::showFileError(&main_, status.path(), status.reason());
}

void MainDrillShell::showAtari(const Verdict& verdict) {
    showAtariWindow(&main_, verdict, main_.settings());
}

bool MainDrillShell::showResultError(const Verdict& verdict) {
    return showResultErrorWindow(&main_, verdict, main_.settings());
}

void MainDrillShell::showDrillEnd(const DrillSummary& summary, bool errorReview) {
    showDrillEndWindow(&main_, summary, errorReview, main_.settings());
}

void MainDrillShell::drillCompleted() {
    main_.drillCompleted();
}

void MainDrillShell::drillStopped() {
    main_.drillStopped();
}

void MainDrillShell::playWave(const std::string& path) {
    ui::platform().playWave(QString::fromStdString(nativePath(path)));
}

void MainDrillShell::sendCommand(const std::string& command) {
    ui::sendCompanionCommand(command);
}

} // namespace qor
