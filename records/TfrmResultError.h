#pragma once
// "不正解": the error dialog after a wrong typed answer. Shows the right answers, the
// learner's answer, the comment and the pronunciation; lets the learner declare the
// typed answer right (it is added to the dictionary's answer file) and set the word's
// importance level, which is stored on every close while "ImportantOn" is 1.

#include "records/VerdictDialog.h"

#include <string>

class QLabel;
class QPushButton;

namespace qor {

// The word just missed, as the dialog shows it (CP932 texts).
struct MissedAnswer {
    std::string lineText;       // the whole dictionary line: names the word in the importance file
    std::string answerSide;     // every accepted answer
    std::string comment;
    std::string shown;          // the question alternative on screen
    std::string typedAnswer;
    std::string pronunciation;  // first line of the pronunciation box
    int wordAsked = 0;
    std::string wordPercentage;
    bool canAccept = true;      // only a typed answer can be declared right
    std::string dictionaryName; // names the answer and importance files in the user folder
};

class TfrmResultError : public VerdictDialog {
    Q_OBJECT
public:
    TfrmResultError(const MissedAnswer& answer, const UserFiles& files, const DrillOptions& drill,
                    const LookSettings& look, QWidget* parent = nullptr);

    // True once "正解にする" was used (also when the answer file could not be written).
    bool answerAccepted() const { return accepted_; }

public slots:
    void cmdAddClick();
    void cmdCloseClick();

private:
    QLabel* lblAnswer;
    QLabel* lblKaitou;
    QLabel* lblQuestion;
    QLabel* pnlCaution;
    QPushButton* cmdAdd;
    QPushButton* cmdClose;
    MissedAnswer answer_;
    std::string userFolder_;
    bool accepted_ = false;
};

} // namespace qor
