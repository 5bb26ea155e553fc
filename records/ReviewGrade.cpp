#include "ReviewGrade.h"

#include <algorithm>

namespace qor {

namespace {

constexpr int kRecallMilliseconds = 2000;
constexpr int kMillisecondsPerByte = 400;

} // namespace

int quickAnswerMilliseconds(int answerBytes) {
    return kRecallMilliseconds + kMillisecondsPerByte * std::max(answerBytes, 0);
}

std::optional<Grade> gradeOf(const AnswerFacts& a) {
    if (a.memorizeOnly)
        return std::nullopt;
    if (a.accepted)
        return Grade::Hard;
    if (a.verdict != AnswerFacts::Verdict::Right)
        return Grade::Again;
    if (a.hintUsed || a.repeatRetry)
        return Grade::Hard;
    if (a.typed && a.milliseconds >= 0 && a.milliseconds < quickAnswerMilliseconds(a.answerBytes))
        return Grade::Easy;
    return Grade::Good;
}

} // namespace qor
