#include "records/ReviewGrade.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

using Verdict = AnswerFacts::Verdict;

AnswerFacts typedRight(int ms, int bytes) {
    AnswerFacts a;
    a.verdict = Verdict::Right;
    a.typed = true;
    a.milliseconds = ms;
    a.answerBytes = bytes;
    return a;
}

} // namespace

TEST(ReviewGradeTest, WrongAndTimedOutAnswersAreAgain) {
    AnswerFacts a = typedRight(1000, 5);
    a.verdict = Verdict::Wrong;
    EXPECT_EQ(gradeOf(a), Grade::Again);
    a.verdict = Verdict::TimedOut;
    EXPECT_EQ(gradeOf(a), Grade::Again);
    a.typed = false;
    EXPECT_EQ(gradeOf(a), Grade::Again);
    // A wrong retry is a miss like any other.
    a.verdict = Verdict::Wrong;
    a.repeatRetry = true;
    EXPECT_EQ(gradeOf(a), Grade::Again);
}

TEST(ReviewGradeTest, HintAcceptedAndRetryAnswersAreHard) {
    AnswerFacts hint = typedRight(1000, 5);
    hint.hintUsed = true;
    EXPECT_EQ(gradeOf(hint), Grade::Hard);  // quick, but helped

    AnswerFacts accepted = typedRight(1000, 5);
    accepted.verdict = Verdict::Wrong;
    accepted.accepted = true;
    EXPECT_EQ(gradeOf(accepted), Grade::Hard);

    AnswerFacts retry = typedRight(1000, 5);
    retry.repeatRetry = true;
    EXPECT_EQ(gradeOf(retry), Grade::Hard);
    retry.typed = false;
    EXPECT_EQ(gradeOf(retry), Grade::Hard);
}

TEST(ReviewGradeTest, QuickTypedAnswerIsEasyWithATimeThatGrowsWithItsLength) {
    EXPECT_EQ(quickAnswerMilliseconds(0), 2000);
    EXPECT_EQ(quickAnswerMilliseconds(5), 4000);   // "apple"
    EXPECT_EQ(quickAnswerMilliseconds(6), 4400);   // "りんご"
    EXPECT_EQ(quickAnswerMilliseconds(10), 6000);  // "understand"

    EXPECT_EQ(gradeOf(typedRight(3999, 5)), Grade::Easy);
    EXPECT_EQ(gradeOf(typedRight(4000, 5)), Grade::Good);
    // The same time is quick for a longer answer.
    EXPECT_EQ(gradeOf(typedRight(5000, 10)), Grade::Easy);
    EXPECT_EQ(gradeOf(typedRight(5000, 5)), Grade::Good);
}

TEST(ReviewGradeTest, ChoicesAreGoodHoweverQuick) {
    AnswerFacts a = typedRight(300, 5);
    a.typed = false;
    EXPECT_EQ(gradeOf(a), Grade::Good);
    a.milliseconds = 60000;
    EXPECT_EQ(gradeOf(a), Grade::Good);
}

TEST(ReviewGradeTest, MemorizeOnlyIsNoReview) {
    AnswerFacts a = typedRight(1000, 5);
    a.memorizeOnly = true;
    EXPECT_FALSE(gradeOf(a).has_value());
    a.verdict = Verdict::TimedOut;
    EXPECT_FALSE(gradeOf(a).has_value());
}
