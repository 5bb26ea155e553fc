#pragma once
// "出題する単語の選択": ticks, one by one or by rules on the words' records, which entries
// of the current dictionary the next drill may ask. Opened by the question setup dialog,
// which keeps the rows (a CustomQuestionList) between openings.

#include "tools/CustomQuestionList.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;

namespace qor {

class CustomQuestionTable;

class TfrmCustomQuestion : public QDialog {
    Q_OBJECT
public:
    // list: the rows kept by the question setup dialog. customLines: the drill's custom
    // question list, replaced by OK. dictionaryPath and userFolder: CP932.
    TfrmCustomQuestion(CustomQuestionList& list, std::vector<std::string>& customLines,
                       std::string dictionaryPath, std::string userFolder,
                       QWidget* parent = nullptr);

    // The opening: the rows are rebuilt unless they belong to a dictionary of the same
    // file name. progress follows the lines read and returns to 0. False when the
    // dictionary cannot be read (the learner has been told); the window is then not shown.
    bool FormShow(const std::function<void(int)>& progress = {});

    // After OK: the number of lines handed to the drill.
    int chosenCount() const { return chosenCount_; }

public slots:
    void lstDataClick();
    void cmdSelectClick();
    void cmdUnSelectClick();
    void cmdAllSelectClick();
    void cmdAllDisSelectClick();
    void cmdQuestionNumClick();
    void cmdResetQuestionNumClick();
    void cmdAtariNumClick();
    void Button4Click();
    void cmdPercentClick();
    void cmdResetPercentClick();
    void cmdDayErrorClick();
    void cmdResetDayErrorClick();
    void cmdMonthErrorClick();
    void cmdResetMonthErrorClick();
    void cmdSaveClick();
    void cmdOkClick();
    void Button14Click();

    // Escape is the cancel button.
    void reject() override;

private:
    struct RuleRow {
        QSpinBox* number;
        QComboBox* compare;
        CustomRule rule;
    };
    void applyRule(const RuleRow& row, bool select);
    void resetCombos();
    void showCount();
    std::vector<int> highlightedRows() const;

    CustomQuestionList& list_;
    std::vector<std::string>& customLines_;
    std::string dictionaryPath_;
    std::string userFolder_;
    CustomQuestionTable* table_;
    std::vector<RuleRow> rules_;
    int chosenCount_ = 0;

    QTableView* lstData;
    QMenu* pmData;
    QAction* cmdSelect;
    QAction* cmdUnSelect;
    QSpinBox* txtQuestionNum;
    QSpinBox* txtAtariNum;
    QSpinBox* txtPercent;
    QSpinBox* txtDayErrorNum;
    QSpinBox* txtMonthErrorNum;
    QComboBox* cboType_1;
    QComboBox* cboType_2;
    QComboBox* cboType_3;
    QComboBox* cboType_4;
    QComboBox* cboType_5;
    QPushButton* cmdQuestionNum;
    QPushButton* cmdResetQuestionNum;
    QPushButton* cmdAtariNum;
    QPushButton* Button4;
    QPushButton* cmdPercent;
    QPushButton* cmdResetPercent;
    QPushButton* cmdDayError;
    QPushButton* cmdResetDayError;
    QPushButton* cmdMonthError;
    QPushButton* cmdResetMonthError;
    QProgressBar* pbProgress;
    QPushButton* cmdAllSelect;
    QPushButton* cmdAllDisSelect;
    QPushButton* cmdSave;
    QPushButton* cmdOk;
    QPushButton* Button14;
    QLabel* sbPath;   // first status panel
    QLabel* sbCount;  // second status panel
};

} // namespace qor
