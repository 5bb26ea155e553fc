#pragma once
// The option group of the question setup dialog: "出題オプションを設定する" and the
// options under it, one at most, each setting its flag in the dialog's copy of the drill's
// plan. The group keeps its own controls in line (the drill number of the earlier
// options, the continuation of the ordered drill); what an option does to the dictionary
// and the question count is the dialog's business.

#include "quiz/DrillState.h"

#include <QString>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace ui {
class UpDown;
}

namespace qor {

enum class SetupOption {
    SameQuestions,    // the last drill again
    LastErrors,       // the last drill's misses
    EarlierDrill,     // an earlier drill of this run
    EarlierErrors,    // an earlier drill's misses
    Yesterday,        // yesterday's misses
    NotSameQuestion,  // no word twice
    NotRandom,        // in dictionary order
    DailyReview,      // the words due today, then new ones
};

// The two options that ask which earlier drill.
bool isEarlierOption(SetupOption option);

class SetupOptionGroup : public QWidget {
    Q_OBJECT
public:
    // modes belongs to the dialog's plan.
    SetupOptionGroup(DrillModes& modes, QWidget* parent);

    bool isOn() const;
    // Ticks or clears the group's box (running what that does) when it is not so already.
    void setOn(bool on);

    // Which options that replay this run's drills can be chosen.
    void setHistoryEnabled(bool lastDrill, bool earlierDrills);

    // The option chosen again as the dialog is shown, with the drill number of an earlier
    // option and the continuation of the ordered drill.
    void restore(SetupOption option, int drillNumber, bool continueOrder);
    // No option chosen, every option's flag cleared.
    void clear();
    // The controls beside the options as they are with none chosen.
    void resetControls();
    // The option chosen could not be taken: none is chosen and its flag is cleared.
    void refuse(SetupOption option);

    // The earlier option chosen, if any, and the drill number typed for it.
    bool earlierChosen() const;
    bool earlierErrorsChosen() const;
    int drillNumber() const;
    // What the drill number chosen will ask, as a tooltip of its field.
    void setDrillNumberHint(const QString& hint);

signals:
    // The group's box was ticked or cleared (the options are cleared first).
    void switched(bool on);
    // An option became the chosen one; its flag is set and the others' cleared.
    void chosen(SetupOption option);
    // The drill number of the earlier options changed.
    void drillNumberChanged();

private:
    struct Option {
        SetupOption kind;
        QRadioButton* button;
        bool DrillModes::*flag;
    };

    void chkOptionClick();
    void optionClick(const Option& option);
    void showDrillNumber(bool shown);
    QRadioButton* button(SetupOption option) const;

    DrillModes& modes_;
    QCheckBox* chkOption_;
    QGroupBox* gbOption_;
    QButtonGroup* grpOption_;
    QRadioButton* rbSameQuestion_;
    QRadioButton* rbErrorOnly_;
    QRadioButton* rbPrevQuestionOn_;
    QRadioButton* rbPrevErrorOn_;
    QLabel* lblOptionNum_;
    QLineEdit* txtOptionNum_;
    ui::UpDown* udOptionNum_;
    QLabel* lblOptionUnit_;
    QRadioButton* rbYesterdayOn_;
    QRadioButton* rbNotSameQuestion_;
    QRadioButton* rbNotRandom_;
    QCheckBox* chkNotRandomContinue_;
    QRadioButton* rbDailyReview_;
    std::vector<Option> options_;
};

} // namespace qor
