#include "quiz/DrillState.h"

namespace qor {

DrillRecord& DrillHistory::advance() {
    current = (current + 1) % kHistorySlots;
    return drills[static_cast<std::size_t>(current)];
}

void DrillModes::clearHistoryModes() {
    sameQuestions = lastErrors = earlierDrill = earlierErrors = yesterday = false;
}

QuestionSource activeSource(const DrillModes& m) {
    if (m.sameQuestions)
        return QuestionSource::SameQuestions;
    if (m.lastErrors)
        return QuestionSource::LastErrors;
    if (m.earlierDrill)
        return QuestionSource::EarlierDrill;
    if (m.earlierErrors)
        return QuestionSource::EarlierErrors;
    if (m.yesterday)
        return QuestionSource::Yesterday;
    if (m.dailyReview)
        return QuestionSource::DailyReview;
    if (m.notSameQuestion)
        return QuestionSource::NotSameQuestion;
    if (m.notRandom)
        return QuestionSource::NotRandom;
    if (m.custom)
        return QuestionSource::Custom;
    if (m.importance)
        return QuestionSource::Importance;
    return QuestionSource::Random;
}

} // namespace qor
