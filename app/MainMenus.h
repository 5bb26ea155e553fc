#pragma once
// The main window's commands and menus: one action behind every copy of a command (menu
// entry, toolbar button, shortcut), the menu bar, the window's pop-up menu and the view
// toggles shared by the view menu and the toolbars' pop-up. Every action and menu carries
// its name as its object name.

class QAction;
class QKeySequence;
class QMenu;
class QString;
class QWidget;

namespace qor {

class TfrmMain;

class MainMenus {
public:
    // The actions are the window's children; triggering one runs the window's command.
    explicit MainMenus(TfrmMain& main);

    // A new menu of the view toggles with its data bar submenu; the caller deletes it.
    QMenu* createViewMenu(QWidget* parent) const;

    QAction* actHelp() const { return actHelp_; }
    QAction* actSetup() const { return actSetup_; }
    QAction* actSetupPopup() const { return actSetupPopup_; }
    QAction* actStart() const { return actStart_; }
    QAction* actResult() const { return actResult_; }
    QAction* actStop() const { return actStop_; }
    QAction* actShowGraph() const { return actShowGraph_; }
    QAction* actShowPercent() const { return actShowPercent_; }
    QAction* actFind() const { return actFind_; }
    QAction* actShowErrorNum() const { return actShowErrorNum_; }
    QAction* actShowError() const { return actShowError_; }
    QAction* actVersion() const { return actVersion_; }
    QAction* actHomepage() const { return actHomepage_; }
    QAction* actPlayVoice() const { return actPlayVoice_; }
    QAction* actShowHistory() const { return actShowHistory_; }
    QAction* actStudyCalendar() const { return actStudyCalendar_; }
    QAction* actNextWord() const { return actNextWord_; }
    QAction* actAddVocBook() const { return actAddVocBook_; }
    QAction* actSelectDicFile() const { return actSelectDicFile_; }
    QAction* actPrintDic() const { return actPrintDic_; }
    QAction* actMakeTest() const { return actMakeTest_; }
    QAction* actMakeDic() const { return actMakeDic_; }
    QAction* actEditDic() const { return actEditDic_; }
    QAction* actMakePron() const { return actMakePron_; }
    QAction* actCsvFormat() const { return actCsvFormat_; }
    QAction* actImport() const { return actImport_; }
    QAction* actNewText() const { return actNewText_; }
    QAction* actByMemo() const { return actByMemo_; }
    QAction* actExit() const { return actExit_; }
    QAction* actEditVocBook() const { return actEditVocBook_; }
    QAction* actDeleteVocBook() const { return actDeleteVocBook_; }
    QAction* actOk() const { return actOk_; }
    QAction* actStandardToolBar() const { return actStandardToolBar_; }
    QAction* actFileToolBar() const { return actFileToolBar_; }
    QAction* actQuestionSetupToolBar() const { return actQuestionSetupToolBar_; }
    QAction* actRightCommandButton() const { return actRightCommandButton_; }
    QAction* actStatusBar() const { return actStatusBar_; }
    QAction* actQuestionNum() const { return actQuestionNum_; }
    QAction* actAtariNum() const { return actAtariNum_; }
    QAction* actHazureNum() const { return actHazureNum_; }
    QAction* actPercent() const { return actPercent_; }
    QAction* actTime() const { return actTime_; }

    QMenu* mnuFile() const { return mnuFile_; }
    QMenu* mnuView() const { return mnuView_; }
    QMenu* mnuDataBar() const { return mnuDataBar_; }
    QMenu* mnuScore() const { return mnuScore_; }
    QMenu* mnuVocBook() const { return mnuVocBook_; }
    QMenu* mnuSetting() const { return mnuSetting_; }
    QMenu* mnuHelp() const { return mnuHelp_; }
    QMenu* pmMain() const { return pmMain_; }
    QMenu* pmToolBar() const { return pmToolBar_; }
    QMenu* pmDataBar() const { return pmDataBar_; }

private:
    void buildActions();
    void buildMenus();
    void fillViewMenu(QMenu* menu, QMenu*& dataBarMenu) const;
    QAction* command(const char* name, const QString& text, const QString& hint,
                     void (TfrmMain::*handler)(), int icon, const QKeySequence& key);
    QAction* toggle(const char* name, const QString& text, void (TfrmMain::*handler)());

    TfrmMain& main_;
    QAction* actHelp_ = nullptr;
    QAction* actSetup_ = nullptr;
    QAction* actSetupPopup_ = nullptr;
    QAction* actStart_ = nullptr;
    QAction* actResult_ = nullptr;
    QAction* actStop_ = nullptr;
    QAction* actShowGraph_ = nullptr;
    QAction* actShowPercent_ = nullptr;
    QAction* actFind_ = nullptr;
    QAction* actShowErrorNum_ = nullptr;
    QAction* actShowError_ = nullptr;
    QAction* actVersion_ = nullptr;
    QAction* actHomepage_ = nullptr;
    QAction* actPlayVoice_ = nullptr;
    QAction* actShowHistory_ = nullptr;
    QAction* actStudyCalendar_ = nullptr;
    QAction* actNextWord_ = nullptr;
    QAction* actAddVocBook_ = nullptr;
    QAction* actSelectDicFile_ = nullptr;
    QAction* actPrintDic_ = nullptr;
    QAction* actMakeTest_ = nullptr;
    QAction* actMakeDic_ = nullptr;
    QAction* actEditDic_ = nullptr;
    QAction* actMakePron_ = nullptr;
    QAction* actCsvFormat_ = nullptr;
    QAction* actImport_ = nullptr;
    QAction* actNewText_ = nullptr;
    QAction* actByMemo_ = nullptr;
    QAction* actExit_ = nullptr;
    QAction* actEditVocBook_ = nullptr;
    QAction* actDeleteVocBook_ = nullptr;
    QAction* actOk_ = nullptr;
    QAction* actStandardToolBar_ = nullptr;
    QAction* actFileToolBar_ = nullptr;
    QAction* actQuestionSetupToolBar_ = nullptr;
    QAction* actRightCommandButton_ = nullptr;
    QAction* actStatusBar_ = nullptr;
    QAction* actQuestionNum_ = nullptr;
    QAction* actAtariNum_ = nullptr;
    QAction* actHazureNum_ = nullptr;
    QAction* actPercent_ = nullptr;
    QAction* actTime_ = nullptr;
    QMenu* mnuFile_ = nullptr;
    QMenu* mnuView_ = nullptr;
    QMenu* mnuDataBar_ = nullptr;
    QMenu* mnuScore_ = nullptr;
    QMenu* mnuVocBook_ = nullptr;
    QMenu* mnuSetting_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QMenu* pmMain_ = nullptr;
    QMenu* pmToolBar_ = nullptr;
    QMenu* pmDataBar_ = nullptr;
};

} // namespace qor
