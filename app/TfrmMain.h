#pragma once
// The main window: the drill runs inside it; it owns the settings record, shows the
// date, the dictionary in use and the schedule countdown, and opens the other windows.
//
// The drill and its boxes, buttons and data bars are the drill panel (quiz/DrillPanel),
// the central widget; the main window keeps the menus, toolbars, status bar and the
// windows the commands open. The commands and menus are app/MainMenus, the toolbars
// app/MainToolBars, the status bar app/MainStatusBar, the schedule app/MainSchedule; the
// window's commands are in TfrmMainCommands.cpp, the date display in TfrmMainDate.cpp,
// the settings dialog's effects in TfrmMainSetup.cpp, the rest in TfrmMain.cpp.

#include "app/Schedule.h"
#include "app/WindowOpeners.h"
#include "base/Clock.h"
#include "settings/DictionaryInUse.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsNotifier.h"
#include "settings/TUserSettings.h"

#include <QMainWindow>
#include <QUrl>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QMenu;
class QProcess;
class QTimer;

namespace ui {
class Companion;
} // namespace ui

namespace qor {

class BackgroundMusic;
class Drill;
class DictionaryPicker;
class DrillPanel;
class MainCompanion;
class MainDrillShell;
class MainDueCount;
class MainMenus;
class MainSchedule;
class MainSettingsView;
class MainStatusBar;
class MainToolBars;
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
    QLabel* statusPanel(int index) const;
    QString statusPanelText(int index) const;
    // The words of the dictionary in use due for review today, as the status bar shows
    // them; counted anew when the dictionary, the day or the records changed.
    QLabel* duePanel() const;
    void refreshDueCount(bool force = false);
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
    ui::Companion* companion() const;
    // Says which groups of the record the settings dialog's OK changed; the window's
    // parts (the view, the drill panel, the companion) follow it themselves.
    SettingsNotifier& settingsNotifier() { return *settingsNotifier_; }
    // The settings dialog cleared the dictionary history: the dictionary list empties.
    void dictionaryHistoryCleared();
    // The background music's players (mpMidi, mpCD); they play on after the settings
    // dialog closes.
    BackgroundMusic& music() { return *music_; }
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
    void cmdStudyCalendarClick();
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
    // The drill's shell and the question setup's host work the toolbars and commands.
    friend class MainDrillShell;
    friend class MainSettingsView;
    friend class ToolbarSetupHost;

    void buildCentral();

    // --- first showing, in its order ---
    void FormCreate();
    void loadSettings(std::vector<BadSetting>& bad);
    void rollRecordsOver();

    // DicInUse when its file name is `fileName`, empty otherwise.
    std::string unrememberedDictionaryInUse(const std::string& fileName) const;
    void restoreDictionary();
    void resetDrill();

    // --- closing ---
    void FormClose();
    void stopMusic();

    // --- helpers ---
    // Shows the command's window; one that cannot be made or shown is reported by name.
    void openWindow(MainCommand command, const QString& windowName);
    void showDictionaryChange(const DictionaryChange& change);
    void refreshDateTexts();
    void refreshTitleBar();

    TUserSettings settings_;
    SettingsNotifier* settingsNotifier_ = nullptr;  // a child: outlives every subscriber
    DictionaryInUse dictionaries_{settings_};
    // Before the dialogs: the settings dialog's music controls use the players.
    std::unique_ptr<BackgroundMusic> music_;
    std::unique_ptr<MainMenus> menus_;
    std::unique_ptr<MainToolBars> bars_;
    std::unique_ptr<MainStatusBar> status_;
    std::unique_ptr<MainSettingsView> view_;
    // The dictionary combo of the file toolbar and the status bar's panels, as the
    // dictionary code names them.
    DictionaryPicker* cboDicFile = nullptr;
    QLabel* sbPanels_[4] = {};
    QTimer* tmrDate = nullptr;  // the date display and the schedule, each second
    std::unique_ptr<MainSchedule> schedule_;
    std::unique_ptr<MainDueCount> dueCount_;
    std::unique_ptr<MainDrillShell> drillShell_;
    DrillPanel* panel_ = nullptr;  // the central widget
    std::unique_ptr<ToolbarSetupHost> setupHost_;
    QuestionSetupKeys questionSetup_;
    DateTexts dateTexts_;
    WindowOpeners openers_;
    std::map<MainCommand, std::unique_ptr<QDialog>> longLived_;
    std::unique_ptr<TfrmTitle> splash_;
    std::unique_ptr<MainCompanion> companion_;
    bool formShown_ = false;
    int exposeWaits_ = 0;
    bool showScheduled_ = false;
    bool started_ = false;
    bool closing_ = false;
};

} // namespace qor
