#pragma once
// "出題の設定": the full way to start a drill. Created once at start-up and kept until
// exit; it keeps the state of its controls between showings. Each showing copies the
// drill's plan (question source, options, custom lines); every option sets or clears its
// flag in that copy at once, and the copy goes back to the drill whenever the dialog
// closes, OK or Cancel, so a cancelled choice still holds for the next toolbar start. OK
// checks the choice, runs the start procedure and stores the question order in Setup.ini.
//
// The main window shows it with ui::platform().showModal(dialog) ("始める"); the showing
// runs FormShow. At the end of a completed drill the main window calls drillCompleted(),
// at a stop drillStopped().

#include "quiz/Drill.h"
#include "quiz/QuestionSetupHost.h"
#include "settings/DictionaryInUse.h"
#include "settings/TUserSettings.h"
#include "tools/CustomQuestionList.h"

#include <QDialog>
#include <QList>
#include <QUrl>
#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace ui {
class UpDown;
}

namespace qor {

class TfrmQuestionSetup : public QDialog {
    Q_OBJECT
public:
    TfrmQuestionSetup(Drill& drill, TUserSettings& settings, QuestionSetupHost& host,
                      QWidget* parent = nullptr);

    // A drill has been completed: the four history options can be chosen from now on.
    void drillCompleted();
    // A drill has been stopped: the option group is turned off and the first two history
    // options (the last drill again, its errors) cannot be chosen until the next
    // completed drill.
    void drillStopped();

    // The maximum of the question count; the range label shows it after every change.
    int questionMaximum() const { return maximum_; }
    // The word count of the chosen dictionary.
    int wordCount() const { return wordCount_; }
    // The rows of the custom question list, kept between its openings.
    const CustomQuestionList& customList() const { return customList_; }
    // The drill the options chosen so far describe; the drill gets it when the dialog closes.
    const DrillPlan& plan() const { return plan_; }

    QLabel* lblBanner;
    QCheckBox* chkOnlyMemorize;
    QLineEdit* txtOnlyMemorizeTime;
    ui::UpDown* udOnlyMemorizeTime;
    QLabel* lblOnlyMemorizeTime;
    QCheckBox* chkOption;
    QGroupBox* gbOption;
    QRadioButton* rbSameQuestion;
    QRadioButton* rbErrorOnly;
    QRadioButton* rbPrevQuestionOn;
    QRadioButton* rbPrevErrorOn;
    QLabel* lblOptionNum;
    QLineEdit* txtOptionNum;
    ui::UpDown* udOptionNum;
    QLabel* lblOptionUnit;
    QRadioButton* rbYesterdayOn;
    QRadioButton* rbNotSameQuestion;
    QRadioButton* rbNotRandom;
    QCheckBox* chkNotRandomContinue;
    QCheckBox* chkSelectOn;
    QGroupBox* rgSelectNum;
    QButtonGroup* grpSelectNum;
    QButtonGroup* grpOption;
    QGroupBox* rgDicType;
    QButtonGroup* grpDicType;
    DictionaryPicker* cboDicFile;
    QPushButton* cmdSelectDicFile;
    QLineEdit* txtVocNum;
    QCheckBox* chkCustomQuestion;
    QProgressBar* cgProgress;
    QCheckBox* chkImportantQuestion;
    std::array<QToolButton*, 5> cmdLevel;  // cmd1 ... cmd5
    QCheckBox* chkNormalImportant;
    QGroupBox* rgQuestionType;
    QButtonGroup* grpQuestionType;
    QLabel* lblQuestionNum;
    QLineEdit* txtQuestionNum;
    ui::UpDown* udQuestionNum;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

public slots:
    void FormShow();
    void chkOnlyMemorizeClick();
    void chkOptionClick();
    void rbSameQuestionClick();
    void rbErrorOnlyClick();
    void rbPrevQuestionOnClick();
    void rbPrevErrorOnClick();
    void rbYesterdayOnClick();
    void rbNotSameQuestionClick();
    void rbNotRandomClick();
    void chkNotRandomContinueClick();
    void txtOptionNumChange();
    void chkSelectOnClick();
    void rgSelectNumClick();
    void rgDicTypeClick();
    void cboDicFileChange();
    void cmdSelectDicFileClick();
    // Files dropped on the dialog: the first one is tested and chosen as by O&PEN.
    void FormDropFiles(const QList<QUrl>& urls);
    void chkCustomQuestionClick();
    void chkImportantQuestionClick();
    void chkNormalImportantClick();
    void cmdOkClick();
    void cmdCancelClick();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Option {
        QRadioButton* button;
        bool DrillModes::*flag;
    };

    const DrillState& state() const { return drill_.state(); }
    DrillModes& modes() { return plan_.modes; }

    void optionClick(QRadioButton* option);
    void applyOwnRule(QRadioButton* option);
    void clearOptions();
    void resetOptionControls();
    void setDictionaryControlsEnabled(bool enabled);
    void lockQuestionCount(bool locked);
    void showOptionNumber(bool shown);
    void applyHistoryEnabled();
    void updateRangeLabel();
    void setMaximum(int maximum);
    bool isEarlierOption(QRadioButton* option) const;

    // The dictionary in use becomes `path` (CP932): counted, shown, told to the window.
    void useDictionary(const std::string& path);
    // Sources chosen for the dictionary before are dropped.
    void dictionaryChanged();
    void selectDicTypeOf(const std::string& fileName);
    void setDicTypeNone();
    void showWordCount();
    bool importanceAvailable() const;

    Drill& drill_;
    // Mutable: the chosen dictionary becomes the one in use (files.DicInUse).
    TUserSettings& settings_;
    QuestionSetupHost& host_;
    DrillPlan plan_;
    DictionaryInUse dictionaries_;
    CustomQuestionList customList_;
    std::vector<Option> options_;
    int wordCount_ = 0;
    int maximum_ = kMaxQuestions;
    int choiceKind_ = -1;
    bool lastTwoEnabled_ = false;  // the last drill again / its errors
    bool earlierEnabled_ = false;  // earlier drills and their errors
    QString appliedDicText_;
};

} // namespace qor
