#include "app/TfrmMain.h"

#include "app/CompanionFollower.h"
#include "app/MainDrillShell.h"
#include "app/MainWindowState.h"
#include "app/TfrmTitle.h"
#include "app/ToolbarIcons.h"
#include "app/ToolbarSetupHost.h"
#include "base/BoxList.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
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
#include "sound/CompanionSettings.h"
#include "ui/ElidedLabel.h"
#include "ui/FileDrops.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "words/DictionaryList.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace qor {

TfrmMain::TfrmMain(std::string programFolder, QWidget* parent) : QMainWindow(parent) {
    splash_ = std::make_unique<TfrmTitle>();
    splash_->showNow();

    settings_.ProgramFolder = std::move(programFolder);
    music_ = std::make_unique<BackgroundMusic>(settings_);
    setWindowTitle(QStringLiteral("Qor Helper"));
    setWindowIcon(toolIcon(ToolIcon::Program));
    buildActions();
    buildMenus();
    buildToolBars();
    drillShell_ = std::make_unique<MainDrillShell>(*this);
    buildCentral();
    buildStatusBar();
    resize(604, 441);

    tmrDate = new QTimer(this);
    tmrDate->setInterval(1000);
    connect(tmrDate, &QTimer::timeout, this, &TfrmMain::tmrDateTimer);
    setupHost_ = std::make_unique<ToolbarSetupHost>(*this);

    connect(cboDicFile, &QComboBox::textActivated, this, &TfrmMain::cboDicFileChange);
    connect(cboDicFile->lineEdit(), &QLineEdit::textEdited, this, &TfrmMain::cboDicFileChange);
    connect(cboAnswerType, &QComboBox::currentIndexChanged, this, &TfrmMain::cboAnswerTypeChange);

    registerMainWindows(openers_);
    companionFollower_ = std::make_unique<CompanionFollower>(*this, [this] { return companion_.get(); });
    FormCreate();
    resetDrill();
}

TfrmMain::~TfrmMain() = default;

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

QString TfrmMain::statusPanelText(int index) const {
    return sbPanels_[index]->text();
}

bool TfrmMain::event(QEvent* event) {
    // A status tip would become a status bar message, which hides the four panels while
    // it shows; the hints are tooltips, and the panels stay in view.
    if (event->type() == QEvent::StatusTip)
        return true;
    const bool result = QMainWindow::event(event);
    // Another style or font gives the toolbars another width.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        fitToolBarRows();
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
    placeWindow(bad);
    loadSettings(bad);
    writeCompanionSettings();
    refreshDateTexts();
    rollRecordsOver();
    applyFontsAndColours();
    applyDataBars();
    applyToolBars(bad);
    applyFlatButtons();
    // Values that were not numbers took their defaults; say so once, in one box.
    reportBadSettings(bad);
    restoreDictionary();
    mnuVocBook->menuAction()->setEnabled(settings_.VocBookOn == 1);
    resetDrill();
    startCompanion();
    if (settings_.ShowPlanOn == 1) PlanCheck();
    tmrDate->start();
    refreshTitleBar();
    fitToolBarRows();
    panel_->focusStart();
}

void TfrmMain::placeWindow(std::vector<BadSetting>& bad) {
    IniFile ini(settings_.setupIniPath());
    Placement p = readPlacement(ini, bad);
    // A stored size larger than the screen would put the answer field out of reach.
    QSize size(p.width, p.height);
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QSize frame = frameGeometry().size() - this->size();
        size = size.boundedTo(s->availableGeometry().size() - frame);
    }
    resize(size);
    if (p.left && p.top) {
        // A position stored on a screen that is gone would put the window out of reach.
        QPoint corner(*p.left, *p.top);
        if (QGuiApplication::screenAt(corner + QPoint(20, 20))) move(corner);
    }
    if (p.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmMain::loadSettings(std::vector<BadSetting>& bad) {
    LoadedSettings loaded = SettingsStore::load(settings_);
    bad.insert(bad.end(), loaded.badValues.begin(), loaded.badValues.end());
    questionSetup_ = loaded.questionSetup;

    // An index outside the list would leave the box empty; the first item stands in.
    auto index = [](QComboBox* box, int i) { return i >= 0 && i < box->count() ? i : 0; };
    cboAnswerType->setCurrentIndex(index(cboAnswerType, questionSetup_.AnswerType));
    cboQuestionType->setCurrentIndex(index(cboQuestionType, questionSetup_.QuestionType));
    txtQuestionNum->setText(ui::toQ(questionSetup_.QuestionNum));
    DrillModes modes = drill().modes();
    applyQuestionOrder(modes, questionSetup_);
    drill().setModes(modes);
}

void TfrmMain::reportBadSettings(const std::vector<BadSetting>& bad) {
    // A key read twice (the placement and the record both read "SavePosition") is
    // named once.
    std::vector<BadSetting> unique;
    for (const BadSetting& b : bad) {
        bool seen = std::any_of(unique.begin(), unique.end(), [&](const BadSetting& u) {
            return u.file == b.file && u.section == b.section && u.key == b.key;
        });
        if (!seen) unique.push_back(b);
    }
    if (unique.empty()) return;
    ui::platform().showNotice(this, ui::toQ(SettingsStore::describe(unique)),
                              QStringLiteral("エラー"), ui::kNoticeWarning);
}

void TfrmMain::writeCompanionSettings() {
    if (settings_.HearingPath.empty()) return;
    QRect frame = frameGeometry();
    FileStatus status = writeCompanionCorner(companionSettingsPath(settings_.ProgramFolder),
                                             frame.x() + frame.width(), frame.y() + frame.height());
    if (!status) ui::showFileError(this, status.path(), status.reason());
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

void TfrmMain::applyFontsAndColours() {
    panel_->applyLook();
}

void TfrmMain::applyDataBars() {
    const TUserSettings& s = settings_;
    actQuestionNum->setChecked(s.ShowQuestionNum == 1);
    actAtariNum->setChecked(s.ShowAtariNum == 1);
    actHazureNum->setChecked(s.ShowHazureNum == 1);
    actPercent->setChecked(s.ShowPercent == 1);
    actTime->setChecked(s.ShowTime == 1);
    panel_->applyDataBarColours();
    UpdateDataBar();
}

void TfrmMain::applyToolBars(std::vector<BadSetting>& bad) {
    if (settings_.SaveToolBar != 1) return;
    IniFile ini(settings_.setupIniPath());
    ViewVisibility v = readToolbarSection(ini, bad);
    auto apply = [](QWidget* w, QAction* a, bool visible) {
        w->setVisible(visible);
        a->setChecked(visible);
    };
    apply(tbStandardToolBar, actStandardToolBar, v.standardToolBar);
    apply(tbFileToolBar, actFileToolBar, v.fileToolBar);
    apply(tbQuestionSetupToolBar, actQuestionSetupToolBar, v.questionSetupToolBar);
    panel_->setCommandButtonsVisible(v.rightCommandButton);
    actRightCommandButton->setChecked(v.rightCommandButton);
    apply(sbInfo, actStatusBar, v.statusBar);
}

void TfrmMain::applyFlatButtons() {
    for (QToolButton* b : flatButtons_)
        b->setAutoRaise(settings_.NotFlat != 1);
}

void TfrmMain::restoreDictionary() {
    settings_.DicInUse = settings_.DefDicPath;
    sbPanels_[0]->setText(ui::toQ(dictionaryPanelText(settings_.DicInUse, true)));

    QSignalBlocker block(cboDicFile);
    cboDicFile->showListed(settings_.DefDicPath, DictionaryPicker::Mark::None);
}

void TfrmMain::resetDrill() {
    settings_.TimeLimit = 5;
    drill().reset();
    cboAnswerTypeChange();
}

void TfrmMain::startCompanion() {
    if (settings_.VoiceOn != 1 || settings_.VoiceType != 1) return;
    if (companionProcess()) return;
    companion_ = std::make_unique<ui::Companion>(this);
    // Where it sits: the program's own data folder; where it listens is the channel's
    // affair. A companion that cannot be started has been reported.
    const bool started = companion_->start(
        QString::fromStdString(nativePath(settings_.HearingPath)),
        {QStringLiteral("--settings"),
         QString::fromStdString(nativePath(companionSettingsPath(settings_.ProgramFolder)))},
        QString::fromStdString(nativePath(folderOf(settings_.HearingPath))));
    if (!started) {
        companion_.reset();
        return;
    }
    // The window and its frame as the window system has placed them by now.
    companionFollower_->tellNow();
}

QProcess* TfrmMain::companionProcess() const {
    return companion_ ? companion_->process() : nullptr;
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
    if (settings_.VoiceOn == 1 && settings_.VoiceType == 1) askCompanionToEnd();
    // One left by a killed run goes too, had it come while this one ran.
    ui::closeLeftCompanion();
    stopMusic();

    ClosingState state;
    state.maximized = isMaximized();
    state.views.standardToolBar = !tbStandardToolBar->isHidden();
    state.views.fileToolBar = !tbFileToolBar->isHidden();
    state.views.questionSetupToolBar = !tbQuestionSetupToolBar->isHidden();
    state.views.rightCommandButton = panel_->commandButtonsVisible();
    state.views.statusBar = !sbInfo->isHidden();

    UserRegistry registry(settings_.ProgramFolder);
    if (FileStatus status = registry.recordExit(settings_.UserName); !status)
        ui::showFileError(this, status.path(), status.reason());

    state.answerType = cboAnswerType->currentIndex();
    state.questionType = cboQuestionType->currentIndex();
    // A typed character that Shift-JIS cannot hold is refused; the number loaded at
    // start is kept instead.
    state.questionNum =
        ui::fromQOrWarn(this, txtQuestionNum->text()).value_or(questionSetup_.QuestionNum);
    state.dicFilePath = settings_.DicInUse;
    QRect bounds = geometry();
    state.height = bounds.height();
    state.width = bounds.width();
    state.top = y();
    state.left = x();
    state.showQuestionNum = settings_.ShowQuestionNum;
    state.showAtariNum = settings_.ShowAtariNum;
    state.showHazureNum = settings_.ShowHazureNum;
    state.showPercent = settings_.ShowPercent;
    state.showTime = settings_.ShowTime;
    if (FileStatus status = saveClosingState(settings_.setupIniPath(), state); !status)
        ui::showFileError(this, status.path(), status.reason());
    started_ = false;
}

void TfrmMain::askCompanionToEnd() {
    // The started program is asked to end; whether it does is its own affair, but one
    // that has not ended after a second goes with this program.
    if (!companion_) return;
    companion_->end();
    companion_.reset();
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
    // Panel 0 takes what the other panels leave (440 pixels in the layout's own font).
    const int reserve = statusPanelWidth(1) + statusPanelWidth(2) + statusPanelWidth(3) +
                        static_cast<int>(std::lround(130 * statusFontScale()));
    static_cast<ui::ElidedLabel*>(sbPanels_[0])->setPreferredWidth(std::max(0, width() - reserve));
    fitToolBarRows();
}

void TfrmMain::fitToolBarRows() {
    // A larger desktop font or a roomier style makes the two toolbars wider than the
    // window: the file toolbar then takes a row of its own rather than hide the dictionary
    // list behind its overflow arrow, and comes back when the window is wide enough.
    if (fileToolBarBreak_ && !toolBarBreak(tbFileToolBar))
        fileToolBarBreak_ = false;  // the learner has moved it since
    const bool shareRow = !tbStandardToolBar->isHidden() && !tbFileToolBar->isHidden() &&
                          !tbStandardToolBar->isFloating() && !tbFileToolBar->isFloating() &&
                          toolBarArea(tbStandardToolBar) == toolBarArea(tbFileToolBar);
    const int needed =
        tbStandardToolBar->sizeHint().width() + tbFileToolBar->sizeHint().width();
    const bool fits = needed <= width();
    if (!fileToolBarBreak_ && shareRow && !fits && !toolBarBreak(tbFileToolBar)) {
        insertToolBarBreak(tbFileToolBar);
        fileToolBarBreak_ = true;
    } else if (fileToolBarBreak_ && (fits || !shareRow)) {
        removeToolBarBreak(tbFileToolBar);
        fileToolBarBreak_ = false;
    }
}

double TfrmMain::statusFontScale() const {
    // The layout was made for full-width characters 12 pixels wide.
    const QFontMetrics fm(sbInfo->font());
    return std::max(1.0, fm.horizontalAdvance(QChar(0x3042)) / 12.0);
}

int TfrmMain::statusPanelWidth(int index) const {
    static constexpr int kLayoutWidths[4] = {190, 160, 100, 50};
    const QFontMetrics fm(sbInfo->font());
    int width = static_cast<int>(std::lround(kLayoutWidths[index] * statusFontScale()));
    // The drill's panels hold their longest texts whole.
    if (index == 1)
        width = std::max(width, fm.horizontalAdvance(QStringLiteral("\"英数字\"と\"漢字\"で解答")) + 12);
    if (index == 2)
        width = std::max(width, fm.horizontalAdvance(QStringLiteral("今月 ： 100％")) + 12);
    return width;
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
}

} // namespace qor
