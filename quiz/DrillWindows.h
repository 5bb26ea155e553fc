#pragma once
// The windows of a drill, opened for the main window (its DrillView methods and the
// command "間違えの表示 (&E)"). Each is created for one showing and shown modally
// through the platform; one that cannot be created or shown is reported as
// "<name>ダイアログの表示に失敗しました。\nQor Helperを再起動してください。" and the
// drill goes on.

#include "quiz/DrillState.h"
#include "quiz/DrillView.h"
#include "records/TfrmShowError.h"
#include "records/TfrmResultError.h"
#include "settings/TUserSettings.h"

class QWidget;

namespace qor {

// TfrmAtari for a right answer (DrillView::showAtari).
void showAtariWindow(QWidget* parent, const Verdict& verdict, const TUserSettings& settings,
                     const DrillState& state);

// TfrmResultError for a wrong answer (DrillView::showResultError); true when the learner
// declared the typed answer right.
bool showResultErrorWindow(QWidget* parent, const Verdict& verdict, const TUserSettings& settings,
                           const DrillState& state);

// The end of a completed drill (DrillView::showDrillEnd): the error review window when
// errorReview is set ("ErrorDialogOn"), otherwise TfrmFinish.
void showDrillEndWindow(QWidget* parent, const DrillSummary& summary, bool errorReview,
                        const TUserSettings& settings, const DrillState& state);

// TfrmShowError with the last drill of this run (also after a stopped drill: its misses
// so far).
void showErrorReviewWindow(QWidget* parent, const TUserSettings& settings, const DrillState& state);

// What the two windows of a miss take from the drill.
MissedAnswer missedAnswerOf(const Verdict& verdict);
// The last drill's misses, with today's date texts from the program clock.
ErrorReviewInput errorReviewOf(const DrillState& state);

} // namespace qor
