#include "records/StudyCalendar.h"

#include "RecordsFixture.h"
#include "records/ReviewFile.h"
#include "tests/support/StudyDays.h"

using namespace qor;
using qor::test::day;
using namespace qor::test;

namespace {

// A daily record file as the drill leaves it: the lists of section "Error", the month's
// counts and a section per day with the misses of each word.
std::string dailyRecord(const std::string& month,
                        std::initializer_list<std::pair<std::string, std::vector<int>>> days) {
    std::string out = crlf({"[Error]", "Date=1/9", "Num=2", "Today=3,7", "YesterdayNum=1",
                            "Yesterday=5", "", "[" + month + "]", sj("apple_りんご") + "=9",
                            sj("dog_犬") + "=4"});
    for (const auto& [section, misses] : days) {
        out += "\r\n[" + section + "]\r\n";
        int word = 0;
        for (int n : misses)
            out += sj("word") + std::to_string(word++) + sj("_単語") + "=" + std::to_string(n) + "\r\n";
    }
    return out;
}

} // namespace

class StudyCalendarTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        // verbs: a gap day (3/13) and a month boundary (2/28 - 3/1).
        put("20252_verbs.dat", dailyRecord("2", {{"2/27", {1}}, {"2/28", {2, 1}}}));
        put("20253_verbs.dat", dailyRecord("3", {{"3/1", {1}}, {"3/12", {3}}, {"3/14", {1, 1, 1}}}));
        // nouns: a year boundary (12/31 - 1/1), and the same 3/14 as verbs.
        put("202412_nouns.dat", dailyRecord("12", {{"12/30", {1}}, {"12/31", {5}}}));
        put("20251_nouns.dat", dailyRecord("1", {{"1/1", {2}}, {"1/2", {1}}}));
        put("20253_nouns.dat", dailyRecord("3", {{"3/14", {4}}}));
        // Record files of other kinds, which hold no days.
        put("2025_verbs.dat", crlf({"[" + sj("問題=出題総数,正解総数,正解率％") + "]", "COUNT=1",
                                    sj("apple_りんご") + "=3,1,33"}));
        put("2025.dat", crlf({"[verbs.txt]", "Check=1", "1=4,2,50", "3=9,3,33"}));
        put("error5.cun", crlf({"[verbs.txt]", sj("Error1=apple_りんご"), "Num1=9"}));
        put("Temp.dat", crlf({"[verbs.txt]", "Count=1", "1=70"}));
        put("202513_verbs.dat", dailyRecord("13", {{"13/1", {7}}}));   // no such month
        put("20250_verbs.dat", dailyRecord("0", {{"0/1", {7}}}));
        put("20253_.dat", dailyRecord("3", {{"3/2", {7}}}));         // no dictionary name
    }
};

TEST_F(StudyCalendarTest, MissesOfTheDailyRecordFilesAreSummedPerDay) {
    const DayCounts misses = dailyRecordMisses(user);
    EXPECT_EQ(misses, (DayCounts{
                          {day(2024, 12, 30), 1},
                          {day(2024, 12, 31), 5},
                          {day(2025, 1, 1), 2},
                          {day(2025, 1, 2), 1},
                          {day(2025, 2, 27), 1},
                          {day(2025, 2, 28), 3},
                          {day(2025, 3, 1), 1},
                          {day(2025, 3, 12), 3},
                          {day(2025, 3, 14), 7},  // 3 of verbs and 4 of nouns
                      }));
}

TEST_F(StudyCalendarTest, StreaksCrossMonthAndYearBoundariesAndStopAtAGapDay) {
    StudyCalendar c(dailyRecordMisses(user), day(2025, 3, 14));
    // 12/30, 12/31, 1/1, 1/2 is the longest run; 3/13 has no answer.
    EXPECT_EQ(c.longestStreak(), 4);
    EXPECT_EQ(c.currentStreak(), 1);

    // The next morning, before any answer, yesterday still counts.
    StudyCalendar morning(dailyRecordMisses(user), day(2025, 3, 15));
    EXPECT_EQ(morning.currentStreak(), 1);
    // A day later without answers the streak is over.
    StudyCalendar later(dailyRecordMisses(user), day(2025, 3, 16));
    EXPECT_EQ(later.currentStreak(), 0);
    // Ending on the month boundary run.
    EXPECT_EQ(StudyCalendar(dailyRecordMisses(user), day(2025, 3, 2)).currentStreak(), 3);
    // Ending on the year boundary run, on its last day.
    EXPECT_EQ(StudyCalendar(dailyRecordMisses(user), day(2025, 1, 2)).currentStreak(), 4);
}

TEST_F(StudyCalendarTest, TheGridHoldsEveryDayOfTwelveCalendarMonths) {
    StudyCalendar c(dailyRecordMisses(user), day(2025, 3, 14));
    EXPECT_EQ(c.first(), day(2024, 4, 1));
    const std::vector<int> days = c.days();
    ASSERT_EQ(static_cast<int>(days.size()), day(2025, 3, 14) - day(2024, 4, 1) + 1);
    auto at = [&](StudyDay d) { return days[static_cast<std::size_t>(d - c.first())]; };
    EXPECT_EQ(at(day(2024, 12, 31)), 5);
    EXPECT_EQ(at(day(2025, 2, 28)), 3);
    EXPECT_EQ(at(day(2025, 3, 13)), 0);
    EXPECT_EQ(days.back(), 7);
    int total = 0;
    for (int n : days)
        total += n;
    EXPECT_EQ(total, 1 + 5 + 2 + 1 + 1 + 3 + 1 + 3 + 7);

    // Days before the first month are left out, though they count for the longest streak.
    put("20243_verbs.dat", dailyRecord("3", {{"3/25", {1}}, {"3/26", {1}}, {"3/27", {1}},
                                             {"3/28", {1}}, {"3/29", {1}}, {"3/30", {1}},
                                             {"3/31", {1}}}));
    StudyCalendar withMarch(dailyRecordMisses(user), day(2025, 3, 14));
    EXPECT_EQ(withMarch.days(), days);
    EXPECT_EQ(withMarch.longestStreak(), 7);
}

TEST_F(StudyCalendarTest, ReviewFileCountsGiveEveryAnswerAndFillTheGap) {
    // The review file of verbs counts all answers from 3/13 on; nouns has none.
    {
        ReviewFile verbs(user, "verbs");
        for (int i = 0; i < 6; ++i)
            ASSERT_TRUE(verbs.recordAnswer("w" + std::to_string(i) + "_x", Grade::Good, day(2025, 3, 13)));
        for (int i = 0; i < 10; ++i)
            ASSERT_TRUE(verbs.recordAnswer("w" + std::to_string(i) + "_x", Grade::Again, day(2025, 3, 14)));
    }
    const DayCounts all = studyDayCounts(user);
    EXPECT_EQ(all.at(day(2025, 3, 13)), 6);
    // 3/14: verbs' ten answers replace its three misses; nouns' four misses are added.
    EXPECT_EQ(all.at(day(2025, 3, 14)), 10 + 4);
    // Days before the review file began keep the misses.
    EXPECT_EQ(all.at(day(2025, 3, 12)), 3);
    EXPECT_EQ(all.at(day(2024, 12, 31)), 5);

    StudyCalendar c(all, day(2025, 3, 14));
    EXPECT_EQ(c.currentStreak(), 3);  // 3/12, 3/13, 3/14
    EXPECT_EQ(c.longestStreak(), 4);
}

TEST_F(StudyCalendarTest, AnEmptyFolderHasNoStudyDays) {
    TempDir other;
    StudyCalendar c(studyDayCounts(other.path()), day(2025, 3, 14));
    EXPECT_EQ(c.currentStreak(), 0);
    EXPECT_EQ(c.longestStreak(), 0);
    for (int n : c.days())
        EXPECT_EQ(n, 0);
    // A folder that is not there is no study either.
    EXPECT_TRUE(studyDayCounts(other.file("nobody")).empty());
}
