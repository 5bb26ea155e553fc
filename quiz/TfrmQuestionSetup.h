#pragma once
// "出題の設定": the full way to start a drill. Created once at start-up and kept until
// exit; it keeps the state of its controls between showings. Each showing copies the
// drill's plan (question source, options, custom lines); every option sets or clears its
// flag in that copy at once, and the copy goes back to the drill whenever the dialog
// closes, OK or Cancel, so a cancelled choice still holds for the next toolbar start. OK
// checks the choice, runs the start procedure and stores the question order in Setup.ini.
//
// The dialog composes its parts (the option group, the custom list, the importance
// levels, memorizing only, the answer form, the dictionary, the direction and count) and
// keeps the rules between them: a source that fixes the dictionary or the count, the
// sources that exclude each other.
//
// The main window shows it with ui::platform().showModal(dialog) ("始める"); the showing
// runs FormShow. At the end of a completed drill the main window calls drillCompleted(),
// at a stop drillStopped().

#include "quiz/Drill.h"
#include "quiz/QuestionSetupHost.h"
#include "quiz/TfrmQuestionSetupOptions.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"
#include "tools/CustomQuestionList.h"

#include <QDialog>
#include <QList>
#include <QUrl>
#include <string>

class QLabel;
class QPushButton;

namespace qor {

class SetupAnswerForm;
class SetupCountPart;
class SetupCustomListPart;
class SetupDictionaryPart;
class SetupImportancePart;
class SetupMemorizeRow;

class TfrmQuestionSetup : public QDialog {
    Q_OBJECT
public:
    // The record's groups, read at each use: the dialog is kept for the whole run, while
    // the learner may change user or settings. files: the paths, whose dictionary in use
    // the dialog changes; options: the drill options (whether importance levels are kept).
    TfrmQuestionSetup(Drill& drill, CurrentUserFiles user, PathSettings& files,
                      const DrillOptions& options, const DefaultDictionaryTypes& dicTypes,
                      QuestionSetupHost& host, QWidget* parent = nullptr);

    // A drill has been completed: the four history options can be chosen from now on.
    void drillCompleted();
    // A drill has been stopped: the option group is turned off and the first two history
    // options (the last drill again, its errors) cannot be chosen until the next
    // completed drill.
    void drillStopped();

    // The maximum of the question count; the range label shows it after every change.
    int questionMaximum() const;
    // The word count of the chosen dictionary.
    int wordCount() const;
    // The rows of the custom question list, kept between its openings.
    const CustomQuestionList& customList() const;
    // The drill the options chosen so far describe; the drill gets it when the dialog closes.
    const DrillPlan& plan() const { return plan_; }

public slots:
    void FormShow();
    // Files dropped on the dialog: the first one is tested and chosen as by O&PEN.
    void FormDropFiles(const QList<QUrl>& urls);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void cmdOkClick();
    void cmdCancelClick();

private:
    const DrillState& state() const { return drill_.state(); }
    DrillModes& modes() { return plan_.modes; }

    void layOut();
    void connectParts();

    // The rules between the parts.
    void optionsSwitched(bool on);
    void optionChosen(SetupOption option);
    void applyOwnRule(SetupOption option);
    void drillNumberChanged();
    void customListSwitched(bool on);
    void customListChosen(int count);
    void importanceSwitched(bool on);
    void memorizeSwitched(bool on);
    // Sources chosen for the dictionary before are dropped.
    void dictionaryChanged();
    void applyHistoryEnabled();
    bool importanceAvailable() const;
    void restoreOption(const DrillModes& m);

    Drill& drill_;
    CurrentUserFiles user_;
    // Mutable: the chosen dictionary becomes the one in use (files.DicInUse).
    PathSettings& files_;
    const DrillOptions& drillOptions_;
    QuestionSetupHost& host_;
    DrillPlan plan_;

    QLabel* lblBanner_;
    SetupMemorizeRow* memorize_;
    SetupOptionGroup* options_;
    SetupCustomListPart* customList_;
    SetupImportancePart* importance_;
    SetupAnswerForm* answerForm_;
    SetupDictionaryPart* dictionary_;
    SetupCountPart* count_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;

    bool lastTwoEnabled_ = false;  // the last drill again / its errors
    bool earlierEnabled_ = false;  // earlier drills and their errors
};

} // namespace qor
