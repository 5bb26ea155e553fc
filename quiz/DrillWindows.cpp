#include "quiz/DrillWindows.h"

#include "base/Clock.h"
#include "quiz/TfrmAtari.h"
#include "quiz/TfrmFinish.h"
#include "ui/Platform.h"
#include "ui/WindowOpen.h"


namespace qor {

MissedAnswer missedAnswerOf(const Verdict& verdict) {
    MissedAnswer a;
    a.lineText = verdict.lineText;
    a.answerSide = verdict.answerSide;
    a.comment = verdict.comment;
    a.shown = verdict.shown;
    a.typedAnswer = verdict.typedAnswer;
    a.pronunciation = verdict.pronunciation;
    a.wordAsked = verdict.wordAsked;
    a.wordPercentage = verdict.wordPercentage;
    a.canAccept = verdict.canAccept;
    a.dictionaryName = verdict.dictionaryName;
    return a;
}

ErrorReviewInput errorReviewOf(const DrillSummary& drill) {
    ErrorReviewInput review;
    review.missedLines = drill.missedLines;
    review.wrongCount = drill.wrongCount;
    review.direction = drill.direction;
    review.dictionaryName = drill.dictionaryName;
    review.today = DateTexts::of(programClock().now());
    return review;
}

void showAtariWindow(QWidget* parent, const Verdict& verdict, const TUserSettings& settings) {
    ui::openWindow(parent, QStringLiteral("結果発表"), [&] {
        TfrmAtari window(verdict, UserFiles(settings), settings.drill, settings.look, parent);
        ui::platform().showModal(window);
    });
}

bool showResultErrorWindow(QWidget* parent, const Verdict& verdict, const TUserSettings& settings) {
    bool accepted = false;
    ui::openWindow(parent, QStringLiteral("不正解"), [&] {
        TfrmResultError window(missedAnswerOf(verdict), UserFiles(settings), settings.drill,
                               settings.look, parent);
        ui::platform().showModal(window);
        accepted = window.answerAccepted();
    });
    return accepted;
}

void showDrillEndWindow(QWidget* parent, const DrillSummary& summary, bool errorReview,
                        const TUserSettings& settings) {
    if (errorReview) {
        showErrorReviewWindow(parent, settings, summary);
        return;
    }
    ui::openWindow(parent, QStringLiteral("最終結果"), [&] {
        TfrmFinish window(summary, errorReviewOf(summary), ErrorReviewSettings(settings), parent);
        ui::platform().showModal(window);
    });
}

void showErrorReviewWindow(QWidget* parent, const TUserSettings& settings,
                           const DrillSummary& lastDrill) {
    ui::openWindow(parent, QStringLiteral("間違えの表示"), [&] {
        TfrmShowError window(errorReviewOf(lastDrill), ErrorReviewSettings(settings), parent);
        ui::platform().showModal(window);
    });
}

} // namespace qor
