#pragma once
// "簡易テスト用紙の作成": builds a vocabulary test from the learner's own mistakes (or any
// dictionary) as a sheet of lines with an optional answer key, shows it, prints it in
// copies (or into a PDF file) and appends it to a text file.

#include "print/TestSheet.h"
#include "quiz/DrillState.h"
#include "settings/DictionaryInUse.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace qor {

class LinesView;

class TfrmMakeTest : public QDialog {
    Q_OBJECT
public:
    // userName heads the sheet. The last drill of this run, and the history of this run
    // (kept by the main window's drill, which outlives this window).
    TfrmMakeTest(UserFiles user, PathSettings files, std::string userName, DrillSummary lastDrill,
                 const DrillHistory& history, QWidget* parent = nullptr);

    // The lines on the sheet box (CP932), as built.
    const std::vector<std::string>& sheetLines() const { return lines_; }
    QString statusText() const;
    const MakeTestSettings& makeTestSettings() const { return test_; }

public slots:
    void FormShow();
    void cboPrintTypeChange();
    void txtPastNumChange();
    void chkToEnglishClick();
    void chkSelectOnClick();
    void chkPrintDateClick();
    void chkPrintUserClick();
    void chkPrintAnswerClick();
    void chkPrintOptionClick();
    void cmdViewClick();
    void cmdPrintClick();
    void cmdSaveClick();
    void cmdFontClick();
    void cmdQuestionClick();
    void cmdCloseClick();

private:
    void setStatus(const QString& text);
    // Shows the sheet's lines in the box, the lines of each question kept together.
    void showSheet(const TestSheet& sheet);
    PrintType printType() const;
    SheetRequest request(const std::string& dictionaryPath) const;

    UserFiles user_;
    PathSettings files_;
    std::string userName_;
    DictionaryBeside dictionaries_{user_, files_};
    DrillSummary lastDrill_;
    const DrillHistory& history_;
    MakeTestSettings test_;
    std::vector<std::string> lines_;
    std::string sheetDictionary_;  // the dictionary of the sheet on the box
    std::vector<double> tabStops_;  // of the sheet on the box, in points

    DictionaryPicker* cboDicFile_;
    QComboBox* cboPrintType_;
    QSpinBox* txtPastNum_;
    QCheckBox* chkToEnglish_;
    QCheckBox* chkSelectOn_;
    QCheckBox* chkPrintDate_;
    QCheckBox* chkPrintUser_;
    QCheckBox* chkPrintAnswer_;
    QCheckBox* chkPrintOption_;
    QSpinBox* txtPrintNum_;
    QSpinBox* txtTab_;
    QPushButton* cmdFont_;
    QPushButton* cmdQuestion_;
    LinesView* moData_;
    QProgressBar* cgInfo_;
    QPushButton* cmdView_;
    QPushButton* cmdPrint_;
    QPushButton* cmdSave_;
    QPushButton* cmdClose_;
    QLabel* sbInfo_;
};

} // namespace qor
