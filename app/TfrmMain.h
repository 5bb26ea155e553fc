#pragma once
// The main window: the drill runs inside it; it owns the settings record, shows the
// date, the dictionary in use and the schedule countdown, and opens the other windows.
//
// The drill and its boxes, buttons and data bars are the drill panel (quiz/DrillPanel),
// the central widget; the main window keeps the menus, toolbars, status bar and the
// windows the commands open. Building the widgets is in TfrmMainLayout.cpp, the date
// display and schedule in TfrmMainDate.cpp, the rest of its behaviour in TfrmMain.cpp.

#include "app/Schedule.h"
#include "app/WindowOpeners.h"
#include "base/Clock.h"
#include "settings/DictionaryInUse.h"
#include "settings/SettingsStore.h"
#include "settings/TUserSettings.h"

#include <QMainWindow>
#include <QUrl>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProcess;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;

namespace ui {
class Companion;
class UpDown;
} // namespace ui

namespace qor {

class BackgroundMusic;
class CompanionFollower;
class Drill;
class DrillPanel;
class MainDrillShell;
class QuestionSetupHost;
class ToolbarSetupHost;
struct DictionaryChange;
class TfrmTitle;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: the data root with trailing "/" (CP932). Shows the splash window
    // until releaseSplash().
    explicit TfrmMain(std::string programFolder, QWidget* parent = nullptr);
    ~TfrmMain() override;

    const TUserSettings& settings() const { return settings_; }
    TUserSettings& settings() { return settings_; }
    // False once the learner declined to choose a user at the first start.
    bool started() const { return started_; }

    // The windows the commands open, by command (filled by registerMainWindows).
    WindowOpeners& openers() { return openers_; }
    // Program start: the settings and question setup dialogs live for the whole run.
    void createLongLivedDialogs();
    QDialog* longLivedDialog(MainCommand command) const;
    void releaseSplash();

    // Date texts of the last tick (of the first showing before the first tick).
    const DateTexts& dateTexts() const { return dateTexts_; }
    // The question toolbar's keys as loaded (the drill takes its order options).
    const QuestionSetupKeys& questionSetup() const { return questionSetup_; }
    // The status bar's four panels.
    QLabel* statusPanel(int index) const { return sbPanels_[index]; }
    QString statusPanelText(int index) const;
    // The drill that runs in this window, and its panel.
    Drill& drill();
    DrillPanel& drillPanel() { return *panel_; }
    // The question toolbar as the question setup dialog sees it.
    QuestionSetupHost& questionSetupHost();
    // Shows a dictionary chosen elsewhere (DicInUse holds its path): cboDicFile takes
    // the file name without reacting to it, and the status line follows.
    void showDictionaryInUse(const std::string& fileName);
    // Told by the drill: a drill was completed / stopped.
    void drillCompleted();
    void drillStopped();
    // The companion program started by the first showing, nullptr when none runs.
    QProcess* companionProcess() const;
    ui::Companion* companion() const { return companion_.get(); }
    // The settings dialog's OK and its immediate effects (TfrmMainSetup.cpp): everything
    // visible follows the record; the companion is told where to sit and started or
    // closed; the dictionary list empties with the cleared history.
    void applySettings();
    void companionSettingsChanged();
    void dictionaryHistoryCleared();
    // The background music's players (mpMidi, mpCD); they play on after the settings
    // dialog closes.
    BackgroundMusic& music() { return *music_; }
    // The entries menu "単語帳の編集 (&V)".
    QMenu* mnuVocBook = nullptr;

    // --- menus ---
    QMenu* mnuFile = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuDataBar = nullptr;
    QMenu* mnuScore = nullptr;
    QMenu* mnuSetting = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* pmMain = nullptr;    // pop-up menu of the window
    QMenu* pmToolBar = nullptr; // pop-up menu of the toolbars, dock and status bar
    QMenu* pmDataBar = nullptr; // its data bar submenu

    // --- commands: one action behind every copy of a command ---
    QAction* actHelp = nullptr;
    QAction* actSetup = nullptr;
    QAction* actSetupPopup = nullptr; // "基本設定 (&S)" of the pop-up, follows actSetup
    QAction* actStart = nullptr;
    QAction* actResult = nullptr;
    QAction* actStop = nullptr;
    QAction* actShowGraph = nullptr;
    QAction* actShowPercent = nullptr;
    QAction* actFind = nullptr;
    QAction* actShowErrorNum = nullptr;
    QAction* actShowError = nullptr;
    QAction* actVersion = nullptr;
    QAction* actHomepage = nullptr;
    QAction* actPlayVoice = nullptr;
    QAction* actShowHistory = nullptr;
    QAction* actNextWord = nullptr;
    QAction* actAddVocBook = nullptr;
    QAction* actSelectDicFile = nullptr;
    QAction* actPrintDic = nullptr;
    QAction* actMakeTest = nullptr;
    QAction* actMakeDic = nullptr;
    QAction* actEditDic = nullptr;
    QAction* actMakePron = nullptr;
    QAction* actCsvFormat = nullptr;
    QAction* actImport = nullptr;
    QAction* actNewText = nullptr;
    QAction* actByMemo = nullptr;
    QAction* actExit = nullptr;
    QAction* actEditVocBook = nullptr;
    QAction* actDeleteVocBook = nullptr;
    QAction* actOk = nullptr;
    // view toggles, each in the "表示 (&V)" menu and the toolbar pop-up at once
    QAction* actStandardToolBar = nullptr;
    QAction* actFileToolBar = nullptr;
    QAction* actQuestionSetupToolBar = nullptr;
    QAction* actRightCommandButton = nullptr;
    QAction* actStatusBar = nullptr;
    QAction* actQuestionNum = nullptr;
    QAction* actAtariNum = nullptr;
    QAction* actHazureNum = nullptr;
    QAction* actPercent = nullptr;
    QAction* actTime = nullptr;

    // --- toolbars ---
    QToolBar* tbStandardToolBar = nullptr;
    QToolBar* tbFileToolBar = nullptr;
    QToolBar* tbQuestionSetupToolBar = nullptr;
    QToolButton* cmdPrint = nullptr;      // drop-down "辞書の印刷"
    QToolButton* cmdDictionary = nullptr; // drop-down "辞書の作成"
    DictionaryPicker* cboDicFile = nullptr;
    QComboBox* cboQuestionType = nullptr;
    QComboBox* cboAnswerType = nullptr;
    QLineEdit* txtQuestionNum = nullptr;
    ui::UpDown* udQuestionNum = nullptr;
    QToolButton* cmdOk = nullptr;

    QStatusBar* sbInfo = nullptr;
    QTimer* tmrDate = nullptr;

    // The pop-up menu of the toolbars and the dock: the view toggles (a new menu each
    // time; the caller deletes it).
    QMenu* createPopupMenu() override;

signals:
    // The program must end without saving anything.
    void startAborted();

public slots:
    void FormShow();
    void FormResize();
    void tmrDateTimer();
    void UpdateDataBar();

    void cmdExitClick();
    void cmdHelpClick();
    void cmdVersionClick();
    void cmdHomepageClick();
    void cmdByMemoClick();

    void cmdStandardToolBarClick();
    void cmdFileToolBarClick();
    void cmdQuestionSetupToolBarClick();
    void cmdRightCommandButtonClick();
    void cmdStatusBarClick();
    void cmdQuestionNumClick();
    void cmdAtariNumClick();
    void cmdHazureNumClick();
    void cmdPercentClick();
    void cmdTimeClick();
    void tbStandardToolBarClose();
    void tbFileToolBarClose();
    void tbQuestionSetupToolBarClose();

    // Window openers.
    void cmdSetupClick();
    void cmdMakeDicClick();
    void cmdMakePronClick();
    void cmdEditDicClick();
    void cmdPrintDicClick();
    void cmdMakeTestClick();
    void cmdShowErrorClick();
    void cmdShowPercentClick();
    void cmdShowGraphClick();
    void cmdShowErrorNumClick();
    void cmdShowHistroyClick();
    void cmdFindClick();
    void cmdNewTextClick();
    void cmdEditVocBookClick();
    void cmdStartClick();

    // The drill's commands, the dictionary choice and the vocabulary book.
    void cmdOkClick();
    void cmdResultClick();
    void cmdStopClick();
    void cmdPlayVoiceClick();
    void cmdNextWordClick();
    void cmdAddVocBookClick();
    void cmdDeleteVocBookClick();
    void cmdSelectDicFileClick();
    void cmdCsvFormatClick();
    void cmdImportClick();
    void cboDicFileChange();
    void cboAnswerTypeChange();
    // Files dropped on the window: the first local file is tested and, when it is a
    // dictionary, taken as the dictionary in use.
    void FormDropFiles(const QList<QUrl>& urls);
    // One second of the drill panel's question timer.
    void tmrTimerTimer();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // --- building (TfrmMainLayout.cpp) ---
    void buildActions();
    void buildMenus();
    void buildToolBars();
    void buildCentral();
    void buildStatusBar();
    QAction* command(const QString& text, const QString& hint, void (TfrmMain::*handler)(),
                     int icon = -1, const QKeySequence& key = {});
    QAction* toggle(const QString& text, void (TfrmMain::*handler)());
    QToolButton* toolButton(QToolBar* bar, QAction* action);
    void addCloseBox(QToolBar* bar);

    // --- first showing, in its order ---
    void FormCreate();
    void placeWindow(std::vector<BadSetting>& bad);
    void loadSettings(std::vector<BadSetting>& bad);
    void reportBadSettings(const std::vector<BadSetting>& bad);
    void writeCompanionSettings();
    void rollRecordsOver();
    void applyFontsAndColours();

    // DicInUse when its file name is `fileName`, empty otherwise.
    std::string unrememberedDictionaryInUse(const std::string& fileName) const;
    double statusFontScale() const;
    int statusPanelWidth(int index) const;
    void applyDataBars();
    void applyToolBars(std::vector<BadSetting>& bad);
    void applyFlatButtons();
    void restoreDictionary();
    void resetDrill();
    void startCompanion();
    void PlanCheck();

    // --- closing ---
    void FormClose();
    void askCompanionToEnd();
    void stopMusic();

    // --- helpers ---
    // The standard and file toolbars share the dock's first row while both fit.
    void fitToolBarRows();
    // Shows the command's window; one that cannot be made or shown is reported by name.
    void openWindow(MainCommand command, const QString& windowName);
    void putQuestionToolBarOnSecondRow();
    void showDictionaryChange(const DictionaryChange& change);
    void refreshDateTexts();
    void refreshTitleBar();
    void planCountdown();
    // Tells the learner once per run: a box that would repeat every tick says it once.
    void reportOnce(const std::string& key, const QString& text, const QString& caption);

    TUserSettings settings_;
    DictionaryInUse dictionaries_{settings_};
    // Before the dialogs: the settings dialog's music controls use the players.
    std::unique_ptr<BackgroundMusic> music_;
    std::unique_ptr<MainDrillShell> drillShell_;
    DrillPanel* panel_ = nullptr;  // the central widget
    std::unique_ptr<ToolbarSetupHost> setupHost_;
    QuestionSetupKeys questionSetup_;
    DateTexts dateTexts_;
    WindowOpeners openers_;
    std::map<MainCommand, std::unique_ptr<QDialog>> longLived_;
    std::unique_ptr<TfrmTitle> splash_;
    std::unique_ptr<ui::Companion> companion_;
    std::unique_ptr<CompanionFollower> companionFollower_;
    std::set<std::string> reported_;
    QLabel* sbPanels_[4] = {};
    QList<QToolButton*> flatButtons_; // the buttons "NotFlat" raises
    QList<QAction*> closeBoxes_;      // the toolbars' close boxes, shown when floating
    bool formShown_ = false;
    int exposeWaits_ = 0;
    bool showScheduled_ = false;
    bool started_ = false;
    bool closing_ = false;
    bool fileToolBarBreak_ = false;  // the file toolbar was given a row of its own
};

} // namespace qor
