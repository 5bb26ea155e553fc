#include "app/TfrmMain.h"

#include "app/KeyPreview.h"
#include "app/MainCompanion.h"
#include "app/MainDrillShell.h"
#include "app/MainDueCount.h"
#include "app/MainMenus.h"
#include "app/MainSchedule.h"
#include "app/MainSettingsView.h"
#include "app/MainStatusBar.h"
#include "app/MainToolBars.h"
#include "app/MainWindowState.h"
#include "app/TfrmTitle.h"
#include "app/ToolbarIcons.h"
#include "app/ToolbarSetupHost.h"
#include "base/BoxList.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "quiz/Drill.h"
#include "quiz/DrillPanel.h"
#include "quiz/QuestionSetupRules.h"
#include "quiz/TfrmQuestionSetup.h"
#include "services/Companion.h"
#include "services/LeftCompanion.h"
#include "settings/DictionaryInUse.h"
#include "settings/UserSelection.h"
#include "sound/BackgroundMusic.h"
#include "ui/FileDrops.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "words/DictionaryList.h"
#include "words/DictionaryPicker.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <algorithm>

namespace qor {

TfrmMain::TfrmMain(std::string programFolder, QWidget* parent) : QMainWindow(parent) {
    splash_ = std::make_unique<TfrmTitle>();
    splash_->showNow();

    settings_.ProgramFolder = std::move(programFolder);
    settingsNotifier_ = new SettingsNotifier(this);
    music_ = std::make_unique<BackgroundMusic>(settings_.music);
    setWindowTitle(QStringLiteral("Qor Helper"));
    setWindowIcon(toolIcon(ToolIcon::Program));
    menus_ = std::make_unique<MainMenus>(*this);
    bars_ = std::make_unique<MainToolBars>(*this, *menus_, dictionaries_);
    drillShell_ = std::make_unique<MainDrillShell>(*this);
    buildCentral();
    status_ = std::make_unique<MainStatusBar>(*this, menus_->pmToolBar());
    view_ = std::make_unique<MainSettingsView>(*this);
    cboDicFile = bars_->cboDicFile();
    for (int i = 0; i < 4; ++i)
        sbPanels_[i] = status_->panel(i);
    dueCount_ = std::make_unique<MainDueCount>(*status_->duePanel());
    resize(604, 441);

    tmrDate = new QTimer(this);
    tmrDate->setObjectName(QStringLiteral("tmrDate"));
    tmrDate->setInterval(1000);
    connect(tmrDate, &QTimer::timeout, this, &TfrmMain::tmrDateTimer);
    schedule_ =
        std::make_unique<MainSchedule>(*this, settings_.schedule, currentUserFiles(settings_),
                                       *tmrDate, *sbPanels_[3], [this] { return closing_; });
    setupHost_ = std::make_unique<ToolbarSetupHost>(*this);

    connect(cboDicFile, &QComboBox::textActivated, this, &TfrmMain::cboDicFileChange);
    connect(cboDicFile->lineEdit(), &QLineEdit::textEdited, this, &TfrmMain::cboDicFileChange);
    connect(bars_->cboAnswerType(), &QComboBox::currentIndexChanged, this, &TfrmMain::cboAnswerTypeChange);

    registerMainWindows(openers_);
    // The data folder is fixed for the run; the sound group is read as it changes.
    companion_ = std::make_unique<MainCompanion>(*this, settings_.sound, settings_.ProgramFolder);
    companion_->followSettings(*settingsNotifier_);
    FormCreate();
    resetDrill();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildCentral() {
    DrillPanel::Links links;
    links.start = menus_->actStart();
    links.result = menus_->actResult();
    links.stop = menus_->actStop();
    links.find = menus_->actFind();
    links.playVoice = menus_->actPlayVoice();
    links.nextWord = menus_->actNextWord();
    links.addVocBook = menus_->actAddVocBook();
    links.panelMenu = menus_->pmMain();
    links.dataBarMenu = menus_->pmToolBar();
    panel_ = new DrillPanel(settings_, *drillShell_, links, this);
    panel_->followSettings(*settingsNotifier_);
    setCentralWidget(panel_);
    // The window sees the keys of its drill controls before they do, whichever has the
    // focus: Enter and the choice digits work also after a click in the question or
    // comment box or a pop-up menu.
    new KeyPreview(this, [this](QWidget* control, QKeyEvent* key) {
        return panel_->previewKey(control, key);
    });
    // The wrong-answers bar is off until the learner turns it on.
    menus_->actHazureNum()->setChecked(false);
}

QMenu* TfrmMain::createPopupMenu() {
    // The dock's own pop-up: the same toggles as the view menu. The caller deletes it.
    return menus_->createViewMenu(this);
}

Drill& TfrmMain::drill() {
    return panel_->drill();
}

void TfrmMain::FormCreate() {
    ui::acceptFileDrops(this, [this](const QList<QUrl>& urls) { FormDropFiles(urls); });
}

void TfrmMain::createLongLivedDialogs() {
    for (MainCommand c : {MainCommand::QuestionSetup, MainCommand::Setup}) {
        if (longLived_.count(c)) continue;
        try {
            if (auto dialog = openers_.create(c, *this)) longLived_[c] = std::move(dialog);
        } catch (const std::exception&) {
            // Reported when the command that shows it is used.
        }
    }
}

QDialog* TfrmMain::longLivedDialog(MainCommand command) const {
    auto it = longLived_.find(command);
    return it == longLived_.end() ? nullptr : it->second.get();
}

void TfrmMain::releaseSplash() {
    splash_.reset();
}

QLabel* TfrmMain::statusPanel(int index) const {
    return sbPanels_[index];
}

QString TfrmMain::statusPanelText(int index) const {
    return sbPanels_[index]->text();
}

QLabel* TfrmMain::duePanel() const {
    return status_->duePanel();
}

void TfrmMain::refreshDueCount(bool force) {
    if (started_)
        dueCount_->refresh(UserFiles(settings_), settings_.files, settings_.review, force);
}

bool TfrmMain::event(QEvent* event) {
    // A status tip would become a status bar message, which hides the four panels while
    // it shows; the hints are tooltips, and the panels stay in view.
    if (event->type() == QEvent::StatusTip)
        return true;
    const bool result = QMainWindow::event(event);
    // Another style or font gives the toolbars another width.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        bars_->fitRows();
    return result;
}

// --- first showing ---

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (showScheduled_) return;
    showScheduled_ = true;
    // Run once the window is on screen, as the first showing does.
    QTimer::singleShot(0, this, &TfrmMain::FormShow);
}

void TfrmMain::FormShow() {
    if (formShown_) return;
    // The first boxes (the first-run message, the user choice) appear over the window:
    // wait until the window system has placed and shown it, for a second at most.
    if (windowHandle() && !windowHandle()->isExposed() && exposeWaits_ < 50) {
        ++exposeWaits_;
        QTimer::singleShot(20, this, &TfrmMain::FormShow);
        return;
    }
    formShown_ = true;

    seedRandomFromClock();
    UserRegistry registry(settings_.ProgramFolder);
    if (!selectUserAtStartup(this, registry, settings_)) {
        emit startAborted();
        return;
    }
    started_ = true;
    // A companion that a killed run of the program left on screen goes, whatever the
    // voice settings of this run.
    ui::closeLeftCompanion();

    std::vector<BadSetting> bad;
    view_->placeWindow(bad);
    loadSettings(bad);
    companion_->writeSettings();
    refreshDateTexts();
    rollRecordsOver();
    view_->applyLook();
    view_->applyDataBars();
    view_->applyToolBars(bad);
    view_->applyFlatButtons();
    // Values that were not numbers took their defaults; say so once, in one box.
    view_->reportBadSettings(bad);
    restoreDictionary();
    refreshDueCount(true);
    menus_->mnuVocBook()->menuAction()->setEnabled(settings_.files.VocBookOn);
    resetDrill();
    companion_->start();
    if (settings_.schedule.ShowPlanOn) schedule_->check();
    tmrDate->start();
    refreshTitleBar();
    bars_->fitRows();
    panel_->focusStart();
}

void TfrmMain::loadSettings(std::vector<BadSetting>& bad) {
    LoadedSettings loaded = SettingsStore::load(settings_);
    bad.insert(bad.end(), loaded.badValues.begin(), loaded.badValues.end());
    questionSetup_ = loaded.questionSetup;

    // An index outside the list would leave the box empty; the first item stands in.
    auto index = [](QComboBox* box, int i) { return i >= 0 && i < box->count() ? i : 0; };
    bars_->cboAnswerType()->setCurrentIndex(index(bars_->cboAnswerType(), questionSetup_.AnswerType));
    bars_->cboQuestionType()->setCurrentIndex(index(bars_->cboQuestionType(), questionSetup_.QuestionType));
    bars_->txtQuestionNum()->setText(ui::toQ(questionSetup_.QuestionNum));
    DrillModes modes = drill().modes();
    applyQuestionOrder(modes, questionSetup_);
    drill().setModes(modes);
}

void TfrmMain::rollRecordsOver() {
    RecordStatus status = DailyRecord::rollOverAtStartup(settings_.userFolder(), dateTexts_);
    const std::vector<FileStatus>& failures = status.failures();
    if (failures.size() == 1) ui::showFileError(this, failures[0].path(), failures[0].reason());
    if (failures.size() < 2) return;
    // A folder that cannot be written fails the records of every listed dictionary alike:
    // one box names them.
    std::vector<std::string> files;
    for (const FileStatus& failure : failures)
        files.push_back(failure.path() + " (" + toCp932(failure.reason()).value_or("") + ")");
    ui::platform().showNotice(this,
                              QStringLiteral("記録ファイルを書き込めませんでした。\n\n") +
                                  ui::toQ(boxList(files)),
                              QStringLiteral("エラー"), ui::kNoticeWarning);
}

void TfrmMain::restoreDictionary() {
    settings_.files.DicInUse = settings_.files.DefDicPath;
    sbPanels_[0]->setText(ui::toQ(dictionaryPanelText(settings_.files.DicInUse, true)));

    QSignalBlocker block(cboDicFile);
    cboDicFile->showListed(settings_.files.DefDicPath, DictionaryPicker::Mark::None);
}

void TfrmMain::resetDrill() {
    settings_.drill.TimeLimit = 5;
    drill().reset();
    cboAnswerTypeChange();
}

QProcess* TfrmMain::companionProcess() const {
    return companion_->process();
}

ui::Companion* TfrmMain::companion() const {
    return companion_->companion();
}

// --- closing ---

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

void TfrmMain::FormClose() {
    if (!started_ || closing_) return;
    closing_ = true;
    tmrDate->stop();
    if (settings_.sound.VoiceOn && settings_.sound.VoiceType == 1) companion_->end();
    // One left by a killed run goes too, had it come while this one ran.
    ui::closeLeftCompanion();
    stopMusic();

    UserRegistry registry(settings_.ProgramFolder);
    if (FileStatus status = registry.recordExit(settings_.UserName); !status)
        ui::showFileError(this, status.path(), status.reason());
    view_->storeClosingState(questionSetup_.QuestionNum);
    started_ = false;
}

void TfrmMain::stopMusic() {
    // The closing flag goes first: an end notice still on its way must not start the
    // music again.
    music_->closeForExit();
}

// --- size, drops and keys ---

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::FormResize() {
    status_->fitWidth(width());
    bars_->fitRows();
}

void TfrmMain::FormDropFiles(const QList<QUrl>& urls) {
    if (drill().running())
        return;  // the dictionary stays as it is while a drill runs
    showDictionaryChange(cboDicFile->acceptDroppedFiles(urls));
}

void TfrmMain::showDictionaryChange(const DictionaryChange& change) {
    if (!change.changed)
        return;
    if (!change.comboText.isEmpty()) {
        QSignalBlocker block(cboDicFile);
        cboDicFile->setEditText(change.comboText);
    }
    sbPanels_[0]->setText(change.statusText);
    refreshDueCount();
}

} // namespace qor
