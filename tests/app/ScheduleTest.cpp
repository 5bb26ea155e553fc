#include "app/Schedule.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qor;
using qor::test::crlf;
using qor::test::slurp;
using qor::test::spit;

namespace {

const DateTime kToday{2002, 3, 3, 9, 5, 7};

// A [Plan] section holding the given entries (UTF-8 texts).
std::string planFile(std::initializer_list<std::string> entries) {
    std::string bytes = crlf({"[Plan]", "PlanNum=" + std::to_string(entries.size())});
    int key = 0;
    for (const std::string& e : entries)
        bytes += std::to_string(key++) + "=" + sj(e) + "\r\n";
    return bytes;
}

class PlanFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string path = dir.file("Setup.ini");
    PlanFile file{path};
};

} // namespace

TEST(PlanEntryTest, SplitsPurposeAndDate) {
    auto e = parsePlanEntry(sj("期末試験,2002/3/15"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->purpose, sj("期末試験"));
    EXPECT_EQ(e->year, 2002);
    EXPECT_EQ(e->month, 3);
    EXPECT_EQ(e->day, 15);
    // Only the first comma splits; an empty purpose is still an entry.
    auto empty = parsePlanEntry(",2002/12/31");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->purpose, "");
}

TEST(PlanEntryTest, RefusesWhatIsNotAPurposeAndARealDate) {
    for (const char* text : {" ", "", "exam 2002/3/15", "exam,2002/3", "exam,2002-3-15",
                             "exam,2002/3/x", "exam,2002/2/30", "exam,2002/13/1", "exam,2002/0/1",
                             "a,b,2002/3/15", "exam,2002/3/15/1", "exam, 2002/3/15"}) {
        EXPECT_FALSE(parsePlanEntry(text)) << text;
    }
    EXPECT_TRUE(parsePlanEntry("exam,2004/2/29"));
}

TEST(PlanEntryTest, DayDifferenceCountsWholeDaysFromToday) {
    EXPECT_EQ(dayDifference({"x", 2002, 3, 4}, kToday), 1);
    EXPECT_EQ(dayDifference({"x", 2002, 3, 3}, kToday), 0);
    EXPECT_EQ(dayDifference({"x", 2002, 3, 2}, kToday), -1);
    EXPECT_EQ(dayDifference({"x", 2003, 1, 1}, {2002, 12, 31, 23, 59, 59}), 1);
    EXPECT_EQ(dayDifference({"x", 2002, 3, 1}, {2002, 2, 28, 0, 0, 0}), 1);
}

TEST_F(PlanFileTest, ReadsEveryEntryWithItsDayDifference) {
    spit(path, planFile({"期末試験,2002/3/15", "broken", "模試,2002/3/1"}));
    PlanList plan = file.read(kToday);
    EXPECT_FALSE(plan.badCount);
    ASSERT_EQ(plan.items.size(), 3u);
    EXPECT_EQ(plan.items[0].days, 12);
    EXPECT_FALSE(plan.items[1].entry);
    EXPECT_EQ(plan.items[1].text, "broken");
    EXPECT_EQ(plan.items[2].days, -2);
    EXPECT_EQ(plan.firstReadable()->key, 0);
}

TEST_F(PlanFileTest, MissingSectionMeansNoEntriesAndMissingKeysAreBlank) {
    EXPECT_TRUE(file.read(kToday).items.empty());
    spit(path, crlf({"[Plan]", "PlanNum=2", "0=a,2002/3/4"}));
    PlanList plan = file.read(kToday);
    ASSERT_EQ(plan.items.size(), 2u);
    EXPECT_EQ(plan.items[1].text, " ");
    EXPECT_FALSE(plan.items[1].entry);
}

TEST_F(PlanFileTest, ACountThatIsNoNumberGivesNoEntriesAndIsNamed) {
    spit(path, crlf({"[Plan]", "PlanNum=two", "0=a,2002/3/4"}));
    PlanList plan = file.read(kToday);
    EXPECT_TRUE(plan.items.empty());
    ASSERT_TRUE(plan.badCount);
    EXPECT_EQ(*plan.badCount, "two");
}

TEST_F(PlanFileTest, AHugeCountReadsAtMostTheLimit) {
    spit(path, crlf({"[Plan]", "PlanNum=2000000000", "0=a,2002/3/4"}));
    EXPECT_EQ(file.read(kToday).items.size(), static_cast<std::size_t>(kMaxPlanEntries));
}

TEST_F(PlanFileTest, DroppingMovesLaterEntriesDownAndBlanksTheLastKey) {
    spit(path, crlf({"[Setup]", "PlanOn=1", "", "[Plan]", "PlanNum=3", "0=a,2002/3/1",
                     "1=b,2002/3/4", "2=c,2002/3/5"}));
    ASSERT_TRUE(file.drop(0));
    EXPECT_EQ(slurp(path), crlf({"[Setup]", "PlanOn=1", "", "[Plan]", "PlanNum=2", "0=b,2002/3/4",
                                 "1=c,2002/3/5", "2= "}));
}

TEST_F(PlanFileTest, DroppingTheLastEntryLeavesCountZeroAndKeyZeroBlank) {
    spit(path, crlf({"[Plan]", "PlanNum=1", "0=a,2002/3/3"}));
    ASSERT_TRUE(file.drop(0));
    EXPECT_EQ(slurp(path), crlf({"[Plan]", "PlanNum=0", "0= "}));
}

TEST_F(PlanFileTest, DroppingALaterEntryKeepsTheOnesBefore) {
    spit(path, crlf({"[Plan]", "PlanNum=3", "0=broken", "1=b,2002/3/3", "2=c,2002/3/9"}));
    ASSERT_TRUE(file.drop(1));
    EXPECT_EQ(slurp(path), crlf({"[Plan]", "PlanNum=2", "0=broken", "1=c,2002/3/9", "2= "}));
    // A key outside the list changes nothing.
    std::string before = slurp(path);
    ASSERT_TRUE(file.drop(5));
    EXPECT_EQ(slurp(path), before);
}

TEST_F(PlanFileTest, AFailedDropLeavesTheFileAsItWas) {
    std::string bytes = crlf({"[Plan]", "PlanNum=1", "0=a,2002/3/3"});
    spit(path, bytes);
    test::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only here";
    FileStatus status = file.drop(0);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.path(), path);
    readOnly.release();
    EXPECT_EQ(slurp(path), bytes);
}

TEST(CountdownTest, FollowsTheFirstReadableEntry) {
    PlanList plan;
    plan.items.push_back({0, "broken", std::nullopt, 0});
    plan.items.push_back({1, "", PlanEntry{sj("期末試験"), 2002, 3, 4}, 1});
    plan.items.push_back({2, "", PlanEntry{"x", 2002, 3, 1}, -2});
    CountdownStep step = countdownStep(plan);
    EXPECT_EQ(step.kind, CountdownStep::Kind::Counting);
    EXPECT_EQ(step.key, 1);
    EXPECT_EQ(step.panelText, sj("期末試験まで、あと 1日"));
}

TEST(CountdownTest, TodayGivesTheBoxAndThePastIsDroppedSilently) {
    PlanList today;
    today.items.push_back({0, "", PlanEntry{sj("入試"), 2002, 3, 3}, 0});
    CountdownStep step = countdownStep(today);
    EXPECT_EQ(step.kind, CountdownStep::Kind::DayHasCome);
    EXPECT_EQ(step.boxText, sj("今日は、入試の日です\nがんばってね(^^)/"));
    EXPECT_EQ(step.panelText, "");
    EXPECT_EQ(step.key, 0);

    PlanList past;
    past.items.push_back({0, "", PlanEntry{"x", 2002, 3, 1}, -2});
    step = countdownStep(past);
    EXPECT_EQ(step.kind, CountdownStep::Kind::Passed);
    EXPECT_EQ(step.boxText, "");
    EXPECT_EQ(step.key, 0);
}

TEST(CountdownTest, NothingToFollowLeavesThePanelEmpty) {
    EXPECT_EQ(countdownStep(PlanList{}).kind, CountdownStep::Kind::Nothing);
    PlanList unreadable;
    unreadable.items.push_back({0, " ", std::nullopt, 0});
    CountdownStep step = countdownStep(unreadable);
    EXPECT_EQ(step.kind, CountdownStep::Kind::Nothing);
    EXPECT_EQ(step.key, -1);
}

TEST(PlanCheckTest, AnnouncesEveryEntryAndDropsAReachedFirstOne) {
    PlanList plan;
    plan.items.push_back({0, "", PlanEntry{sj("入試"), 2002, 3, 3}, 0});
    plan.items.push_back({1, "", PlanEntry{sj("模試"), 2002, 3, 10}, 7});
    plan.items.push_back({2, sj("予定"), std::nullopt, 0});
    plan.items.push_back({3, "", PlanEntry{sj("面接"), 2002, 2, 28}, -3});
    PlanCheckResult check = planCheck(plan);
    ASSERT_EQ(check.boxes.size(), 4u);
    EXPECT_EQ(check.boxes[0].text, sj("今日は、入試の日です。がんばってね(^^)/\n"));
    EXPECT_EQ(check.boxes[1].text, sj("模試まで、あと 7日"));
    EXPECT_FALSE(check.boxes[2].readable);
    EXPECT_EQ(check.boxes[2].text, sj("予定"));
    // A past entry is announced with its negative count.
    EXPECT_EQ(check.boxes[3].text, sj("面接まで、あと -3日"));
    EXPECT_EQ(check.dropKey, 0);
    EXPECT_EQ(check.closingText, sj("入試 ： 2002/3/3 （今日）\n"
                                    "模試 ： 2002/3/10 （あと 7日）\n"
                                    "予定 ： 日付を読み取れません\n"
                                    "面接 ： 2002/2/28 （3日前）"));
}

TEST(PlanCheckTest, AFutureFirstEntryIsKeptEvenWhenALaterOneIsDue) {
    PlanList plan;
    plan.items.push_back({0, "", PlanEntry{"a", 2002, 3, 9}, 6});
    plan.items.push_back({1, "", PlanEntry{"b", 2002, 3, 3}, 0});
    PlanCheckResult check = planCheck(plan);
    EXPECT_EQ(check.dropKey, -1);
    EXPECT_EQ(check.boxes[1].text, checkTodayText("b"));
    EXPECT_TRUE(planCheck(PlanList{}).boxes.empty());
    EXPECT_EQ(planCheck(PlanList{}).closingText, "");
}

TEST(PlanCheckTest, TheClosingListNamesTenEntriesAndCountsTheRest) {
    PlanList plan;
    for (int i = 0; i < 100; ++i)
        plan.items.push_back({i, "", PlanEntry{"p" + std::to_string(i), 2002, 3, 10}, 7});
    // A purpose edited by hand to any length is cut to a line.
    plan.items[0].entry->purpose = std::string(100000, 'x');
    PlanCheckResult check = planCheck(plan);
    EXPECT_EQ(check.boxes.size(), 100u);
    const std::string& text = check.closingText;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), sj("ほか 90 件"));
    EXPECT_LT(text.find('\n'), 200u);
    EXPECT_NE(text.find(sj("p9 ： 2002/3/10 （あと 7日）")), std::string::npos);
    EXPECT_EQ(text.find("p10 "), std::string::npos);
}

TEST(PlanCheckTest, APurposeOfAnyLengthIsCutInEveryScheduleText) {
    const std::string purpose(1000000, 'p');
    for (const std::string& text : {countdownText(purpose, 3), dayHasComeText(purpose),
                                    checkTodayText(purpose)})
        EXPECT_LT(text.size(), 200u);
    EXPECT_EQ(countdownText(sj("期末試験"), 3), sj("期末試験まで、あと 3日"));
}
