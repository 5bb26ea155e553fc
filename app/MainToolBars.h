#pragma once
// The main window's three toolbars: the standard commands, the file commands with the
// dictionary combo, and the question toolbar with the direction, the answer form and the
// question count. It builds them on the window (each control named by its object name),
// keeps the standard and file toolbars on one row while they fit, and raises its buttons
// when "NotFlat" asks for it.

#include <QList>

class QAction;
class QComboBox;
class QLineEdit;
class QString;
class QToolBar;
class QToolButton;

namespace ui {
class UpDown;
}

namespace qor {

class DictionaryPicker;
class DictionarySource;
class MainMenus;
class TfrmMain;

class MainToolBars {
public:
    MainToolBars(TfrmMain& main, const MainMenus& menus, DictionarySource& dictionaries);

    QToolBar* tbStandardToolBar() const { return tbStandardToolBar_; }
    QToolBar* tbFileToolBar() const { return tbFileToolBar_; }
    QToolBar* tbQuestionSetupToolBar() const { return tbQuestionSetupToolBar_; }
    DictionaryPicker* cboDicFile() const { return cboDicFile_; }
    QComboBox* cboQuestionType() const { return cboQuestionType_; }
    QComboBox* cboAnswerType() const { return cboAnswerType_; }
    QLineEdit* txtQuestionNum() const { return txtQuestionNum_; }
    ui::UpDown* udQuestionNum() const { return udQuestionNum_; }

    // The standard and file toolbars share the dock's first row while both fit.
    void fitRows();
    // Wherever it was dragged, the question toolbar goes back to its own row below the
    // others. Taking it out hides it for a moment, which unticks its menu items; the
    // caller ticks them.
    void putQuestionBarOnSecondRow();
    // Flat buttons, or raised ones ("NotFlat").
    void setFlat(bool flat);

private:
    void build(DictionarySource& dictionaries);
    QToolButton* toolButton(QToolBar* bar, QAction* action);
    void addCloseBox(QToolBar* bar);

    TfrmMain& main_;
    const MainMenus& menus_;
    QToolBar* tbStandardToolBar_ = nullptr;
    QToolBar* tbFileToolBar_ = nullptr;
    QToolBar* tbQuestionSetupToolBar_ = nullptr;
    QToolButton* cmdPrint_ = nullptr;       // drop-down "辞書の印刷"
    QToolButton* cmdDictionary_ = nullptr;  // drop-down "辞書の作成"
    DictionaryPicker* cboDicFile_ = nullptr;
    QComboBox* cboQuestionType_ = nullptr;
    QComboBox* cboAnswerType_ = nullptr;
    QLineEdit* txtQuestionNum_ = nullptr;
    ui::UpDown* udQuestionNum_ = nullptr;
    QToolButton* cmdOk_ = nullptr;
    QList<QToolButton*> flatButtons_;  // the buttons "NotFlat" raises
    QList<QAction*> closeBoxes_;       // the toolbars' close boxes, shown when floating
    bool fileToolBarBreak_ = false;    // the file toolbar was given a row of its own
};

} // namespace qor
