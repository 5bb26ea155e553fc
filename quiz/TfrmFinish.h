#pragma once
// "全問終了": the end window of a completed drill. Shows the drill's result and opens
// the error review window when some answer was wrong.

#include "quiz/DrillView.h"
#include "records/TfrmShowError.h"

#include <QColor>
#include <QDialog>

class QLabel;
class QPushButton;

namespace qor {

class TfrmFinish : public QDialog {
    Q_OBJECT
public:
    // review: the drill's misses, for "間違えの表示".
    TfrmFinish(const DrillSummary& summary, ErrorReviewInput review, ErrorReviewSettings settings,
               QWidget* parent = nullptr);

private slots:
    void cmdShowErrorClick();
    void cmdCloseClick();

private:
    QLabel* lblResult;
    QLabel* lblData;
    QLabel* lblQuestionNum;
    QLabel* lblAtariNum;
    QPushButton* cmdShowError;
    QPushButton* cmdClose;
    ErrorReviewInput review_;
    ErrorReviewSettings settings_;
};

// "CONGRATULATION !!" of a perfect drill: a light blue that reads on the black panel.
QColor finishPerfectColor();

} // namespace qor
