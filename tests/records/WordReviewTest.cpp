#include "records/WordReview.h"
#include "tests/support/StudyDays.h"

#include <gtest/gtest.h>


using namespace qor;
using qor::test::day;

TEST(StudyDayTest, DaysCountAcrossMonthsYearsAndLeapDays) {
    EXPECT_EQ(day(2025, 3, 1) - day(2025, 2, 28), 1);
    EXPECT_EQ(day(2024, 3, 1) - day(2024, 2, 28), 2);
    EXPECT_EQ(day(2025, 1, 1) - day(2024, 12, 31), 1);
    EXPECT_EQ(day(1970, 1, 1).number, 0);
    EXPECT_FALSE(StudyDay::of(2025, 2, 29));
    EXPECT_FALSE(StudyDay::of(2025, 13, 1));
    EXPECT_EQ(StudyDay::of(DateTime{2025, 3, 14, 23, 59, 59}), day(2025, 3, 14));

    EXPECT_EQ(day(2025, 3, 4).text(), "2025-03-04");
    EXPECT_EQ(StudyDay::parse("2025-03-04"), day(2025, 3, 4));
    for (const char* bad : {"2025-3-4", "2025-02-30", "2025/03/04", "2025-03-04 ", "", "abcd-ef-gh"})
        EXPECT_FALSE(StudyDay::parse(bad)) << bad;

    EXPECT_EQ(day(2025, 3, 14).firstOfMonthBefore(11), day(2024, 4, 1));
    EXPECT_EQ(day(2025, 12, 31).firstOfMonthBefore(11), day(2025, 1, 1));
    EXPECT_EQ(day(2025, 1, 5).firstOfMonthBefore(0), day(2025, 1, 1));
}

TEST(WordReviewTest, OnlyTheFirstAnswerOfADayMovesTheScheduleForward) {
    MemoryModel m;
    std::optional<WordReview> r;
    const StudyDay d1 = day(2025, 3, 14);

    ASSERT_TRUE(applyAnswer(r, Grade::Good, d1, m));
    EXPECT_EQ(r->lastReview, d1);
    EXPECT_EQ(r->memory.stability, m.first(Grade::Good).stability);
    EXPECT_EQ(r->reviews, 1);
    EXPECT_EQ(r->lapses, 0);

    // A second right answer the same day changes nothing.
    const WordReview afterFirst = *r;
    EXPECT_FALSE(applyAnswer(r, Grade::Easy, d1, m));
    EXPECT_FALSE(applyAnswer(r, Grade::Good, d1, m));
    EXPECT_EQ(*r, afterFirst);

    // A miss the same day brings it back sooner by the same-day rule, without counting a
    // review or a lapse.
    EXPECT_TRUE(applyAnswer(r, Grade::Again, d1, m));
    EXPECT_LT(r->memory.stability, afterFirst.memory.stability);
    EXPECT_EQ(r->memory.stability, m.sameDayStability(afterFirst.memory.stability, Grade::Again));
    EXPECT_GT(r->memory.difficulty, afterFirst.memory.difficulty);
    EXPECT_EQ(r->reviews, 1);
    EXPECT_EQ(r->lapses, 0);
    EXPECT_EQ(r->lastReview, d1);

    // The first answer of a later day is a review after the whole days between.
    const WordReview before = *r;
    const StudyDay d3 = d1.plus(2);
    EXPECT_TRUE(applyAnswer(r, Grade::Good, d3, m));
    const MemoryState expected = m.review(before.memory, 2, Grade::Good);
    EXPECT_EQ(r->memory.stability, expected.stability);
    EXPECT_EQ(r->memory.difficulty, expected.difficulty);
    EXPECT_EQ(r->lastReview, d3);
    EXPECT_EQ(r->reviews, 2);

    // A forgotten word counts a lapse.
    EXPECT_TRUE(applyAnswer(r, Grade::Again, d3.plus(5), m));
    EXPECT_EQ(r->reviews, 3);
    EXPECT_EQ(r->lapses, 1);
}

TEST(WordReviewTest, ASameDayHardNeverRaisesStabilityAndAnEarlierDateCountsAsTheSameDay) {
    MemoryModel m;
    // A very small stability, where S^-w19 is largest.
    std::optional<WordReview> r = WordReview{day(2025, 3, 14), {0.001, 5}, 1, 0};
    EXPECT_TRUE(applyAnswer(r, Grade::Hard, day(2025, 3, 14), m));
    EXPECT_LE(r->memory.stability, 0.001);

    std::optional<WordReview> back = WordReview{day(2025, 3, 14), {10, 5}, 4, 1};
    EXPECT_FALSE(applyAnswer(back, Grade::Good, day(2025, 3, 10), m));  // the clock was put back
    EXPECT_EQ(back->lastReview, day(2025, 3, 14));
    EXPECT_EQ(back->reviews, 4);
}

TEST(WordReviewTest, RecordTextRoundTripsExactly) {
    const WordReview r{day(2025, 3, 14), {10.964332335820703, 2.1169858664885557}, 12, 3};
    EXPECT_EQ(reviewText(r), "2025-03-14,10.964332335820703,2.1169858664885557,12,3");
    EXPECT_EQ(parseReview(reviewText(r)), r);
    const WordReview odd{day(1999, 12, 31), {1.0 / 3.0, 10}, 0, 0};
    EXPECT_EQ(parseReview(reviewText(odd)), odd);
}

TEST(WordReviewTest, BrokenRecordTextsAreRefused) {
    for (const char* bad : {
             "",
             "2025-03-14",
             "2025-03-14,2.3,5,1",          // a field missing
             "2025-03-14,2.3,5,1,0,9",      // one too many
             "2025-02-30,2.3,5,1,0",        // no such day
             "2025-03-14,x,5,1,0",          // not a number
             "2025-03-14,2.3 ,5,1,0",       // a space
             "2025-03-14,0,5,1,0",          // stability must be above 0
             "2025-03-14,-1,5,1,0",
             "2025-03-14,nan,5,1,0",
             "2025-03-14,inf,5,1,0",
             "2025-03-14,2.3,0.5,1,0",      // difficulty outside 1..10
             "2025-03-14,2.3,11,1,0",
             "2025-03-14,2.3,5,-1,0",       // negative counts
             "2025-03-14,2.3,5,1,-2",
             "2025-03-14,2.3,5,1.5,0",
             "2025-03-14,2.3,5,99999999999,0",
         })
        EXPECT_FALSE(parseReview(bad)) << bad;
    EXPECT_TRUE(parseReview("2025-03-14,2.3,5,1,0"));
    EXPECT_TRUE(parseReview("2025-03-14,2e1,1,0,0"));
}
