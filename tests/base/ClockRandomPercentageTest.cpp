#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Percentage.h"
#include "base/Random.h"

#include <gtest/gtest.h>
#include <set>

using namespace qor;

TEST(Percentage, RoundsAHalfUpAsTheRecordsDo) {
    EXPECT_EQ(percentageText(1, 8), "13");
    EXPECT_EQ(percentageText(1, 3), "33");
    EXPECT_EQ(percentageText(2, 3), "67");
    EXPECT_EQ(percentageText(3, 4), "75");
    EXPECT_EQ(percentageText(0, 5), "0");
    EXPECT_EQ(percentageText(5, 5), "100");
    EXPECT_EQ(percentageText(1, 200), "1");     // 0.5 rounds up
    EXPECT_EQ(percentageText(1, 201), "0");     // 0.497...
    EXPECT_EQ(percentageText(7, 10), "70");
    EXPECT_EQ(percentageText(1, 6), "17");      // 16.666...
    EXPECT_EQ(percentageText(5, 8), "63");      // 62.5
    EXPECT_EQ(percentageText(0, 0), "0");
    EXPECT_EQ(percentageText(1, 1000000), "0");
}

TEST(DateTexts, NineAugust1999AtFiveMinutesPastNine) {
    DateTexts d = DateTexts::of({1999, 8, 9, 9, 5, 7});
    EXPECT_EQ(d.year, "1999");
    EXPECT_EQ(d.month, "8");
    EXPECT_EQ(d.day, "9");
    EXPECT_EQ(d.monthDay, "8/9");
    EXPECT_EQ(d.yearMonth, "19998");
    EXPECT_EQ(d.clock, sj("9：5：07"));
    DateTexts late = DateTexts::of({2002, 12, 31, 23, 59, 59});
    EXPECT_EQ(late.monthDay, "12/31");
    EXPECT_EQ(late.yearMonth, "200212");
    EXPECT_EQ(late.clock, sj("23：59：59"));
}

TEST(DateTexts, DayDifferencesAcrossMonthsYearsAndLeapDays) {
    EXPECT_EQ(daysBetween(2002, 3, 14, 2002, 3, 15), 1);
    EXPECT_EQ(daysBetween(2002, 3, 15, 2002, 3, 15), 0);
    EXPECT_EQ(daysBetween(2002, 3, 16, 2002, 3, 15), -1);
    EXPECT_EQ(daysBetween(2003, 12, 31, 2004, 3, 1), 61);
    EXPECT_TRUE(isValidDate(2004, 2, 29));
    EXPECT_FALSE(isValidDate(2003, 2, 29));
    EXPECT_FALSE(isValidDate(2003, 13, 1));
}

TEST(ClockInjection, TheProgramClockCanBeFixed) {
    FixedClock fixed({2001, 3, 4, 5, 6, 7});
    setClock(&fixed);
    EXPECT_EQ(programClock().now().month, 3);
    fixed.set({2001, 4, 1, 0, 0, 0});
    EXPECT_EQ(programClock().now().month, 4);
    setClock(nullptr);
    EXPECT_GE(programClock().now().year, 2024);
}

TEST(Random, ModuloZeroGivesZeroAndValuesStayInRange) {
    MersenneRandom r(42);
    EXPECT_EQ(r.below(0), 0);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        int v = r.below(5);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 5);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 5u);
}

TEST(Random, ScriptedValuesComeInOrderAndCanBeInstalled) {
    ScriptedRandom scripted({3, 1, 7});
    setRandom(&scripted);
    EXPECT_EQ(programRandom().below(10), 3);
    EXPECT_EQ(programRandom().below(10), 1);
    EXPECT_EQ(programRandom().below(5), 2);
    EXPECT_EQ(programRandom().below(10), 3);
    EXPECT_EQ(programRandom().below(0), 0);
    setRandom(nullptr);
    EXPECT_EQ(scripted.draws(), 5);
}
