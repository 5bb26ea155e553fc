#pragma once
// "結果発表！！": the feedback window after a right answer. Shows the word's figures,
// the other accepted answers, the comment and the pronunciation, and lets the learner
// set the word's importance level, which is stored on every close while "ImportantOn"
// is 1. Everything it shows comes in the verdict.

#include "quiz/DrillView.h"
#include "records/VerdictDialog.h"

class QLabel;
class QPushButton;

namespace qor {

class TfrmAtari : public VerdictDialog {
    Q_OBJECT
public:
    TfrmAtari(const Verdict& verdict, const UserFiles& files, const DrillOptions& drill,
              const LookSettings& look, QWidget* parent = nullptr);

public slots:
    void cmdOkClick();

private:
    QLabel* lblAnswer;
    QPushButton* cmdOk;
};

} // namespace qor
