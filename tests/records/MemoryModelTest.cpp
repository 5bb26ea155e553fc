#include "records/MemoryModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace qor;

namespace {

double rounded4(double v) {
    return std::round(v * 10000) / 10000;
}

} // namespace

TEST(MemoryModelTest, RetrievabilityIsNinetyPercentAfterTheStabilityAndFallsOnAPowerCurve) {
    MemoryModel m;
    for (double s : {0.212, 2.3065, 10.0, 365.0}) {
        EXPECT_NEAR(m.retrievability(s, s), 0.9, 1e-12) << s;
        EXPECT_NEAR(m.intervalDays(s, 0.9), s, 1e-9) << s;
        EXPECT_DOUBLE_EQ(m.retrievability(0, s), 1.0);
    }
    // The interval for a retention is where the curve meets it.
    EXPECT_NEAR(m.retrievability(m.intervalDays(20, 0.8), 20), 0.8, 1e-12);
    EXPECT_GT(m.intervalDays(20, 0.8), m.intervalDays(20, 0.9));
    // A power curve with the trained decay w20 = 0.1542 falls far slower than an
    // exponential one through the same 90 % point: after ten stabilities it is
    // (1 + 0.98054 * 10)^-0.1542 = 69.3 %, where 0.9^10 would be 35 %.
    EXPECT_NEAR(m.retrievability(100, 10), 0.6928, 0.0001);
}

TEST(MemoryModelTest, FirstAnswerSetsStabilityAndDifficultyByGrade) {
    MemoryModel m;
    const Fsrs6Weights& w = m.weights();
    EXPECT_DOUBLE_EQ(m.first(Grade::Again).stability, w[0]);
    EXPECT_DOUBLE_EQ(m.first(Grade::Hard).stability, w[1]);
    EXPECT_DOUBLE_EQ(m.first(Grade::Good).stability, w[2]);
    EXPECT_DOUBLE_EQ(m.first(Grade::Easy).stability, w[3]);
    // D0(1) = w4; D0(3) = w4 - e^(2 w5) + 1; D0(4) falls below 1 and is kept at 1.
    EXPECT_DOUBLE_EQ(m.first(Grade::Again).difficulty, w[4]);
    EXPECT_NEAR(m.first(Grade::Good).difficulty, 6.4133 - std::exp(2 * 0.8334) + 1, 1e-12);
    EXPECT_DOUBLE_EQ(m.first(Grade::Easy).difficulty, 1.0);
}

// Reference figures of the published model: the test "test_review_card" of py-fsrs, the
// project's Python scheduler (github.com/open-spaced-repetition/py-fsrs,
// tests/test_basic.py at commit 120420b704e8e03364f2322e6da82e6b672f60d3: FSRS-6 default
// parameters, retention 0.9, no fuzzing), gives the intervals
//   [0, 2, 11, 46, 163, 497, 0, 0, 2, 4, 7, 12, 20]
// for the grades Good x6, Again, Again, Good x5. Its scheduler keeps a new or forgotten
// card in minute-long learning steps (the intervals of 0 days): those answers are
// same-day reviews here, and each other answer comes after the interval before it.
TEST(MemoryModelTest, IntervalsOfAGradeSequenceAreThePublishedOnes) {
    MemoryModel m;
    struct Step {
        Grade grade;
        bool learningStep;  // answered again within the day
    };
    const std::vector<Step> steps = {
        {Grade::Good, true},  {Grade::Good, false}, {Grade::Good, false}, {Grade::Good, false},
        {Grade::Good, false}, {Grade::Good, false}, {Grade::Again, true}, {Grade::Again, true},
        {Grade::Good, false}, {Grade::Good, false}, {Grade::Good, false}, {Grade::Good, false},
        {Grade::Good, false},
    };
    std::vector<int> intervals;
    MemoryState s{};
    int elapsed = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        s = i == 0 ? m.first(steps[i].grade) : m.review(s, elapsed, steps[i].grade);
        elapsed = steps[i].learningStep ? 0 : m.scheduledDays(s.stability, 0.9);
        intervals.push_back(elapsed);
    }
    EXPECT_EQ(intervals, (std::vector<int>{0, 2, 11, 46, 163, 497, 0, 0, 2, 4, 7, 12, 20}));
}

// The same file's "test_memo_state": Again, then Good after 0, 1, 3, 8 and 21 days, and
// one more Good on the same day, give stability 53.3825 and difficulty 6.3809 (rounded to
// four places).
TEST(MemoryModelTest, MemoryStateAfterAPublishedSequenceMatches) {
    MemoryModel m;
    MemoryState s = m.first(Grade::Again);
    for (int days : {0, 1, 3, 8, 21})
        s = m.review(s, days, Grade::Good);
    s = m.review(s, 0, Grade::Good);
    EXPECT_DOUBLE_EQ(rounded4(s.stability), 53.3825);
    EXPECT_DOUBLE_EQ(rounded4(s.difficulty), 6.3809);
}

// The same file's "test_repeated_correct_reviews": ten Easy answers within a moment bring
// the difficulty down to its floor, 1.
TEST(MemoryModelTest, RepeatedEasyAnswersBringDifficultyToItsFloor) {
    MemoryModel m;
    MemoryState s = m.first(Grade::Easy);
    for (int i = 1; i < 10; ++i)
        s = m.review(s, 0, Grade::Easy);
    EXPECT_EQ(s.difficulty, 1.0);
}

TEST(MemoryModelTest, DifficultyStepsAreDampedNearTheTopAndRevertTowardsEasy) {
    MemoryModel m;
    // Again adds 2 w6 (10 - D) / 9, then w7 of the way back to D0(4) = 1: a large step at
    // 2, almost none at 9.9.
    EXPECT_NEAR(m.nextDifficulty(2, Grade::Again), 0.001 * 1 + 0.999 * (2 + 2 * 3.0194 * 8 / 9), 1e-12);
    EXPECT_LT(m.nextDifficulty(9.9, Grade::Again) - 9.9, 0.1);
    EXPECT_LE(m.nextDifficulty(9.99, Grade::Again), 10.0);
    // Good moves only by the mean reversion, a little towards 1.
    EXPECT_LT(m.nextDifficulty(5, Grade::Good), 5.0);
    EXPECT_GT(m.nextDifficulty(5, Grade::Good), 4.99);
    EXPECT_EQ(m.nextDifficulty(1.2, Grade::Easy), 1.0);
}

TEST(MemoryModelTest, RecallRaisesStabilityMoreWhenLaterAndForgettingLowersIt) {
    MemoryModel m;
    const double d = 5, s = 10;
    const double onTime = m.recallStability(d, s, m.retrievability(10, s), Grade::Good);
    const double late = m.recallStability(d, s, m.retrievability(40, s), Grade::Good);
    EXPECT_GT(onTime, s);
    EXPECT_GT(late, onTime);
    // Hard gains less than Good, Easy more.
    const double r = m.retrievability(10, s);
    EXPECT_LT(m.recallStability(d, s, r, Grade::Hard), onTime);
    EXPECT_GT(m.recallStability(d, s, r, Grade::Easy), onTime);
    // A harder word gains less.
    EXPECT_LT(m.recallStability(8, s, r, Grade::Good), onTime);

    const double forgot = m.forgetStability(d, s, r);
    EXPECT_LT(forgot, s);
    // Never above what a same-day Again leaves: S / e^(w17 w18).
    const double small = 0.05;
    EXPECT_LE(m.forgetStability(1, small, 0.99), small / std::exp(0.5425 * 0.0912) + 1e-15);
}

TEST(MemoryModelTest, SameDayReviewsNeverLowerStabilityForGoodOrEasy) {
    MemoryModel m;
    for (double s : {0.1, 2.0, 50.0, 1000.0}) {
        EXPECT_GE(m.sameDayStability(s, Grade::Good), s) << s;
        EXPECT_GE(m.sameDayStability(s, Grade::Easy), m.sameDayStability(s, Grade::Good)) << s;
        EXPECT_LT(m.sameDayStability(s, Grade::Again), s) << s;
        EXPECT_LT(m.sameDayStability(s, Grade::Hard), s) << s;
    }
    // Small stabilities grow faster than large ones: S^-w19.
    EXPECT_GT(m.sameDayStability(0.5, Grade::Easy) / 0.5, m.sameDayStability(500, Grade::Easy) / 500);
    // Less than a day is a same-day review.
    MemoryState s{5, 5};
    EXPECT_EQ(m.review(s, 0.5, Grade::Again).stability, m.sameDayStability(5, Grade::Again));
    EXPECT_NE(m.review(s, 1, Grade::Again).stability, m.sameDayStability(5, Grade::Again));
}

TEST(MemoryModelTest, ScheduledDaysAreRoundedAndAtLeastOne) {
    MemoryModel m;
    EXPECT_EQ(m.scheduledDays(0.212, 0.9), 1);
    EXPECT_EQ(m.scheduledDays(2.3065, 0.9), 2);
    EXPECT_EQ(m.scheduledDays(2.6, 0.9), 3);
    EXPECT_EQ(m.scheduledDays(1e9, 0.9), 36500);
}
