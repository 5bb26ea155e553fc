// The main window's commands: its view toggles, the windows it opens, and the commands
// of its menus and buttons.
#include "app/TfrmMain.h"

#include "app/ProgramInfo.h"
#include "app/ShellOpen.h"
#include "app/MainMenus.h"
#include "app/MainStatusBar.h"
#include "app/MainToolBars.h"
#include "app/ToolbarSetupHost.h"
#include "base/TextFile.h"
#include "quiz/Drill.h"
#include "quiz/DrillPanel.h"
#include "quiz/DrillWindows.h"
#include "quiz/TfrmQuestionSetup.h"
#include "records/TfrmStudyCalendar.h"
#include "settings/DictionaryInUse.h"
#include "sound/CompanionChannel.h"
#include "sound/Pronounce.h"
#include "tools/ToolDialogs.h"
#include "ui/ElidedLabel.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "ui/WindowOpen.h"
#include "words/DictionaryList.h"
#include "words/VocabularyBook.h"
#include "words/DictionaryPicker.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace qor {

// --- view toggles ---

void TfrmMain::cmdStandardToolBarClick() {
    bars_->tbStandardToolBar()->setVisible(menus_->actStandardToolBar()->isChecked());
}

void TfrmMain::cmdFileToolBarClick() {
    bars_->tbFileToolBar()->setVisible(menus_->actFileToolBar()->isChecked());
}

void TfrmMain::cmdQuestionSetupToolBarClick() {
    if (!menus_->actQuestionSetupToolBar()->isChecked()) {
        bars_->tbQuestionSetupToolBar()->hide();
        return;
    }
    bars_->putQuestionBarOnSecondRow();
    bars_->tbQuestionSetupToolBar()->show();
    menus_->actQuestionSetupToolBar()->setChecked(true);
}

void TfrmMain::cmdRightCommandButtonClick() {
    panel_->setCommandButtonsVisible(menus_->actRightCommandButton()->isChecked());
}

void TfrmMain::cmdStatusBarClick() {
    status_->bar()->setVisible(menus_->actStatusBar()->isChecked());
}

void TfrmMain::cmdQuestionNumClick() {
    settings_.look.ShowQuestionNum = menus_->actQuestionNum()->isChecked();
    UpdateDataBar();
}

void TfrmMain::cmdAtariNumClick() {
    settings_.look.ShowAtariNum = menus_->actAtariNum()->isChecked();
    UpdateDataBar();
}

void TfrmMain::cmdHazureNumClick() {
    settings_.look.ShowHazureNum = menus_->actHazureNum()->isChecked();
    UpdateDataBar();
}

void TfrmMain::cmdPercentClick() {
    settings_.look.ShowPercent = menus_->actPercent()->isChecked();
    UpdateDataBar();
}

void TfrmMain::cmdTimeClick() {
    settings_.look.ShowTime = menus_->actTime()->isChecked();
    UpdateDataBar();
}

void TfrmMain::tbStandardToolBarClose() {
    menus_->actStandardToolBar()->setChecked(false);
}

void TfrmMain::tbFileToolBarClose() {
    menus_->actFileToolBar()->setChecked(false);
}

void TfrmMain::tbQuestionSetupToolBarClose() {
    menus_->actQuestionSetupToolBar()->setChecked(false);
}

void TfrmMain::UpdateDataBar() {
    panel_->showDataBars({settings_.look.ShowQuestionNum, settings_.look.ShowAtariNum,
                          settings_.look.ShowHazureNum, settings_.look.ShowPercent,
                          settings_.look.ShowTime});
}

// --- window openers ---

void TfrmMain::openWindow(MainCommand command, const QString& windowName) {
    bool longLived = command == MainCommand::Setup || command == MainCommand::QuestionSetup;
    try {
        if (longLived) {
            createLongLivedDialogs();
            QDialog* dialog = longLivedDialog(command);
            if (!dialog) {
                ui::showWindowFailure(this, windowName);
                return;
            }
            int result = ui::platform().showModal(*dialog);
            openers_.afterClose(command, *this, *dialog, result);
            return;
        }
        std::unique_ptr<QDialog> window = openers_.create(command, *this);
        if (!window) {
            ui::showWindowFailure(this, windowName);
            return;
        }
        int result = ui::platform().showModal(*window);
        openers_.afterClose(command, *this, *window, result);
    } catch (const std::exception&) {
        ui::showWindowFailure(this, windowName);
    }
}

void TfrmMain::cmdSetupClick() {
    openWindow(MainCommand::Setup, QStringLiteral("基本設定"));
}

void TfrmMain::cmdMakeDicClick() {
    // Its failure is told too: a window that cannot open must not fail silently.
    openWindow(MainCommand::MakeDic, QStringLiteral("辞書の作成"));
}

void TfrmMain::cmdMakePronClick() {
    // Its failure is told too: a window that cannot open must not fail silently.
    openWindow(MainCommand::MakePron, QStringLiteral("発音記号の追加"));
}

void TfrmMain::cmdEditDicClick() {
    openWindow(MainCommand::EditDic, QStringLiteral("辞書の編集"));
}

void TfrmMain::cmdImportClick() {
    openWindow(MainCommand::Import, QStringLiteral("インポート"));
}

void TfrmMain::cmdPrintDicClick() {
    openWindow(MainCommand::PrintDic, QStringLiteral("辞書の印刷"));
}

void TfrmMain::cmdMakeTestClick() {
    openWindow(MainCommand::MakeTest, QStringLiteral("簡易テスト用紙作成"));
}

void TfrmMain::cmdShowErrorClick() {
    showErrorReviewWindow(this, settings_, drill().lastDrill());
}

void TfrmMain::cmdShowPercentClick() {
    openWindow(MainCommand::ShowPercent, QStringLiteral("正解率の表示"));
}

void TfrmMain::cmdShowGraphClick() {
    openWindow(MainCommand::ShowGraph, QStringLiteral("グラフの表示"));
}

void TfrmMain::cmdShowErrorNumClick() {
    openWindow(MainCommand::ShowErrorNum, QStringLiteral("不正解の詳細"));
}

void TfrmMain::cmdShowHistroyClick() {
    // Its failure is told too: a window that cannot open must not fail silently.
    openWindow(MainCommand::ShowHistory, QStringLiteral("学習履歴の表示"));
}

void TfrmMain::cmdStudyCalendarClick() {
    // The calendar sums the records of every dictionary; it writes nothing.
    showStudyCalendar(this, UserFiles(settings_), settings_.files, settings_.review);
}

void TfrmMain::cmdFindClick() {
    openWindow(MainCommand::Find, QStringLiteral("単語の検索"));
}

void TfrmMain::cmdNewTextClick() {
    openWindow(MainCommand::NewText, QStringLiteral("テキストファイルの新規作成"));
}

void TfrmMain::cmdEditVocBookClick() {
    openWindow(MainCommand::EditVocBook, QStringLiteral("単語編集"));
}

void TfrmMain::cmdStartClick() {
    // Its failure is told too: a window that cannot open must not fail silently.
    openWindow(MainCommand::QuestionSetup, QStringLiteral("出題設定"));
}

void TfrmMain::cmdVersionClick() {
    if (settings_.sound.VoiceOn) {
        ui::sendCompanionCommand(companion::kVersion);
    }
    // Its failure is told too: a window that cannot open must not fail silently.
    openWindow(MainCommand::About, QStringLiteral("バージョン情報"));
}

// --- other commands ---

void TfrmMain::cmdExitClick() {
    close();
}

void TfrmMain::cmdHelpClick() {
    openDocument(this, settings_.ProgramFolder + kHelpContents);
}

void TfrmMain::cmdHomepageClick() {
    openHomepage(this, settings_.ProgramFolder);
}

void TfrmMain::cmdByMemoClick() {
    std::optional<std::string> name = ui::fromQOrWarn(this, cboDicFile->currentText());
    if (!name) return;
    std::string path = rememberedDictionaryPath(settings_.setupIniPath(), *name);
    openDocument(this, path.empty() ? unrememberedDictionaryInUse(*name) : path);
}

std::string TfrmMain::unrememberedDictionaryInUse(const std::string& fileName) const {
    // The dictionary in use since the start (the default one at first) is known by its
    // path even before it was ever chosen, and so remembered under "Dictionary Path".
    if (!settings_.files.DicInUse.empty() && fileNameOf(settings_.files.DicInUse) == fileName)
        return settings_.files.DicInUse;
    return {};
}

void TfrmMain::cboAnswerTypeChange() {
    // Outside a drill the choice group shows its placeholders, disabled, in a choice
    // form, and is out of the way in the typed form.
    int kind = bars_->cboAnswerType()->currentIndex();
    // Item 1 is the three-choice form, 2 four choices, 3 five.
    panel_->showAnswerChoices(kind > 0 ? choicePlaceholders(kind + 2) : std::vector<std::string>{},
                              false);
}

void TfrmMain::cmdOkClick() {
    std::optional<std::string> fileName = ui::fromQOrWarn(this, cboDicFile->currentText());
    std::optional<std::string> count = ui::fromQOrWarn(this, bars_->txtQuestionNum()->text());
    if (!fileName || !count) return;
    std::string path = rememberedDictionaryPath(settings_.setupIniPath(), *fileName);
    if (path.empty()) {
        path = unrememberedDictionaryInUse(*fileName);
        if (!path.empty())
            if (FileStatus status = rememberDictionaryPath(settings_.setupIniPath(), path); !status)
                ui::showFileError(this, status.path(), status.reason());
    }
    if (path.empty()) {
        // Nothing remembered under that name: the file cannot be opened.
        ui::showFileError(this, *fileName, FileStatus::fromErrno(*fileName, ENOENT).reason());
        return;
    }
    settings_.files.DicInUse = path;
    drill().start(DrillStart{path, bars_->cboQuestionType()->currentIndex(), bars_->cboAnswerType()->currentIndex(),
                             *count, true});
}

void TfrmMain::cmdResultClick() {
    panel_->submitAnswer();
}

void TfrmMain::cmdStopClick() {
    drill().stop();
}

void TfrmMain::cmdPlayVoiceClick() {
    drill().playVoice();
}

void TfrmMain::cmdNextWordClick() {
    panel_->showNextLetter();
}

void TfrmMain::tmrTimerTimer() {
    panel_->timerTick();
}

QuestionSetupHost& TfrmMain::questionSetupHost() {
    return *setupHost_;
}

void TfrmMain::showDictionaryInUse(const std::string& fileName) {
    QSignalBlocker block(cboDicFile);
    cboDicFile->setEditText(ui::toQ(fileName));
    sbPanels_[0]->setText(ui::toQ(dictionaryPanelText(settings_.files.DicInUse, isMaximized())));
    refreshDueCount();
}

void TfrmMain::drillCompleted() {
    if (auto* setup = dynamic_cast<TfrmQuestionSetup*>(longLivedDialog(MainCommand::QuestionSetup)))
        setup->drillCompleted();
    // The drill's answers changed the review file.
    refreshDueCount(true);
}

void TfrmMain::drillStopped() {
    if (auto* setup = dynamic_cast<TfrmQuestionSetup*>(longLivedDialog(MainCommand::QuestionSetup)))
        setup->drillStopped();
    refreshDueCount(true);
}

void TfrmMain::cmdAddVocBookClick() {
    if (!drill().running()) return;
    FileStatus status = appendToVocabularyBook(settings_.files.VocBook, drill().state().entry.lineText);
    if (!status) {
        // A word the learner meant to keep must not be lost without a word; the command
        // stays enabled for another try.
        ui::showFileError(this, status.path(), status.reason());
        return;
    }
    menus_->actAddVocBook()->setEnabled(false);
}

void TfrmMain::cmdDeleteVocBookClick() {
    // To the desktop trash where there is one, so that a slip of the mouse loses nothing.
    const QString book = QString::fromStdString(nativePath(settings_.files.VocBook));
    if (settings_.files.VocBook.empty() || !fileExists(settings_.files.VocBook) ||
        !ui::platform().moveToTrashWithoutAsking(book)) {
        FileStatus status = deleteVocabularyBook(settings_.files.VocBook);
        if (!status) {
            ui::showFileError(this, status.path(), status.reason());
            return;
        }
    }
    menus_->mnuVocBook()->menuAction()->setEnabled(false);
    menus_->actAddVocBook()->setEnabled(false);
    settings_.files.VocBookOn = false;
    settings_.files.VocBook.clear();
}

void TfrmMain::cmdSelectDicFileClick() {
    showDictionaryChange(cboDicFile->selectWithDialog());
}

void TfrmMain::cmdCsvFormatClick() {
    exportDictionaryAsCsv(this, settings_.files.DicInUse, dialogFolder(settings_));
}

void TfrmMain::cboDicFileChange() {
    sbPanels_[0]->setText(cboDicFile->comboTextChanged(cboDicFile->currentText()).statusText);
    refreshDueCount();
}

} // namespace qor
