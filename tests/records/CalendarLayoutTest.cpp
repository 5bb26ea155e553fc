#include "records/CalendarLayout.h"
#include "tests/support/StudyDays.h"

#include <gtest/gtest.h>

using namespace qor;
using qor::test::day;

TEST(CalendarLayoutTest, ShadeStepsChangeAtTheirFloors) {
    EXPECT_EQ(shadeStep(0), 0);
    EXPECT_EQ(shadeStep(-3), 0);
    EXPECT_EQ(shadeStep(1), 1);
    EXPECT_EQ(shadeStep(19), 1);
    EXPECT_EQ(shadeStep(20), 2);
    EXPECT_EQ(shadeStep(49), 2);
    EXPECT_EQ(shadeStep(50), 3);
    EXPECT_EQ(shadeStep(99), 3);
    EXPECT_EQ(shadeStep(100), 4);
    EXPECT_EQ(shadeStep(1000000), 4);
}

TEST(CalendarLayoutTest, WeekdaysOfKnownDates) {
    EXPECT_EQ(weekday(day(1970, 1, 1)), 4);   // a Thursday
    EXPECT_EQ(weekday(day(2026, 12, 9)), 3);  // a Wednesday
    EXPECT_EQ(weekday(day(2027, 1, 3)), 0);   // a Sunday
    EXPECT_EQ(weekday(day(1969, 12, 28)), 0); // before day 0: a Sunday too
}

TEST(CalendarLayoutTest, WeeksAreColumnsAndMonthsAndYearsAreNamedOverTheirFirstDay) {
    // Today Saturday 2 January 2027: the calendar starts on Sunday 1 February 2026.
    DayCounts counts{{day(2026, 1, 31), 5}, // the day before the first shown: left out
                     {day(2026, 2, 3), 20},
                     {day(2026, 12, 31), 99},
                     {day(2027, 1, 1), 100}};
    const StudyCalendar calendar(counts, day(2027, 1, 2));
    const CalendarLayout layout(calendar);

    ASSERT_EQ(layout.cells().size(),
              static_cast<std::size_t>(day(2027, 1, 2) - day(2026, 2, 1) + 1));
    const CalendarCell& first = layout.cells().front();
    EXPECT_EQ(first.day, day(2026, 2, 1));
    EXPECT_EQ(first.column, 0);
    EXPECT_EQ(first.row, 0); // a Sunday
    EXPECT_EQ(first.answers, 0);

    const CalendarCell* third = layout.at(0, 2);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->day, day(2026, 2, 3));
    EXPECT_EQ(third->answers, 20);
    EXPECT_EQ(third->step, 2);

    // 31 December 2026, a Thursday, and 1 January 2027 beside it in the same column.
    const int weeks = (day(2026, 12, 31) - day(2026, 2, 1)) / 7;
    const CalendarCell* newYearsEve = layout.at(weeks, 4);
    ASSERT_NE(newYearsEve, nullptr);
    EXPECT_EQ(newYearsEve->day, day(2026, 12, 31));
    EXPECT_EQ(newYearsEve->step, 3);
    const CalendarCell* newYear = layout.at(weeks, 5);
    ASSERT_NE(newYear, nullptr);
    EXPECT_EQ(newYear->day, day(2027, 1, 1));
    EXPECT_EQ(newYear->step, 4);
    const CalendarCell& today = layout.cells().back();
    EXPECT_EQ(today.day, day(2027, 1, 2));
    EXPECT_EQ(today.column, weeks);
    EXPECT_EQ(today.row, 6);
    EXPECT_EQ(layout.columns(), weeks + 1);
    EXPECT_EQ(layout.at(weeks + 1, 0), nullptr); // after today
    EXPECT_EQ(layout.at(-1, 6), nullptr);

    ASSERT_EQ(layout.months().size(), 12u);
    EXPECT_EQ(layout.months().front().number, 2);
    EXPECT_EQ(layout.months().front().column, 0);
    EXPECT_EQ(layout.months().back().number, 1);
    EXPECT_EQ(layout.months().back().column, weeks);
    // March 2026 begins on a Sunday: the first day of its own column.
    EXPECT_EQ(layout.months()[1].number, 3);
    EXPECT_EQ(layout.months()[1].column, 4);
    ASSERT_EQ(layout.years().size(), 2u);
    EXPECT_EQ(layout.years()[0].number, 2026);
    EXPECT_EQ(layout.years()[0].column, 0);
    EXPECT_EQ(layout.years()[1].number, 2027);
    EXPECT_EQ(layout.years()[1].column, weeks);
}

TEST(CalendarLayoutTest, AFirstDayLaterInTheWeekStartsItsColumnLower) {
    // Today 15 March 2026: the calendar starts on Tuesday 1 April 2025.
    const StudyCalendar calendar({}, day(2026, 3, 15));
    const CalendarLayout layout(calendar);
    EXPECT_EQ(layout.at(0, 1), nullptr);
    ASSERT_NE(layout.at(0, 2), nullptr);
    EXPECT_EQ(layout.at(0, 2)->day, day(2025, 4, 1));
    ASSERT_NE(layout.at(1, 0), nullptr);
    EXPECT_EQ(layout.at(1, 0)->day, day(2025, 4, 6));
    for (const CalendarCell& cell : layout.cells())
        EXPECT_EQ(cell.step, 0);
}
