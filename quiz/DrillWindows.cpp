#include "quiz/DrillWindows.h"

#include "base/Clock.h"
#include "quiz/TfrmAtari.h"
#include "quiz/TfrmFinish.h"
#include "ui/Platform.h"
#include "ui/WindowOpen.h"

#include <algorithm>

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
    return a;
}

ErrorReviewInput errorReviewOf(const DrillState& state) {
    ErrorReviewInput review;
    const int count = std::clamp(state.wrongCount, 0, kListSlots);
    review.missedLines.assign(state.missed.begin(), state.missed.begin() + count);
    review.wrongCount = state.wrongCount;
    review.direction = state.direction;
    review.dictionaryName = state.dictionaryName;
    review.today = DateTexts::of(programClock().now());
    return review;
}

void showAtariWindow(QWidget* parent, const Verdict& verdict, const TUserSettings& settings,
                     const DrillState& state) {
    ui::openWindow(parent, QStringLiteral("結果発表"), [&] {
        TfrmAtari window(verdict, settings, state.dictionaryName, parent);
        ui::platform().showModal(window);
    });
}

bool showResultErrorWindow(QWidget* parent, const Verdict& verdict, const TUserSettings& settings,
                           const DrillState& state) {
    bool accepted = false;
    ui::openWindow(parent, QStringLiteral("不正解"), [&] {
        TfrmResultError window(missedAnswerOf(verdict), settings, state.dictionaryName, parent);
        ui::platform().showModal(window);
        accepted = window.answerAccepted();
    });
    return accepted;
}

void showDrillEndWindow(QWidget* parent, const DrillSummary& summary, bool errorReview,
                        const TUserSettings& settings, const DrillState& state) {
    if (errorReview) {
        showErrorReviewWindow(parent, settings, state);
        return;
    }
    ui::openWindow(parent, QStringLiteral("最終結果"), [&] {
        TfrmFinish window(summary, errorReviewOf(state), settings, parent);
        ui::platform().showModal(window);
    });
}

void showErrorReviewWindow(QWidget* parent, const TUserSettings& settings, const DrillState& state) {
    ui::openWindow(parent, QStringLiteral("間違えの表示"), [&] {
        TfrmShowError window(errorReviewOf(state), settings, parent);
        ui::platform().showModal(window);
    });
}

} // namespace qor
