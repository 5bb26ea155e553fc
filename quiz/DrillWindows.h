#pragma once
// The windows of a drill, opened for the main window (its DrillShell methods and the
// command "間違えの表示 (&E)"). Each takes what it shows as a value from the drill. Each is created for one showing and shown modally
// through the platform; one that cannot be created or shown is reported as
// "<name>ダイアログの表示に失敗しました。\nQor Helperを再起動してください。" and the
// drill goes on.

#include "quiz/DrillView.h"
#include "records/TfrmShowError.h"
#include "records/TfrmResultError.h"
#include "settings/TUserSettings.h"

class QWidget;

namespace qor {

// TfrmAtari for a right answer (DrillShell::showAtari).
void showAtariWindow(QWidget* parent, const Verdict& verdict, const TUserSettings& settings);

// TfrmResultError for a wrong answer (DrillShell::showResultError); true when the learner
// declared the typed answer right.
bool showResultErrorWindow(QWidget* parent, const Verdict& verdict, const TUserSettings& settings);

// The end of a completed drill (DrillShell::showDrillEnd): the error review window when
// errorReview is set ("ErrorDialogOn"), otherwise TfrmFinish.
void showDrillEndWindow(QWidget* parent, const DrillSummary& summary, bool errorReview,
                        const TUserSettings& settings);

// TfrmShowError with the last drill of this run (Drill::lastDrill(): also after a stopped
// drill, its misses so far).
void showErrorReviewWindow(QWidget* parent, const TUserSettings& settings,
                           const DrillSummary& lastDrill);

// What the two windows of a miss take from the drill.
MissedAnswer missedAnswerOf(const Verdict& verdict);
// The drill's misses, with today's date texts from the program clock.
ErrorReviewInput errorReviewOf(const DrillSummary& drill);

} // namespace qor
